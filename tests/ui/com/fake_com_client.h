#pragma once

#include <string>
#include <vector>

#include "tests/ui/com/fake_com_api.h"

namespace SkinUI {
namespace test {

// The fake OLE control library as the tests drive it.
class FakeComLibrary {
public:
    FakeComLibrary();
    ~FakeComLibrary();
    FakeComLibrary(const FakeComLibrary&) = delete;
    FakeComLibrary& operator=(const FakeComLibrary&) = delete;

    bool IsLoaded() const { return m_configure != nullptr; }
    // Clears the log; objects created from now on follow the configuration.
    void Configure(const FakeControlConfig& config = FakeControlConfig());
    std::vector<std::wstring> Log() const;
    // Whether `expected` appear in this order in the log (others may lie between).
    bool LogHasInOrder(const std::vector<std::wstring>& expected) const;
    int CountInLog(const std::wstring& entry) const;
    LONG LiveObjects() const { return m_liveObjects(); }
    IOleClientSite* Site() const { return m_site(); }
    HRESULT FireBrowserEvent(DISPID id, DISPPARAMS* params) const { return m_fire(id, params); }
    IDispatch* BrowserObject() const { return m_browser(); }
    IUnknown* BrowserUIHandler() const { return m_uiHandler(); }

private:
    HMODULE m_module = nullptr;
    FakeComConfigureProc m_configure = nullptr;
    FakeComReadLogProc m_readLog = nullptr;
    FakeComLiveObjectsProc m_liveObjects = nullptr;
    FakeComSiteProc m_site = nullptr;
    FakeBrowserFireProc m_fire = nullptr;
    FakeBrowserObjectProc m_browser = nullptr;
    FakeBrowserUIHandlerProc m_uiHandler = nullptr;
};

}  // namespace test
}  // namespace SkinUI
