#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/ui/com/fake_com_client.h"
#include "tests/ui/support/host_window.h"
#include "ui/controls/webbrowser.h"
#include "ui/core/container.h"
#include "ui/core/window_manager.h"

namespace SkinUI {
namespace test {
namespace {

// An object with named properties read through IDispatch; remembers the
// names it was asked for.
class PropertyBag : public IDispatch {
public:
    PropertyBag() = default;
    virtual ~PropertyBag()
    {
        for (auto& property : m_properties)
            VariantClear(&property.second);
    }

    void Set(const wchar_t* name, IDispatch* object)
    {
        VARIANT value;
        value.vt = VT_DISPATCH;
        value.pdispVal = object;
        object->AddRef();
        m_properties.emplace_back(name, value);
    }
    void Set(const wchar_t* name, long number)
    {
        VARIANT value;
        value.vt = VT_I4;
        value.lVal = number;
        m_properties.emplace_back(name, value);
    }

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override
    {
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch))
            return E_NOINTERFACE;
        *out = this;
        AddRef();
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++m_refs; }
    STDMETHOD_(ULONG, Release)() override { return --m_refs; }
    STDMETHOD(GetTypeInfoCount)(UINT*) override { return E_NOTIMPL; }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override
    {
        asked.push_back(names[0]);
        for (size_t i = 0; i < m_properties.size(); ++i) {
            if (m_properties[i].first == names[0]) {
                ids[0] = static_cast<DISPID>(i + 1);
                return S_OK;
            }
        }
        return DISP_E_UNKNOWNNAME;
    }
    STDMETHOD(Invoke)(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override
    {
        if (id < 1 || static_cast<size_t>(id) > m_properties.size() || result == nullptr)
            return DISP_E_MEMBERNOTFOUND;
        return VariantCopy(result, &m_properties[static_cast<size_t>(id) - 1].second);
    }

    std::vector<std::wstring> asked;

private:
    ULONG m_refs = 1;
    std::vector<std::pair<std::wstring, VARIANT>> m_properties;
};

// Records what the control passes on.
class RecordingHandler : public CWebBrowserEventHandler {
public:
    void BeforeNavigate2(IDispatch*, VARIANT*& url, VARIANT*&, VARIANT*&, VARIANT*&, VARIANT*&,
                         VARIANT_BOOL*& cancel) override
    {
        events.push_back(L"BeforeNavigate2:" + std::wstring(url->bstrVal));
        *cancel = VARIANT_TRUE;
    }
    void NavigateComplete2(IDispatch*, VARIANT*&) override { events.push_back(L"NavigateComplete2"); }
    void DocumentComplete(IDispatch*, VARIANT*&) override { events.push_back(L"DocumentComplete"); }
    void NavigateError(IDispatch*, VARIANT*&, VARIANT*&, VARIANT*& status, VARIANT_BOOL*&) override
    {
        events.push_back(L"NavigateError:" + std::to_wstring(status->lVal));
    }
    void NewWindow3(IDispatch**, VARIANT_BOOL*&, DWORD flags, BSTR, BSTR url) override
    {
        events.push_back(L"NewWindow3:" + std::to_wstring(flags) + L":" + url);
    }
    void CommandStateChange(long command, VARIANT_BOOL enable) override
    {
        events.push_back(L"CommandStateChange:" + std::to_wstring(command) + L":" + std::to_wstring(enable));
    }
    HRESULT ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override
    {
        events.push_back(L"ShowContextMenu");
        return S_OK;
    }

    std::vector<std::wstring> events;
};

VARIANT ByRef(VARIANT* target)
{
    VARIANT reference;
    reference.vt = VT_VARIANT | VT_BYREF;
    reference.pvarVal = target;
    return reference;
}

class WebBrowserTest : public ::testing::Test {
protected:
    WebBrowserTest() { CoInitialize(nullptr); }
    ~WebBrowserTest() override
    {
        SysFreeString(url.bstrVal);
        CoUninitialize();
    }

    void SetUp() override
    {
        ASSERT_TRUE(library.IsLoaded());
        root = new CContainerUI;
        window.manager().AttachRoot(root);
        url.vt = VT_BSTR;
        url.bstrVal = SysAllocString(L"http://example.test/");
    }

    CWebBrowserUI* Create(bool windowless = true)
    {
        FakeControlConfig config;
        config.windowless = windowless;
        library.Configure(config);
        CWebBrowserUI* browser = new CWebBrowserUI;
        browser->SetAttribute(L"modulename", kFakeControlLibrary);
        browser->SetAttribute(L"homepage", L"http://home.test/");
        browser->SetAttribute(L"autonavi", L"true");
        browser->SetEventHandler(&handler);
        root->AddItem(browser);
        browser->SetPosition(RECT{0, 0, 200, 100});
        return browser;
    }

    // Fires an event whose arguments are given in declaration order.
    HRESULT Fire(DISPID id, std::vector<VARIANT> arguments)
    {
        std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
        DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        return library.FireBrowserEvent(id, &params);
    }

    VARIANT Dispatch(IDispatch* object)
    {
        VARIANT value;
        value.vt = VT_DISPATCH;
        value.pdispVal = object;
        return value;
    }

    FakeComLibrary library;
    HostWindow window{300, 200};
    CContainerUI* root = nullptr;
    RecordingHandler handler;
    VARIANT url = {};
};

TEST_F(WebBrowserTest, CreatedWithAWindowNavigatesHomeAndConnectsTheSink)
{
    library.Configure();
    CWebBrowserUI* browser = new CWebBrowserUI;
    EXPECT_TRUE(IsEqualCLSID(CLSID_WebBrowser, browser->GetClassId()));
    EXPECT_FALSE(browser->IsCreated());
    browser->Delete();

    browser = Create();
    ASSERT_TRUE(browser->IsCreated());
    EXPECT_NE(nullptr, browser->GetWebBrowser2());
    EXPECT_EQ(browser, browser->GetInterfaceByName(L"WebBrowser"));
    EXPECT_EQ(static_cast<CActiveXUI*>(browser), browser->GetInterfaceByName(L"ActiveX"));
    EXPECT_TRUE(library.LogHasInOrder({L"CreateInstance:IOleObject", L"SetSite:site", L"Navigate2:http://home.test/",
                                       L"Advise"}));
}

TEST_F(WebBrowserTest, BrowserEventsReachTheHandlerInDeclarationOrder)
{
    CWebBrowserUI* browser = Create();
    IDispatch* top = library.BrowserObject();
    VARIANT empty = {};
    VARIANT status = {};
    status.vt = VT_I4;
    status.lVal = 404;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT cancelRef;
    cancelRef.vt = VT_BOOL | VT_BYREF;
    cancelRef.pboolVal = &cancel;

    EXPECT_EQ(S_OK, Fire(250, {Dispatch(top), ByRef(&url), ByRef(&empty), ByRef(&empty), ByRef(&empty),
                               ByRef(&empty), cancelRef}));
    EXPECT_EQ(VARIANT_TRUE, cancel);
    EXPECT_EQ(S_OK, Fire(271, {Dispatch(top), ByRef(&url), ByRef(&empty), ByRef(&status), cancelRef}));
    VARIANT command = {};
    command.vt = VT_I4;
    command.lVal = 2;
    VARIANT enable = {};
    enable.vt = VT_BOOL;
    enable.boolVal = VARIANT_TRUE;
    EXPECT_EQ(S_OK, Fire(105, {command, enable}));
    IDispatch* newBrowser = nullptr;
    VARIANT browserRef;
    browserRef.vt = VT_DISPATCH | VT_BYREF;
    browserRef.ppdispVal = &newBrowser;
    VARIANT flags = {};
    flags.vt = VT_UI4;
    flags.ulVal = 6;
    VARIANT context = url;
    EXPECT_EQ(S_OK, Fire(273, {browserRef, cancelRef, flags, context, url}));
    EXPECT_EQ((std::vector<std::wstring>{L"BeforeNavigate2:http://example.test/", L"NavigateError:404",
                                         L"CommandStateChange:2:-1", L"NewWindow3:6:http://example.test/"}),
              handler.events);

    // Status text is ignored, other ids are unknown, malformed arguments refused.
    EXPECT_EQ(S_OK, Fire(102, {url}));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, Fire(999, {}));
    EXPECT_EQ(DISP_E_BADVARTYPE, Fire(250, {Dispatch(top), ByRef(&url)}));
    EXPECT_EQ(DISP_E_BADVARTYPE, Fire(271, {Dispatch(top), url, ByRef(&empty), ByRef(&status), cancelRef}));
    EXPECT_EQ(4u, handler.events.size());
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    EXPECT_EQ(E_INVALIDARG, browser->Invoke(252, IID_IDispatch, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr));
    top->Release();
}

TEST_F(WebBrowserTest, NavigationHostsTheDocumentAndDocumentCompleteIsTopLevelOnly)
{
    CWebBrowserUI* browser = Create();
    IDispatch* top = library.BrowserObject();
    EXPECT_EQ(S_OK, Fire(252, {Dispatch(top), ByRef(&url)}));
    EXPECT_EQ(1, library.CountInLog(L"SetUIHandler:set"));
    IUnknown* given = library.BrowserUIHandler();
    ASSERT_NE(nullptr, given);
    EXPECT_EQ(static_cast<IDocHostUIHandler*>(browser), static_cast<IDocHostUIHandler*>(given));

    PropertyBag frame;
    EXPECT_EQ(S_OK, Fire(259, {Dispatch(&frame), ByRef(&url)}));
    EXPECT_EQ(S_OK, Fire(259, {Dispatch(top), ByRef(&url)}));
    EXPECT_EQ((std::vector<std::wstring>{L"NavigateComplete2", L"DocumentComplete"}), handler.events);
    top->Release();
}

TEST_F(WebBrowserTest, DocumentHostAnswersWithAndWithoutAHandler)
{
    CWebBrowserUI* browser = Create();
    EXPECT_EQ(S_OK, browser->ShowContextMenu(0, nullptr, nullptr, nullptr));
    browser->SetEventHandler(nullptr);
    EXPECT_EQ(S_FALSE, browser->ShowContextMenu(0, nullptr, nullptr, nullptr));
    MSG msg = {};
    EXPECT_EQ(S_FALSE, browser->TranslateAccelerator(&msg, nullptr, 0));
    IDropTarget* target = reinterpret_cast<IDropTarget*>(1);
    EXPECT_EQ(S_FALSE, browser->GetDropTarget(nullptr, &target));
    EXPECT_EQ(nullptr, target);
    IDispatch* external = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(S_FALSE, browser->GetExternal(&external));
    EXPECT_EQ(nullptr, external);
    EXPECT_EQ(S_OK, browser->ShowUI(0, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(S_OK, browser->HideUI());
    EXPECT_EQ(S_OK, browser->UpdateUI());
    DOCHOSTUIINFO info = {};
    EXPECT_EQ(E_NOTIMPL, browser->GetHostInfo(&info));
    OLECHAR* translated = reinterpret_cast<OLECHAR*>(1);
    EXPECT_EQ(E_NOTIMPL, browser->TranslateUrl(0, nullptr, &translated));
    EXPECT_EQ(nullptr, translated);
    EXPECT_EQ(E_POINTER, browser->FilterDataObject(nullptr, nullptr));
}

TEST_F(WebBrowserTest, ServicesAndScriptErrorCommand)
{
    CWebBrowserUI* browser = Create();
    void* service = nullptr;
    ASSERT_EQ(S_OK, browser->QueryService(IID_IDownloadManager, IID_IDownloadManager, &service));
    EXPECT_EQ(static_cast<IDownloadManager*>(browser), service);
    static_cast<IUnknown*>(service)->Release();
    EXPECT_EQ(E_NOINTERFACE, browser->QueryService(IID_IDownloadManager, IID_IUnknown, &service));
    EXPECT_EQ(nullptr, service);

    PropertyBag event;
    event.Set(L"errorLine", 12);
    event.Set(L"errorCharacter", 3);
    PropertyBag documentWindow;
    documentWindow.Set(L"event", &event);
    PropertyBag document;
    document.Set(L"parentWindow", &documentWindow);
    VARIANT in = Dispatch(&document);
    VARIANT out = {};
    EXPECT_EQ(S_OK, browser->Exec(&CGID_DocHostCommandHandler, CWebBrowserUI::kShowScriptErrorCommand, 0, &in, &out));
    EXPECT_EQ(VT_BOOL, out.vt);
    EXPECT_EQ(VARIANT_TRUE, out.boolVal);
    EXPECT_EQ((std::vector<std::wstring>{L"errorLine", L"errorCharacter", L"errorCode", L"errorMessage",
                                         L"errorUrl"}),
              event.asked);

    // A document without a window, and no output: still suppressed, no crash.
    PropertyBag bare;
    in = Dispatch(&bare);
    EXPECT_EQ(S_OK, browser->Exec(&CGID_DocHostCommandHandler, CWebBrowserUI::kShowScriptErrorCommand, 0, &in,
                                  nullptr));
    EXPECT_EQ(OLECMDERR_E_NOTSUPPORTED, browser->Exec(&CGID_DocHostCommandHandler, 41, 0, nullptr, &out));
    EXPECT_EQ(OLECMDERR_E_UNKNOWNGROUP, browser->Exec(&IID_IUnknown, 40, 0, nullptr, &out));
    EXPECT_EQ(OLECMDERR_E_UNKNOWNGROUP, browser->Exec(nullptr, 40, 0, nullptr, &out));
    EXPECT_EQ(OLECMDERR_E_NOTSUPPORTED, browser->QueryStatus(&CGID_DocHostCommandHandler, 0, nullptr, nullptr));
}

TEST_F(WebBrowserTest, KeysGoToTheBrowserOnlyWhileItHasTheFocus)
{
    CWebBrowserUI* browser = Create(false);
    HWND host = browser->GetNativeWindow();
    ASSERT_TRUE(IsWindow(host));
    ASSERT_NE(window.hwnd(), host);
    window.ShowAndPaint();
    MSG key = {host, WM_KEYDOWN, VK_F5, 0, 0, {0, 0}};
    SetFocus(window.hwnd());
    EXPECT_EQ(S_FALSE, browser->TranslateAccelerator(&key));
    SetFocus(host);
    ASSERT_EQ(host, GetFocus());
    EXPECT_TRUE(window.manager().TranslateAccelerator(&key));
    MSG move = {host, WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
    EXPECT_EQ(S_FALSE, browser->TranslateAccelerator(&move));
    EXPECT_EQ(1, library.CountInLog(L"TranslateAccelerator:256"));
}

TEST_F(WebBrowserTest, ReleaseDisconnectsAndLetsGoOfEveryReference)
{
    CWebBrowserUI* browser = Create();
    IDispatch* top = library.BrowserObject();
    Fire(252, {Dispatch(top), ByRef(&url)});
    top->Release();
    EXPECT_GT(browser->GetComReferenceCount(), 0u);
    browser->ReleaseControl();
    EXPECT_FALSE(browser->IsCreated());
    EXPECT_EQ(nullptr, browser->GetWebBrowser2());
    EXPECT_EQ(1, library.CountInLog(L"Unadvise:7"));
    EXPECT_EQ(0u, browser->GetComReferenceCount());
    EXPECT_EQ(0, library.LiveObjects());
    MSG key = {nullptr, WM_KEYDOWN, VK_F5, 0, 0, {0, 0}};
    EXPECT_FALSE(window.manager().TranslateAccelerator(&key));
}

// The system's browser object, where the platform has one; navigation needs
// an engine this machine lacks, so only creation and the connections are checked.
TEST(WebBrowserSystem, CreatesTheSystemBrowser)
{
    CoInitialize(nullptr);
    {
        HostWindow window(300, 200);
        CContainerUI* root = new CContainerUI;
        window.manager().AttachRoot(root);
        CWebBrowserUI* browser = new CWebBrowserUI;
        root->AddItem(browser);
        browser->SetPosition(RECT{0, 0, 200, 100});
        if (browser->GetWebBrowser2() == nullptr) {
            CoUninitialize();
            GTEST_SKIP() << "no system web browser object";
        }
        EXPECT_TRUE(browser->IsCreated());
        EXPECT_GT(browser->GetComReferenceCount(), 0u);
        browser->ReleaseControl();
        EXPECT_EQ(nullptr, browser->GetWebBrowser2());
    }
    CoUninitialize();
}

}  // namespace
}  // namespace test
}  // namespace SkinUI
