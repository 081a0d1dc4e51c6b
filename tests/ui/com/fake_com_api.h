#pragma once

// The test-only OLE control library: a fake control and a fake web browser
// served through DllGetClassObject, configured and observed through these
// exports.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

// {6C1E3F5A-2B7D-4E38-9A61-3D2C5B8E7F01}
static const CLSID CLSID_FakeControl = {0x6c1e3f5a, 0x2b7d, 0x4e38, {0x9a, 0x61, 0x3d, 0x2c, 0x5b, 0x8e, 0x7f, 0x01}};

constexpr const wchar_t* kFakeControlLibrary = L"fake_ole_control.dll";

struct FakeControlConfig {
    DWORD miscStatus = 0;
    bool windowless = true;           // DoVerb activates windowless
    bool persistStreamInit = true;    // offers IPersistStreamInit
    HRESULT initNewResult = S_OK;
    int viewLevel = 3;                // 0 none, 1 IViewObject, 2 IViewObject2, 3 IViewObjectEx
    bool objectWithSite = true;
    DWORD hitResult = HITRESULT_HIT;  // QueryHitPoint's answer
    HRESULT windowMessageResult = S_OK;
    HRESULT doVerbResult = S_OK;
};

extern "C" {
// Resets the call log and the configuration of objects created from now on.
typedef void(WINAPI* FakeComConfigureProc)(const FakeControlConfig* config);
// Copies the log ('\n' after each entry) into the buffer; returns its length.
typedef int(WINAPI* FakeComReadLogProc)(wchar_t* buffer, int capacity);
// Fake objects alive (controls, documents, enumerations of them).
typedef LONG(WINAPI* FakeComLiveObjectsProc)();
// The newest fake object's site: as IOleClientSite, with a reference.
typedef IOleClientSite*(WINAPI* FakeComSiteProc)();
// Invokes the newest fake browser's connected event sink.
typedef HRESULT(WINAPI* FakeBrowserFireProc)(DISPID id, DISPPARAMS* params);
// The newest fake browser as IDispatch, with a reference.
typedef IDispatch*(WINAPI* FakeBrowserObjectProc)();
// The UI handler the browser's document was given last (no reference).
typedef IUnknown*(WINAPI* FakeBrowserUIHandlerProc)();
}
