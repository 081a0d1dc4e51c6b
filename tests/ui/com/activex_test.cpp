#include <gtest/gtest.h>

#include <thread>

#include "tests/ui/com/fake_com_client.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/mem_canvas.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/activex.h"
#include "ui/controls/activex_site.h"
#include "ui/controls/activex_wnd.h"
#include "ui/core/container.h"

namespace SkinUI {
namespace test {
namespace {

const RECT kPosition = {10, 10, 110, 60};

// A fake control placed in a hidden window: the control is created through
// the fake library when it gets its class id.
class ActiveXTest : public ::testing::Test {
protected:
    // The apartment outlives the controls, so what they leave behind stays
    // countable.
    ActiveXTest() { CoInitialize(nullptr); }
    ~ActiveXTest() override { CoUninitialize(); }

    void SetUp() override
    {
        ASSERT_TRUE(library.IsLoaded());
        root = new CContainerUI;
        window.manager().AttachRoot(root);
        window.manager().AddNotifyReceiver(&receiver);
    }

    void TearDown() override { window.manager().RemoveNotifyReceiver(&receiver); }

    CActiveXUI* Create(const FakeControlConfig& config = FakeControlConfig())
    {
        library.Configure(config);
        CActiveXUI* control = new CActiveXUI;
        control->SetModuleName(kFakeControlLibrary);
        root->AddItem(control);
        control->SetClassId(CLSID_FakeControl);
        control->SetPosition(kPosition);
        return control;
    }

    // The site the newest fake control was given.
    CActiveXCtrl* Site()
    {
        IOleClientSite* site = library.Site();
        if (site != nullptr)
            site->Release();
        return static_cast<CActiveXCtrl*>(site);
    }

    FakeComLibrary library;
    HostWindow window{300, 200};
    CContainerUI* root = nullptr;
    RecordingReceiver receiver;
};

TEST_F(ActiveXTest, CreatesInitialisesAndActivatesInOrder)
{
    size_t logAtShow = 0;
    receiver.onNotify = [&](NotifyRecordUI& record) {
        if (record.type == L"showactivex")
            logAtShow = library.Log().size();
    };
    CActiveXUI* control = Create();
    ASSERT_TRUE(control->IsCreated());
    EXPECT_TRUE(library.LogHasInOrder({L"CreateInstance:IOleObject", L"GetMiscStatus:1", L"InitNew",
                                       L"SetClientSite:site", L"QI:IViewObjectEx", L"SetHostNames:UIActiveX",
                                       L"DoVerb:-5:0,0,0,0", L"Activated:1:ok", L"SetSite:site"}));
    // "showactivex" comes after the host names and before the activation.
    ASSERT_EQ(1, receiver.Count(L"showactivex"));
    EXPECT_EQ(L"SetHostNames:UIActiveX", library.Log()[logAtShow - 1]);
    // The position reaches the object: HIMETRIC extent and object rectangles.
    EXPECT_TRUE(library.LogHasInOrder({L"SetObjectRects:10,10,110,60"}));
    HDC screen = GetDC(nullptr);
    const int cx = MulDiv(100, 2540, GetDeviceCaps(screen, LOGPIXELSX));
    const int cy = MulDiv(50, 2540, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(1, library.CountInLog(L"SetExtent:1:" + std::to_wstring(cx) + L"," + std::to_wstring(cy)));
}

TEST_F(ActiveXTest, MiscStatusOrdersTheClientSiteAndSkipsActivation)
{
    FakeControlConfig config;
    config.miscStatus = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_INVISIBLEATRUNTIME;
    Create(config);
    EXPECT_TRUE(library.LogHasInOrder({L"SetClientSite:site", L"InitNew", L"SetHostNames:UIActiveX"}));
    EXPECT_EQ(0, library.CountInLog(L"DoVerb:-5:0,0,0,0"));
}

TEST_F(ActiveXTest, ViewObjectFallsBackToTheOlderInterfaces)
{
    FakeControlConfig config;
    config.viewLevel = 1;
    config.persistStreamInit = false;
    CActiveXUI* control = Create(config);
    EXPECT_TRUE(control->IsCreated());
    EXPECT_TRUE(library.LogHasInOrder({L"QI:IViewObjectEx", L"QI:IViewObject2", L"QI:IViewObject"}));
    EXPECT_EQ(0, library.CountInLog(L"InitNew"));
    EXPECT_EQ(1, library.CountInLog(L"Activated:1:ok"));
    ASSERT_NE(nullptr, Site());
    EXPECT_NE(nullptr, Site()->GetViewObject());
}

TEST_F(ActiveXTest, FailuresLeaveNoObject)
{
    FakeControlConfig config;
    config.initNewResult = E_FAIL;
    CActiveXUI* control = Create(config);
    void* object = nullptr;
    EXPECT_EQ(E_UNEXPECTED, control->GetControl(IID_IUnknown, &object));
    EXPECT_EQ(E_POINTER, control->GetControl(IID_IUnknown, nullptr));
    EXPECT_EQ(0, library.CountInLog(L"DoVerb:-5:0,0,0,0"));
    EXPECT_EQ(0, library.LiveObjects());

    config.initNewResult = S_OK;
    config.doVerbResult = E_FAIL;
    config.objectWithSite = false;
    library.Configure(config);
    EXPECT_FALSE(control->CreateControl());
    EXPECT_EQ(E_UNEXPECTED, control->GetControl(IID_IUnknown, &object));
    EXPECT_EQ(0, library.LiveObjects());

    EXPECT_FALSE(control->SetClassId(GUID_NULL));
    control->SetAttribute(L"clsid", L"No.Such.ProgId");
    EXPECT_EQ(E_UNEXPECTED, control->GetControl(IID_IUnknown, &object));
}

TEST_F(ActiveXTest, ClassIdTextsAndDelayedCreation)
{
    library.Configure();
    CActiveXUI* control = new CActiveXUI;
    root->AddItem(control);
    control->SetAttribute(L"modulename", kFakeControlLibrary);
    control->SetAttribute(L"delaycreate", L"true");
    control->SetAttribute(L"clsid", L"{6C1E3F5A-2B7D-4E38-9A61-3D2C5B8E7F01}");
    EXPECT_FALSE(control->IsCreated());
    EXPECT_TRUE(IsEqualCLSID(CLSID_FakeControl, control->GetClassId()));
    control->SetDelayCreate(false);
    EXPECT_TRUE(control->IsCreated());
    IOleObject* object = nullptr;
    ASSERT_EQ(S_OK, control->GetControl(IID_IOleObject, reinterpret_cast<void**>(&object)));
    object->Release();
}

TEST_F(ActiveXTest, ModuleWithoutFactoryFallsBackToTheRegistry)
{
    library.Configure();
    HMODULE module = GetModuleHandleW(kFakeControlLibrary);
    auto getClassObject = reinterpret_cast<LPFNGETCLASSOBJECT>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "DllGetClassObject")));
    IClassFactory* factory = nullptr;
    ASSERT_EQ(S_OK, getClassObject(CLSID_FakeControl, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    DWORD cookie = 0;
    ASSERT_EQ(S_OK, CoRegisterClassObject(CLSID_FakeControl, factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                          &cookie));
    CActiveXUI* control = new CActiveXUI;
    control->SetModuleName(L"kernel32.dll");
    root->AddItem(control);
    EXPECT_TRUE(control->SetClassId(CLSID_FakeControl));
    // The registry is asked for IOleControl, not the factory for IOleObject.
    EXPECT_EQ(1, library.CountInLog(L"CreateInstance:other"));
    EXPECT_TRUE(control->IsCreated());
    root->RemoveItem(control);
    window.manager().PostAsyncNotify();
    window.Pump(50);
    CoRevokeClassObject(cookie);
    factory->Release();
    EXPECT_EQ(0, library.LiveObjects());
}

TEST_F(ActiveXTest, WindowlessControlIsDrawnAndFedMessages)
{
    CActiveXUI* control = Create();
    CActiveXCtrl* site = Site();
    ASSERT_NE(nullptr, site);
    EXPECT_TRUE(site->IsWindowless());
    EXPECT_TRUE(site->IsInPlaceActive());
    EXPECT_EQ(window.hwnd(), control->GetNativeWindow());
    EXPECT_EQ(1, library.CountInLog(L"Frame:SkinUITestHost"));

    MemCanvas canvas(200, 100, 0xFFFFFFFF);
    control->Paint(canvas.dc(), RECT{0, 0, 200, 100}, nullptr);
    EXPECT_EQ(1, library.CountInLog(L"Draw:1:10,10,110,60"));
    EXPECT_TRUE(RgbNear(canvas.Pixel(50, 30), 0x0000FF));
    EXPECT_TRUE(RgbNear(canvas.Pixel(5, 5), 0xFFFFFF));

    // A press on the control reaches it, answers its result and focuses it.
    EXPECT_EQ(42, window.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20)));
    EXPECT_TRUE(library.LogHasInOrder({L"QueryHitPoint:20,20", L"OnWindowMessage:513"}));
    EXPECT_TRUE(control->IsFocused());
    window.Send(WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(42, window.Send(WM_KEYDOWN, 'A', 0));
    EXPECT_EQ(1, library.CountInLog(L"OnWindowMessage:256"));
}

TEST_F(ActiveXTest, WindowlessFilterRefusesMessagesNotForTheControl)
{
    FakeControlConfig config;
    config.hitResult = HITRESULT_OUTSIDE;
    CActiveXUI* control = Create(config);
    window.Send(WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(1, library.CountInLog(L"QueryHitPoint:20,20"));
    // Keys only while focused; mouse messages not at all while mouse input is off.
    window.Send(WM_KEYDOWN, 'A', 0);
    control->SetMouseEnabled(false);
    window.Send(WM_MOUSEMOVE, 0, MAKELPARAM(30, 30));
    EXPECT_EQ(0, library.CountInLog(L"OnWindowMessage:256"));
    EXPECT_EQ(0, library.CountInLog(L"QueryHitPoint:30,30"));
    // Help goes to the control but is never taken from the framework.
    bool handled = true;
    control->MessageHandler(WM_HELP, 0, 0, handled);
    EXPECT_EQ(1, library.CountInLog(L"OnWindowMessage:83"));
}

TEST_F(ActiveXTest, WindowedControlGetsAHostWindowThatFollowsTheControl)
{
    FakeControlConfig config;
    config.windowless = false;
    CActiveXUI* control = Create(config);
    CActiveXCtrl* site = Site();
    ASSERT_NE(nullptr, site);
    EXPECT_FALSE(site->IsWindowless());
    EXPECT_EQ(1, library.CountInLog(L"SiteWindow:ActiveXWnd"));
    HWND host = control->GetNativeWindow();
    ASSERT_TRUE(IsWindow(host));
    EXPECT_EQ(window.hwnd(), GetParent(host));
    wchar_t title[32] = {};
    GetWindowTextW(host, title, 32);
    EXPECT_STREQ(L"UIActiveX", title);
    EXPECT_EQ(1, library.CountInLog(L"SetObjectRects:0,0,100,50"));

    control->SetPosition(RECT{20, 30, 80, 70});
    RECT rect = window.manager().GetChildWindowRect(host);
    EXPECT_EQ(20, rect.left);
    EXPECT_EQ(30, rect.top);
    EXPECT_EQ(60, rect.right - rect.left);
    control->SetVisible(false);
    EXPECT_EQ(0, GetWindowLongW(host, GWL_STYLE) & WS_VISIBLE);
    control->SetVisible(true);
    EXPECT_NE(0, GetWindowLongW(host, GWL_STYLE) & WS_VISIBLE);

    root->RemoveItem(control);
    window.manager().PostAsyncNotify();
    window.Pump(50);
    EXPECT_FALSE(IsWindow(host));
}

TEST_F(ActiveXTest, TeardownLetsGoOfEverythingAndTheSiteFailsAfterwards)
{
    CActiveXUI* control = Create();
    IOleClientSite* site = library.Site();
    ASSERT_NE(nullptr, site);
    IOleInPlaceSiteWindowless* inPlace = nullptr;
    ASSERT_EQ(S_OK, site->QueryInterface(IID_IOleInPlaceSiteWindowless, reinterpret_cast<void**>(&inPlace)));
    IOleContainer* container = nullptr;
    ASSERT_EQ(S_OK, site->GetContainer(&container));
    IEnumUnknown* objects = nullptr;
    ASSERT_EQ(S_OK, container->EnumObjects(OLECONTF_EMBEDDINGS, &objects));
    IUnknown* first = nullptr;
    ULONG fetched = 0;
    EXPECT_EQ(S_FALSE, objects->Next(2, &first, &fetched));
    EXPECT_EQ(1u, fetched);
    first->Release();
    objects->Release();
    container->Release();
    HDC dc = nullptr;
    EXPECT_EQ(S_FALSE, inPlace->GetDC(nullptr, 0, &dc));

    library.Configure();
    root->RemoveItem(control);
    window.manager().PostAsyncNotify();
    window.Pump(50);
    EXPECT_TRUE(library.LogHasInOrder({L"SetSite:null", L"Close:1", L"SetClientSite:null"}));
    EXPECT_EQ(1, library.CountInLog(L"LockRunning:0"));
    // The control, its view and in-place interfaces and its running lock are gone.
    EXPECT_EQ(0, library.LiveObjects());

    HWND hwnd = nullptr;
    EXPECT_EQ(E_UNEXPECTED, inPlace->GetWindow(&hwnd));
    EXPECT_EQ(E_UNEXPECTED, site->GetContainer(&container));
    EXPECT_EQ(E_POINTER, inPlace->GetDC(nullptr, 0, nullptr));
    inPlace->Release();
    site->Release();
}

// COM is initialised per thread; the control balances only what it started.
TEST(ActiveXComApartment, UninitialisesOnlyWhatItInitialised)
{
    std::thread([] {
        {
            CActiveXUI* control = new CActiveXUI;
            control->Delete();
        }
        // Nothing left: the thread starts a new apartment of either kind.
        HRESULT fresh = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        EXPECT_EQ(S_OK, fresh);
        // In a multithreaded apartment the control's CoInitialize fails...
        CActiveXUI* control = new CActiveXUI;
        control->Delete();
        // ...and the apartment survives it: one more initialisation is nested.
        EXPECT_EQ(S_FALSE, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        CoUninitialize();
        CoUninitialize();
    }).join();
}

}  // namespace
}  // namespace test
}  // namespace SkinUI
