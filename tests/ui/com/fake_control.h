#pragma once

#include <string>

#include "tests/ui/com/fake_com_api.h"

namespace fake {

void Log(const std::wstring& entry);
const FakeControlConfig& Config();
void ObjectCreated();
void ObjectDestroyed();
class FakeControl;
void ControlDestroyed(FakeControl* control);

// Reference counting of the fakes: the object goes at zero.
class FakeRefCounted {
protected:
    virtual ~FakeRefCounted() = default;
    ULONG AddReference() { return static_cast<ULONG>(InterlockedIncrement(&m_refs)); }
    ULONG ReleaseReference()
    {
        LONG count = InterlockedDecrement(&m_refs);
        if (count == 0)
            delete this;
        return static_cast<ULONG>(count);
    }

private:
    LONG m_refs = 1;
};

// A fake OLE control that records how its container drives it: creation,
// site, activation, messages and teardown.
class FakeControl : public IOleObject,
                    public IOleInPlaceObjectWindowless,
                    public IViewObjectEx,
                    public IPersistStreamInit,
                    public IObjectWithSite,
                    public IOleControl,
                    public IRunnableObject,
                    protected FakeRefCounted {
public:
    FakeControl();

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    // IOleObject
    STDMETHOD(SetClientSite)(IOleClientSite* site) override;
    STDMETHOD(GetClientSite)(IOleClientSite** site) override;
    STDMETHOD(SetHostNames)(LPCOLESTR app, LPCOLESTR object) override;
    STDMETHOD(Close)(DWORD option) override;
    STDMETHOD(SetMoniker)(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHOD(GetMoniker)(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHOD(InitFromData)(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetClipboardData)(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHOD(DoVerb)(LONG verb, LPMSG msg, IOleClientSite* site, LONG index, HWND parent, LPCRECT rect) override;
    STDMETHOD(EnumVerbs)(IEnumOLEVERB**) override { return E_NOTIMPL; }
    STDMETHOD(Update)() override { return S_OK; }
    STDMETHOD(IsUpToDate)() override { return S_OK; }
    STDMETHOD(GetUserClassID)(CLSID*) override { return E_NOTIMPL; }
    STDMETHOD(GetUserType)(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHOD(SetExtent)(DWORD aspect, SIZEL* size) override;
    STDMETHOD(GetExtent)(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHOD(Advise)(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(Unadvise)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(EnumAdvise)(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHOD(GetMiscStatus)(DWORD aspect, DWORD* status) override;
    STDMETHOD(SetColorScheme)(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleInPlaceObjectWindowless
    STDMETHOD(GetWindow)(HWND* window) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL) override { return S_OK; }
    STDMETHOD(InPlaceDeactivate)() override;
    STDMETHOD(UIDeactivate)() override { return S_OK; }
    STDMETHOD(SetObjectRects)(LPCRECT position, LPCRECT clip) override;
    STDMETHOD(ReactivateAndUndo)() override { return E_NOTIMPL; }
    STDMETHOD(OnWindowMessage)(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    STDMETHOD(GetDropTarget)(IDropTarget**) override { return E_NOTIMPL; }

    // IViewObjectEx
    STDMETHOD(Draw)(DWORD aspect, LONG index, void* aspectData, DVTARGETDEVICE* device, HDC target, HDC dc,
                    LPCRECTL bounds, LPCRECTL windowBounds, BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR),
                    ULONG_PTR contData) override;
    STDMETHOD(GetColorSet)(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE**) override { return E_NOTIMPL; }
    STDMETHOD(Freeze)(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(Unfreeze)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(SetAdvise)(DWORD, DWORD, IAdviseSink*) override { return S_OK; }
    STDMETHOD(GetAdvise)(DWORD*, DWORD*, IAdviseSink**) override { return E_NOTIMPL; }
    STDMETHOD(GetExtent)(DWORD, LONG, DVTARGETDEVICE*, LPSIZEL) override { return E_NOTIMPL; }
    STDMETHOD(GetRect)(DWORD, LPRECTL) override { return E_NOTIMPL; }
    STDMETHOD(GetViewStatus)(DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(QueryHitPoint)(DWORD aspect, LPCRECT bounds, POINT point, LONG, DWORD* hit) override;
    STDMETHOD(QueryHitRect)(DWORD, LPCRECT, LPCRECT, LONG, DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(GetNaturalExtent)(DWORD, LONG, DVTARGETDEVICE*, HDC, DVEXTENTINFO*, LPSIZEL) override
    {
        return E_NOTIMPL;
    }

    // IPersistStreamInit
    STDMETHOD(GetClassID)(CLSID*) override { return E_NOTIMPL; }
    STDMETHOD(IsDirty)() override { return S_FALSE; }
    STDMETHOD(Load)(LPSTREAM) override { return E_NOTIMPL; }
    STDMETHOD(Save)(LPSTREAM, BOOL) override { return E_NOTIMPL; }
    STDMETHOD(GetSizeMax)(ULARGE_INTEGER*) override { return E_NOTIMPL; }
    STDMETHOD(InitNew)() override;

    // IObjectWithSite
    STDMETHOD(SetSite)(IUnknown* site) override;
    STDMETHOD(GetSite)(REFIID, void**) override { return E_NOTIMPL; }

    // IOleControl
    STDMETHOD(GetControlInfo)(CONTROLINFO*) override { return E_NOTIMPL; }
    STDMETHOD(OnMnemonic)(MSG*) override { return E_NOTIMPL; }
    STDMETHOD(OnAmbientPropertyChange)(DISPID) override { return S_OK; }
    STDMETHOD(FreezeEvents)(BOOL) override { return S_OK; }

    // IRunnableObject: a running lock holds the object as the COM library's
    // external lock would.
    STDMETHOD(GetRunningClass)(LPCLSID) override { return E_NOTIMPL; }
    STDMETHOD(Run)(LPBINDCTX) override { return S_OK; }
    STDMETHOD_(BOOL, IsRunning)() override { return TRUE; }
    STDMETHOD(LockRunning)(BOOL lock, BOOL lastUnlockCloses) override;
    STDMETHOD(SetContainedObject)(BOOL) override { return S_OK; }

    IOleClientSite* Site() const { return m_site; }

protected:
    ~FakeControl() override;
    // Interfaces a derived fake adds; null when not one of them.
    virtual IUnknown* ExtraInterface(REFIID iid);

private:
    void Activate(IOleClientSite* site);
    void Deactivate();

    FakeControlConfig m_config;
    IOleClientSite* m_site = nullptr;
    IUnknown* m_objectSite = nullptr;
    IOleInPlaceSite* m_inPlaceSite = nullptr;
};

}  // namespace fake
