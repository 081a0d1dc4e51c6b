#include <memory>

#include "tests/ui/controls_b/list_fixture.h"
#include "tests/ui/support/host_window.h"
#include "ui/controls/combo.h"
#include "ui/controls/combo_body.h"
#include "ui/controls/combo_wnd.h"
#include "ui/core/scrollbar.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

typedef std::vector<std::pair<int, int>> Pairs;

// A combo 24 high across the top of a shown host window that the tests share.
class ComboPopup : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
        host = new HostWindow(300, 200);
    }
    static void TearDownTestSuite()
    {
        delete host;
        host = nullptr;
    }
    void SetUp() override
    {
        root = new CVerticalLayoutUI;
        combo = new CComboUI;
        combo->SetFixedHeight(24);
        combo->SetAttribute(L"itemheight", L"20");
        root->AddItem(combo);
        host->manager().AttachRoot(root);
        // The window shown by an earlier test lays the new root out when it paints again.
        InvalidateRect(host->hwnd(), nullptr, FALSE);
        host->manager().AddNotifyReceiver(&receiver);
    }
    void TearDown() override { host->manager().RemoveNotifyReceiver(&receiver); }

    void AddItems(int count) { AddItemsTo(combo, count); }
    static void AddItemsTo(CComboUI* target, int count)
    {
        for (int i = 0; i < count; ++i) {
            CListLabelElementUI* item = new CListLabelElementUI;
            item->SetText(std::to_wstring(i).c_str());
            item->SetName((L"item" + std::to_wstring(i)).c_str());
            target->AddItem(item);
        }
    }
    // A combo of three items 20 high atop a window of its own, open.
    static CComboUI* OpenIn(HostWindow& window)
    {
        CVerticalLayoutUI* layout = new CVerticalLayoutUI;
        CComboUI* own = new CComboUI;
        own->SetFixedHeight(24);
        own->SetAttribute(L"itemheight", L"20");
        layout->AddItem(own);
        window.manager().AttachRoot(layout);
        AddItemsTo(own, 3);
        window.ShowAndPaint();
        EXPECT_TRUE(own->Activate());
        window.Pump(30);
        return own;
    }
    CComboWnd* Open()
    {
        host->ShowAndPaint();
        EXPECT_TRUE(combo->Activate());
        CComboWnd* popup = combo->GetDropWindow();
        host->Pump(30);
        return popup;
    }
    bool WaitClosed()
    {
        for (int i = 0; i < 400 && combo->GetDropWindow() != nullptr; ++i)
            host->Pump(10);
        return combo->GetDropWindow() == nullptr;
    }
    static void Click(HWND window, POINT point)
    {
        const LPARAM at = MAKELPARAM(point.x, point.y);
        SendMessageW(window, WM_MOUSEMOVE, 0, at);
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(window, WM_LBUTTONUP, 0, at);
    }
    static void Key(CComboWnd* popup, WPARAM key)
    {
        SendMessageW(popup->GetWindowHandle(), WM_KEYDOWN, key, 0);
    }
    Pairs Selections() const { return test::Selections(receiver); }

    static HostWindow* host;
    RecordingReceiver receiver;
    CVerticalLayoutUI* root = nullptr;
    CComboUI* combo = nullptr;
};

HostWindow* ComboPopup::host = nullptr;

TEST_F(ComboPopup, OpensBelowWithTheItemsAndAClickSelectsAndCloses)
{
    AddItems(3);
    CComboWnd* popup = Open();
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(1, receiver.Count(L"dropdown"));
    HWND window = popup->GetWindowHandle();
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    EXPECT_STREQ(L"ComboWnd", className);
    EXPECT_NE(0, GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    RECT placed;
    GetWindowRect(window, &placed);
    EXPECT_EQ(64, placed.bottom - placed.top);
    EXPECT_EQ(300, placed.right - placed.left);
    EXPECT_EQ(24, placed.top);

    // While open the items live in the pop-up.
    CControlUI* third = combo->GetItemAt(2);
    EXPECT_EQ(&popup->GetManager(), third->GetManager());
    EXPECT_EQ(popup->GetBody(), third->GetParent());
    EXPECT_TRUE(combo->Activate());
    EXPECT_EQ(popup, combo->GetDropWindow());

    Click(window, CenterOf(third));
    ASSERT_TRUE(WaitClosed());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(2, combo->GetCurSel());
    EXPECT_EQ((Pairs{{2, -1}}), Selections());
    EXPECT_EQ(&host->manager(), third->GetManager());
    EXPECT_EQ(combo, third->GetParent());
    EXPECT_EQ(0u, combo->GetButtonState() & kStatePushed);
    EXPECT_EQ(L"2", combo->GetText());

    // Removed while open, the combo takes its pop-up with it.
    popup = Open();
    ASSERT_NE(nullptr, popup);
    window = popup->GetWindowHandle();
    root->SetDelayedDestroy(false);
    ASSERT_TRUE(root->RemoveItem(combo));
    combo = nullptr;
    EXPECT_FALSE(IsWindow(window));
    host->Pump(20);
}

TEST_F(ComboPopup, StaysOpenForKeysWheelAndScrollBarAndEscapeRestores)
{
    AddItems(10);
    combo->SelectItem(0);
    CComboWnd* popup = Open();
    ASSERT_NE(nullptr, popup);
    HWND window = popup->GetWindowHandle();
    RECT placed;
    GetWindowRect(window, &placed);
    EXPECT_EQ(150, placed.bottom - placed.top);

    Key(popup, VK_DOWN);
    Key(popup, VK_DOWN);
    EXPECT_EQ(2, combo->GetCurSel());
    SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(1, combo->GetCurSel());
    Key(popup, VK_END);
    host->Pump(30);
    EXPECT_EQ(9, combo->GetCurSel());
    EXPECT_EQ(popup, combo->GetDropWindow());
    // The last item was scrolled into the body.
    EXPECT_LE(combo->GetItemAt(9)->GetPosition().bottom, popup->GetBody()->GetPosition().bottom);

    CScrollBarUI* bar = popup->GetBody()->GetVerticalScrollBar();
    ASSERT_NE(nullptr, bar);
    ASSERT_TRUE(bar->IsVisible());
    Click(window, CenterOf(bar));
    host->Pump(30);
    EXPECT_EQ(popup, combo->GetDropWindow());

    // An item removed while open leaves the pop-up's body too.
    combo->RemoveItemAt(5);
    EXPECT_EQ(9, popup->GetBody()->GetCount());
    EXPECT_EQ(8, combo->GetCurSel());

    Key(popup, VK_ESCAPE);
    ASSERT_TRUE(WaitClosed());
    EXPECT_EQ(0, combo->GetCurSel());
    EXPECT_EQ((Pairs{{0, -1}, {1, 0}, {2, 1}, {1, 2}, {9, 1}, {0, 8}}), Selections());
    EXPECT_EQ(9, combo->GetCount());
}

TEST_F(ComboPopup, ClosedItsItemsAreTheWindowsAgainUnhoveredAndAClickOnTheBoxOpensIt)
{
    AddItems(3);
    CComboWnd* popup = Open();
    ASSERT_NE(nullptr, popup);
    Click(popup->GetWindowHandle(), CenterOf(combo->GetItemAt(2)));
    ASSERT_TRUE(WaitClosed());
    host->Pump(30);
    EXPECT_EQ(combo->GetItemAt(1), host->manager().FindControlByName(L"item1"));

    // The rows the list showed lay under the box: none of them takes the click.
    Click(host->hwnd(), CenterOf(combo));
    EXPECT_NE(nullptr, combo->GetDropWindow());
    EXPECT_EQ(2, combo->GetCurSel());
    EXPECT_EQ((Pairs{{2, -1}}), Selections());

    // Open again, only the row under the pointer is hot, not the one chosen before.
    host->Pump(30);
    const POINT first = CenterOf(combo->GetItemAt(0));
    const HWND list = combo->GetDropWindow()->GetWindowHandle();
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(first.x, first.y));
    for (int i = 0; i < combo->GetCount(); ++i)
        EXPECT_EQ(i == 0, static_cast<CListLabelElementUI*>(combo->GetItemAt(i))->IsHot()) << i;
    Key(combo->GetDropWindow(), VK_ESCAPE);
    ASSERT_TRUE(WaitClosed());
}

TEST_F(ComboPopup, ListDrawsInTheFontsOfTheCombosWindow)
{
    HostWindow window(300, 200);
    window.manager().SetDefaultFont(L"Tahoma", 15, false, false, false);
    window.manager().AddFont(3, L"Tahoma", 19, true, false, false);
    CComboUI* own = OpenIn(window);
    ASSERT_NE(nullptr, own->GetDropWindow());
    CWindowManagerUI& list = own->GetDropWindow()->GetManager();
    EXPECT_EQ(window.manager().GetDefaultFontRecord()->handle, list.GetDefaultFontRecord()->handle);
    EXPECT_EQ(window.manager().GetFontHandle(3), list.GetFontHandle(3));
}

TEST_F(ComboPopup, OwnerWindowDestroyedWhileOpenGetsItsItemsBack)
{
    HostWindow window(300, 200);
    CComboUI* own = OpenIn(window);
    ASSERT_NE(nullptr, own->GetDropWindow());
    const HWND list = own->GetDropWindow()->GetWindowHandle();
    DestroyWindow(window.hwnd());
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(nullptr, own->GetDropWindow());
    for (int i = 0; i < own->GetCount(); ++i) {
        CControlUI* item = own->GetItemAt(i);
        EXPECT_EQ(&window.manager(), item->GetManager());
        EXPECT_EQ(own, item->GetParent());
        EXPECT_TRUE(IsRectEmpty(&item->GetPosition()));
    }
}

}  // namespace
