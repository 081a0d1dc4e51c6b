#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "tests/ui/com/fake_text_services.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/mem_canvas.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/richedit.h"
#include "ui/core/scrollbar.h"
#include "ui/controls/txt_host.h"
#include "ui/core/container.h"
#include "ui/core/window_manager.h"

namespace SkinUI {
namespace test {
namespace {

typedef std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> Attributes;

void SetCtrlDown(bool down)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

bool Contains(const std::vector<std::wstring>& calls, const std::wstring& call)
{
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

// Codes of the WM_NOTIFY messages the thread's windows were sent.
std::vector<UINT> g_notifyCodes;

LRESULT CALLBACK RecordNotify(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_NOTIFY)
        g_notifyCodes.push_back(reinterpret_cast<const NMHDR*>(call->lParam)->code);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A rich edit over recording text services, filling a hidden window.
class RichEditHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CTxtWinHost::SetTextServicesFactory(&FakeTextServices::Create);
        FakeTextServices::Lifecycle().clear();
        FakeTextServices::CreateResult() = S_OK;
        root = new CContainerUI;
        window.manager().AttachRoot(root);
        window.manager().AddNotifyReceiver(&receiver);
    }

    void TearDown() override
    {
        SetCtrlDown(false);
        window.manager().RemoveNotifyReceiver(&receiver);
        CTxtWinHost::SetTextServicesFactory(nullptr);
    }

    CRichEditUI* Create(Attributes attributes = {}, const wchar_t* text = nullptr)
    {
        edit = new CRichEditUI;
        for (const auto& attribute : attributes)
            edit->SetAttribute(attribute.first, attribute.second);
        if (text != nullptr)
            edit->SetText(text);
        root->AddItem(edit);
        root->SetPosition(RECT{0, 0, 300, 200});
        return edit;
    }

    FakeTextServices& Services() { return *FakeTextServices::Last(); }
    ITextHost& Host() { return *edit->GetTextHost(); }

    LRESULT Filter(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
    {
        handled = false;
        return edit->MessageHandler(message, wParam, lParam, handled);
    }

    HostWindow window{300, 200};
    CContainerUI* root = nullptr;
    CRichEditUI* edit = nullptr;
    RecordingReceiver receiver;
};

TEST_F(RichEditHostTest, InitialisationHandsTheStyleTextAndFormatsToTheServices)
{
    Create({{L"password", L"true"},
            {L"readonly", L"true"},
            {L"vscrollbar", L"true"},
            {L"autovscroll", L"true"},
            {L"align", L"center"},
            {L"textcolor", L"  #FF102030"}},
           L"before");
    ASSERT_NE(nullptr, FakeTextServices::Last());
    const auto& calls = FakeTextServices::Lifecycle();
    EXPECT_TRUE(Contains(calls, L"TxSetText:before"));
    EXPECT_TRUE(Contains(calls, L"OnTxInPlaceActivate"));
    EXPECT_EQ(1, Services().Count(EM_SETLANGOPTIONS));
    ASSERT_NE(nullptr, Services().Find(EM_SETEVENTMASK));
    EXPECT_NE(0, Services().Find(EM_SETEVENTMASK)->lParam & ENM_CHANGE);
    EXPECT_EQ(static_cast<IRichEditKeysUI*>(edit), edit->GetInterfaceByName(kRichEditKeysInterface));

    DWORD bits = 0;
    Host().TxGetPropertyBits(0xFFFFFFFF, &bits);
    EXPECT_EQ(static_cast<DWORD>(TXTBIT_RICHTEXT | TXTBIT_MULTILINE | TXTBIT_READONLY | TXTBIT_USEPASSWORD |
                                 TXTBIT_HIDESELECTION | TXTBIT_AUTOWORDSEL | TXTBIT_WORDWRAP),
              bits);
    Host().TxGetPropertyBits(TXTBIT_READONLY, &bits);
    EXPECT_EQ(static_cast<DWORD>(TXTBIT_READONLY), bits);
    DWORD scrollBars = 0;
    Host().TxGetScrollBars(&scrollBars);
    EXPECT_EQ(static_cast<DWORD>(WS_VSCROLL | ES_DISABLENOSCROLL | ES_AUTOVSCROLL), scrollBars);
    // Password text is masked.
    wchar_t passwordChar = 0;
    Host().TxGetPasswordChar(&passwordChar);
    EXPECT_EQ(L'*', passwordChar);

    const CHARFORMATW* charFormat = nullptr;
    Host().TxGetCharFormat(&charFormat);
    EXPECT_EQ(0xF8000007u, charFormat->dwMask);
    EXPECT_EQ(RGB(0x10, 0x20, 0x30), charFormat->crTextColor);
    const PARAFORMAT* paraFormat = nullptr;
    Host().TxGetParaFormat(&paraFormat);
    EXPECT_EQ(0x8001003Fu, paraFormat->dwMask);
    EXPECT_EQ(PFA_CENTER, paraFormat->wAlignment);
    EXPECT_EQ(720, paraFormat->rgxTabs[0]);
    DWORD maxLength = 0;
    Host().TxGetMaxLength(&maxLength);
    EXPECT_EQ(0x7FFFu, maxLength);
}

TEST_F(RichEditHostTest, PlainSingleLineStyle)
{
    Create({{L"multiline", L"false"}, {L"hscrollbar", L"true"}, {L"rich", L"false"}, {L"transparent", L"false"}});
    DWORD bits = 0;
    Host().TxGetPropertyBits(0xFFFFFFFF, &bits);
    EXPECT_EQ(0u, bits & (TXTBIT_RICHTEXT | TXTBIT_MULTILINE | TXTBIT_WORDWRAP | TXTBIT_USEPASSWORD));
    wchar_t passwordChar = L'?';
    Host().TxGetPasswordChar(&passwordChar);
    EXPECT_EQ(L'\0', passwordChar);
    TXTBACKSTYLE style = TXTBACK_TRANSPARENT;
    Host().TxGetBackStyle(&style);
    EXPECT_EQ(TXTBACK_OPAQUE, style);
    EXPECT_NE(nullptr, edit->GetHorizontalScrollBar());
}

TEST_F(RichEditHostTest, ReturnGoesToTheTextOnlyWhenWanted)
{
    Create();
    edit->SetFocus();
    window.Send(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(1, Services().Count(WM_KEYDOWN));
    EXPECT_EQ(0, receiver.Count(L"return"));

    SetCtrlDown(true);
    edit->SetWantCtrlReturn(false);
    window.Send(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(1, Services().Count(WM_KEYDOWN));
    EXPECT_EQ(1, receiver.Count(L"return"));

    SetCtrlDown(false);
    edit->SetWantReturn(false);
    window.Send(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(1, Services().Count(WM_KEYDOWN));
    EXPECT_EQ(2, receiver.Count(L"return"));
    // Nor does the character of the blocked key reach the text.
    window.Send(WM_CHAR, L'\r', 0);
    EXPECT_EQ(0, Services().Count(WM_CHAR));
    window.Send(WM_CHAR, L'\r', 0);
    EXPECT_EQ(1, Services().Count(WM_CHAR));
}

TEST_F(RichEditHostTest, TabStaysInTheEditOnlyWhenWanted)
{
    Create();
    edit->SetFocus();
    MSG tab = {window.hwnd(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_FALSE(CWindowManagerUI::PreTranslateMessage(&tab));
    edit->SetWantTab(false);
    EXPECT_TRUE(CWindowManagerUI::PreTranslateMessage(&tab));
}

TEST_F(RichEditHostTest, KeysAndMouseReachTheServicesByTheFilterRules)
{
    Create({{L"textpadding", L"10,10,10,10"}});
    bool handled = false;
    Filter(WM_CHAR, 'a', 0, handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(0, Services().Count(WM_CHAR));

    // A press inside the text area focuses the edit and goes to the services.
    Filter(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50), handled);
    EXPECT_TRUE(edit->IsFocused());
    EXPECT_EQ(1, Services().Count(WM_LBUTTONDOWN));
    EXPECT_FALSE(handled);  // the services did not process it
    // Keys count as handled while focused, whatever the services answer.
    Filter(WM_CHAR, 'a', 0, handled);
    EXPECT_TRUE(handled);
    // Outside the text area (in the padding) nothing goes.
    Filter(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5), handled);
    EXPECT_EQ(1, Services().Count(WM_LBUTTONDOWN));
    // While the services hold the capture every mouse message goes and is handled.
    Host().TxSetCapture(TRUE);
    Filter(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), handled);
    EXPECT_TRUE(handled);
    Host().TxSetCapture(FALSE);
    EXPECT_FALSE(window.manager().IsMouseCaptured());

    // A press over a control inside the edit is that control's.
    CControlUI* child = new CControlUI;
    child->SetFloating(true);
    child->SetFixedXY(SIZE{100, 100});
    child->SetFixedWidth(50);
    child->SetFixedHeight(50);
    edit->AddItem(child);
    root->SetPosition(RECT{0, 0, 300, 200});
    Filter(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 120), handled);
    EXPECT_EQ(1, Services().Count(WM_LBUTTONDOWN));

    // Help is passed on but never taken; disabled edits see nothing.
    Filter(WM_HELP, 0, 0, handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(1, Services().Count(WM_HELP));
    edit->SetEnabled(false);
    Filter(WM_CHAR, 'b', 0, handled);
    EXPECT_EQ(1, Services().Count(WM_CHAR));
}

TEST_F(RichEditHostTest, WheelScrollsTheFrameworkBarsUnlessCtrlIsHeld)
{
    Create({{L"vscrollbar", L"true"}});
    ASSERT_TRUE(Host().TxSetScrollRange(SB_VERT, 0, 1000, TRUE));
    root->SetPosition(RECT{0, 0, 300, 200});
    POINT screen = {50, 50};
    ClientToScreen(window.hwnd(), &screen);
    bool handled = false;
    Filter(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y), handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(0, Services().Count(WM_MOUSEWHEEL));
    Filter(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y), handled);
    EXPECT_EQ(1, Services().Count(WM_MOUSEWHEEL));

    // The framework's wheel event scrolls through the services' scroll messages.
    EventRecordUI wheel;
    wheel.type = EventTypeUI::ScrollWheel;
    wheel.wParam = 1;
    wheel.mousePoint = {50, 50};
    edit->DispatchEvent(wheel);
    ASSERT_NE(nullptr, Services().Find(WM_VSCROLL));
    EXPECT_EQ(static_cast<WPARAM>(SB_LINEDOWN), Services().Find(WM_VSCROLL)->wParam);
    wheel.keyState = kModifierControl;
    edit->DispatchEvent(wheel);
    EXPECT_EQ(1, Services().Count(WM_VSCROLL));
}

TEST_F(RichEditHostTest, FocusEventsActivateAndReachTheServices)
{
    Create();
    FakeTextServices::Lifecycle().clear();
    edit->SetFocus();
    EXPECT_TRUE(edit->IsFocused());
    EXPECT_TRUE(Contains(FakeTextServices::Lifecycle(), L"OnTxInPlaceActivate"));
    EXPECT_EQ(1, Services().Count(WM_SETFOCUS));
    window.manager().SetFocusControl(nullptr, false);
    EXPECT_FALSE(edit->IsFocused());
    EXPECT_EQ(1, Services().Count(WM_KILLFOCUS));
}

TEST_F(RichEditHostTest, ScrollBarCallbacksDriveTheFrameworkBars)
{
    Create();
    EXPECT_EQ(nullptr, edit->GetVerticalScrollBar());
    Host().TxEnableScrollBar(SB_VERT, ESB_ENABLE_BOTH);
    CScrollBarUI* bar = edit->GetVerticalScrollBar();
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(nullptr, edit->GetHorizontalScrollBar());
    Host().TxEnableScrollBar(SB_HORZ, ESB_DISABLE_BOTH);
    EXPECT_EQ(bar, edit->GetVerticalScrollBar());
    ASSERT_NE(nullptr, edit->GetHorizontalScrollBar());
    EXPECT_FALSE(edit->GetHorizontalScrollBar()->IsVisible());

    RECT client;
    Host().TxGetClientRect(&client);
    const int height = client.bottom - client.top;
    Host().TxSetScrollRange(SB_VERT, 0, height + 300, TRUE);
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_EQ(300, bar->GetScrollRange());
    Host().TxSetScrollPos(SB_VERT, 120, TRUE);
    EXPECT_EQ(120, bar->GetScrollPosition());

    // A layout places the bar along the right edge and narrows the text area.
    root->SetPosition(RECT{0, 0, 300, 200});
    Host().TxGetClientRect(&client);
    EXPECT_EQ(300 - bar->GetFixedWidth(), client.right);
    EXPECT_EQ(300, bar->GetPosition().right);

    // Moving the framework bar scrolls the services to the new position.
    edit->SetScrollPosition(SIZE{0, 30});
    ASSERT_NE(nullptr, Services().Find(WM_VSCROLL));
    EXPECT_EQ(MAKEWPARAM(SB_THUMBPOSITION, 30), Services().Find(WM_VSCROLL)->wParam);
    edit->PageUp();
    EXPECT_EQ(static_cast<WPARAM>(SB_PAGEUP), Services().Find(WM_VSCROLL)->wParam);
    edit->ScrollToRight();
    EXPECT_EQ(static_cast<WPARAM>(SB_BOTTOM), Services().Find(WM_HSCROLL)->wParam);

    Host().TxShowScrollBar(SB_BOTH, FALSE);
    EXPECT_FALSE(bar->IsVisible());
    Host().TxSetScrollRange(SB_VERT, 0, height, TRUE);
    EXPECT_FALSE(bar->IsVisible());
}

TEST_F(RichEditHostTest, PlainTextScrollingNeverMovesTheBarBack)
{
    Create({{L"rich", L"false"}, {L"vscrollbar", L"true"}});
    Host().TxSetScrollRange(SB_VERT, 0, 2000, TRUE);
    CScrollBarUI* bar = edit->GetVerticalScrollBar();
    Host().TxSetScrollPos(SB_VERT, 100, TRUE);
    Services().onMessage = [this](const FakeTextServices::Message& message) {
        if (message.message == WM_VSCROLL)
            Host().TxSetScrollPos(SB_VERT, 50, TRUE);
    };
    edit->LineDown();
    EXPECT_EQ(bar->GetScrollRange(), bar->GetScrollPosition());
    Host().TxSetScrollPos(SB_VERT, 100, TRUE);
    edit->PageDown();
    EXPECT_EQ(100, bar->GetScrollPosition());
    edit->LineUp();
    EXPECT_EQ(50, bar->GetScrollPosition());
}

TEST_F(RichEditHostTest, TimersRunAsControlTimersWithTheirOwnIds)
{
    Create();
    EXPECT_TRUE(Host().TxSetTimer(5, 10));
    // Setting a running timer again restarts it.
    EXPECT_TRUE(Host().TxSetTimer(5, 10));
    window.Pump(100);
    ASSERT_NE(nullptr, Services().Find(WM_TIMER));
    EXPECT_EQ(5u, Services().Find(WM_TIMER)->wParam);
    Host().TxKillTimer(5);
    const int ticks = Services().Count(WM_TIMER);
    window.Pump(60);
    EXPECT_EQ(ticks, Services().Count(WM_TIMER));
}

// Notifications of the services: text changes, resize requests, window notifications.
TEST_F(RichEditHostTest, NotificationsOfTheServices)
{
    g_notifyCodes.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordNotify, nullptr, GetCurrentThreadId());
    Create();
    Host().TxNotify(EN_CHANGE, nullptr);
    EXPECT_EQ(1, receiver.Count(L"textchanged"));
    SELCHANGE selection = {};
    Host().TxNotify(EN_SELCHANGE, &selection);
    EXPECT_EQ(window.hwnd(), selection.nmhdr.hwndFrom);
    NMHDR dropped = {};
    Host().TxNotify(EN_CORRECTTEXT, &dropped);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(std::vector<UINT>{EN_SELCHANGE}, g_notifyCodes);

    REQRESIZE request = {};
    request.rc = RECT{0, 0, 120, 40};
    RECT before;
    Host().TxGetClientRect(&before);
    Host().TxNotify(EN_REQUESTRESIZE, &request);
    RECT after;
    Host().TxGetClientRect(&after);
    EXPECT_EQ(before.left + 120, after.right);
    EXPECT_EQ(before.top + 40, after.bottom);
    SIZEL extent;
    Host().TxGetExtent(&extent);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(MulDiv(120, 2540, GetDeviceCaps(screen, LOGPIXELSX)), extent.cx);
    ReleaseDC(nullptr, screen);
}

TEST_F(RichEditHostTest, TextGoesThroughTheServicesOnceTheyExist)
{
    Create();
    CHARRANGE selected = {};
    DWORD bufferBytes = 0;
    Services().onMessage = [&](const FakeTextServices::Message& message) {
        if (message.message == EM_EXSETSEL)
            selected = *reinterpret_cast<const CHARRANGE*>(message.lParam);
        if (message.message == EM_GETTEXTEX)
            bufferBytes = reinterpret_cast<const GETTEXTEX*>(message.wParam)->cb;
    };
    edit->SetText(L"typed text");
    EXPECT_EQ(0, selected.cpMin);
    EXPECT_EQ(-1, selected.cpMax);
    EXPECT_EQ(L"typed text", Services().text);
    Services().text = L"from services";
    EXPECT_STREQ(L"from services", edit->GetText());
    EXPECT_EQ((13u + 1) * sizeof(wchar_t), bufferBytes);
}

TEST_F(RichEditHostTest, WithoutServicesTheEditIsInert)
{
    FakeTextServices::CreateResult() = E_FAIL;
    Create({}, L"kept");
    EXPECT_EQ(nullptr, edit->GetTextHost());
    EXPECT_STREQ(L"kept", edit->GetText());
    edit->SetText(L"still kept");
    EXPECT_STREQ(L"still kept", edit->GetText());
    bool handled = false;
    Filter(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50), handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(S_FALSE, edit->TxSendMessage(WM_CHAR, 'a', 0, nullptr));
    MemCanvas canvas(300, 200);
    EXPECT_TRUE(edit->Paint(canvas.dc(), RECT{0, 0, 300, 200}, nullptr));
}

TEST_F(RichEditHostTest, CompositionWindowFollowsTheCaret)
{
    Create();
    edit->SetFocus();
    Host().TxCreateCaret(nullptr, 2, 14);
    Host().TxSetCaretPos(40, 30);
    bool handled = true;
    Filter(WM_IME_STARTCOMPOSITION, 0, 0, handled);
    EXPECT_FALSE(handled);
    HIMC context = ImmGetContext(window.hwnd());
    if (context == nullptr)
        GTEST_SKIP() << "no input context for the window";
    COMPOSITIONFORM form = {};
    ImmGetCompositionWindow(context, &form);
    ImmReleaseContext(window.hwnd(), context);
    EXPECT_EQ(static_cast<DWORD>(CFS_FORCE_POSITION), form.dwStyle);
    EXPECT_EQ(42, form.ptCurrentPos.x);
    EXPECT_EQ(30, form.ptCurrentPos.y);
}

TEST_F(RichEditHostTest, LayeredWindowsDrawTheCaretAndBlinkIt)
{
    window.manager().SetLayered(true);
    Create({{L"textcolor", L"#FFFF0000"}});
    edit->SetFocus();
    SetFocus(window.hwnd());
    Host().TxCreateCaret(nullptr, 2, 14);
    Host().TxShowCaret(TRUE);
    Host().TxSetCaretPos(40, 30);
    MemCanvas canvas(300, 200);
    edit->Paint(canvas.dc(), RECT{0, 0, 300, 200}, nullptr);
    EXPECT_TRUE(RgbNear(canvas.Pixel(41, 35), 0xFF0000));
    EXPECT_TRUE(RgbNear(canvas.Pixel(45, 35), 0x008000));

    if (GetFocus() != window.hwnd())
        GTEST_SKIP() << "the window did not get the keyboard focus";
    EventRecordUI tick;
    tick.type = EventTypeUI::Timer;
    tick.wParam = CRichEditUI::kCaretTimerId;
    edit->DispatchEvent(tick);
    edit->Paint(canvas.dc(), RECT{0, 0, 300, 200}, nullptr);
    EXPECT_TRUE(RgbNear(canvas.Pixel(41, 35), 0x008000));
}

TEST_F(RichEditHostTest, PaintsTheServicesAndTearsThemDown)
{
    Create({{L"inset", L"4,4,4,4"}});
    MemCanvas canvas(300, 200, 0xFFFFFFFF);
    edit->Paint(canvas.dc(), RECT{0, 0, 300, 200}, nullptr);
    EXPECT_TRUE(RgbNear(canvas.Pixel(100, 100), 0x008000));
    EXPECT_TRUE(RgbNear(canvas.Pixel(2, 2), 0xFFFFFF));

    FakeTextServices::Lifecycle().clear();
    root->RemoveItem(edit);
    window.manager().PostAsyncNotify();
    window.Pump(50);
    EXPECT_EQ((std::vector<std::wstring>{L"OnTxInPlaceDeactivate", L"destroyed"}), FakeTextServices::Lifecycle());
    // The window's messages no longer reach the deleted edit.
    window.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    window.Send(WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
}

}  // namespace
}  // namespace test
}  // namespace SkinUI
