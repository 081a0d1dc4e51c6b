#include <gtest/gtest.h>

#include "tests/ui/layout/layout_fixture.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/mem_canvas.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/core/scrollbar.h"
#include "ui/core/vertical_layout.h"

using namespace SkinUI;
using SkinUI::test::FixedControl;
using SkinUI::test::HostWindow;
using SkinUI::test::MakeEvent;
using SkinUI::test::MemCanvas;
using SkinUI::test::ProbeControl;
using SkinUI::test::RecordingReceiver;
using SkinUI::test::RgbNear;

namespace {

constexpr DWORD kBlue = 0xFF0000FF;
constexpr DWORD kRed = 0xFFFF0000;
constexpr DWORD kGreen = 0xFF00FF00;
constexpr DWORD kYellow = 0xFFFFFF00;
constexpr DWORD kWhite = 0xFFFFFFFF;

CControlUI* Coloured(DWORD colour, int height)
{
    CControlUI* control = FixedControl(0, height);
    control->SetBackgroundColor(colour);
    return control;
}

// A blue 200 x 100 vertical layout in a window: 20 pixels of top inset, a
// vertical bar with coloured parts and three 60-high rows (red, green, yellow).
class LayoutPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.manager().AttachRoot(layout);
        layout->SetBackgroundColor(kBlue);
        layout->SetAttribute(L"inset", L"0,20,0,0");
        layout->SetAttribute(L"vscrollbarstyle", L"button1color=\"#FFFFFF00\" thumbcolor=\"#FF00FF00\"");
        layout->AddItem(Coloured(kRed, 60));
        layout->AddItem(Coloured(kGreen, 60));
        layout->AddItem(Coloured(kYellow, 60));
        layout->SetPosition(RECT{0, 0, 200, 100});
    }
    bool Paint(CControlUI* stop = nullptr)
    {
        return layout->Paint(canvas.dc(), RECT{0, 0, 200, 100}, stop);
    }
    DWORD At(int x, int y) const { return canvas.Pixel(x, y); }

    HostWindow host;
    MemCanvas canvas{200, 100, kWhite};
    CVerticalLayoutUI* layout = new CVerticalLayoutUI;
};

TEST_F(LayoutPaint, ChildrenAreClippedToTheClientAreaAndFollowTheScrollOffset)
{
    ASSERT_TRUE(Paint());
    EXPECT_TRUE(RgbNear(At(10, 10), kBlue));
    EXPECT_TRUE(RgbNear(At(10, 25), kRed));
    EXPECT_TRUE(RgbNear(At(10, 85), kGreen));
    EXPECT_TRUE(RgbNear(At(190, 25), kYellow));

    layout->SetScrollPosition(SIZE{0, 50});
    canvas.Fill(kWhite);
    ASSERT_TRUE(Paint());
    // The red row now spans -30..30: only its part below the inset shows.
    EXPECT_TRUE(RgbNear(At(10, 10), kBlue));
    EXPECT_TRUE(RgbNear(At(10, 25), kRed));
    EXPECT_TRUE(RgbNear(At(10, 40), kGreen));
    EXPECT_TRUE(RgbNear(At(10, 95), kYellow));
    // Thumb of 21 pixels from 49 for range 100 at position 50.
    EXPECT_TRUE(RgbNear(At(190, 60), kGreen));
    EXPECT_TRUE(RgbNear(At(190, 45), kBlue));
}

TEST_F(LayoutPaint, FloatingChildrenDrawOverTheInset)
{
    CControlUI* badge = Coloured(kWhite, 10);
    badge->SetFloating(true);
    badge->SetFixedWidth(30);
    layout->AddItem(badge);
    layout->SetPosition(RECT{0, 0, 200, 100});
    canvas.Fill(0xFF000000);
    ASSERT_TRUE(Paint());
    EXPECT_TRUE(RgbNear(At(5, 5), kWhite));
    EXPECT_TRUE(RgbNear(At(35, 5), kBlue));
}

TEST_F(LayoutPaint, StopControlEndsPaintingAlsoInsideNestedContainers)
{
    CVerticalLayoutUI* nested = new CVerticalLayoutUI;
    CControlUI* stop = Coloured(kWhite, 10);
    CControlUI* after = Coloured(kWhite, 10);
    nested->AddItem(Coloured(kRed, 10));
    nested->AddItem(stop);
    nested->AddItem(after);
    layout->RemoveAllItems();
    layout->AddItem(nested);
    layout->SetPosition(RECT{0, 0, 200, 100});
    canvas.Fill(0xFF000000);

    EXPECT_FALSE(Paint(stop));
    EXPECT_TRUE(RgbNear(At(10, 25), kRed));
    EXPECT_TRUE(RgbNear(At(10, 35), kBlue));
    EXPECT_TRUE(RgbNear(At(10, 45), kBlue));
    EXPECT_TRUE(Paint());
    EXPECT_TRUE(RgbNear(At(10, 45), kWhite));
}

TEST_F(LayoutPaint, DeferredSeparatorDragShowsADarkTrackingStrip)
{
    layout->SetAttribute(L"sepheight", L"4");
    EventRecordUI press = MakeEvent(EventTypeUI::ButtonDown, POINT{10, 98});
    layout->HandleEvent(press);
    EventRecordUI move = MakeEvent(EventTypeUI::MouseMove, POINT{10, 90});
    layout->HandleEvent(move);
    canvas.Fill(kWhite);
    layout->PostPaint(canvas.dc(), RECT{0, 0, 200, 100});
    EXPECT_TRUE(RgbNear(At(100, 88), 0xFF555555, 3));
    EXPECT_TRUE(RgbNear(At(100, 95), kWhite));
    EXPECT_EQ(100, layout->GetHeight());
}

TEST_F(LayoutPaint, ScrollBarPartsShowTheImageOfTheirState)
{
    CScrollBarUI* bar = layout->GetVerticalScrollBar();
    bar->SetAttribute(L"thumbcolor", L"0");
    bar->SetAttribute(L"thumbnormalimage", L"color='FF0000FF'");
    bar->SetAttribute(L"thumbhotimage", L"color='FFFF0000'");
    const RECT thumb = bar->GetThumbRect();
    const int x = (thumb.left + thumb.right) / 2;
    const int y = (thumb.top + thumb.bottom) / 2;
    ASSERT_TRUE(Paint());
    EXPECT_TRUE(RgbNear(At(x, y), kBlue));

    EventRecordUI hover = MakeEvent(EventTypeUI::MouseMove, POINT{x, y});
    bar->HandleEvent(hover);
    ASSERT_TRUE(Paint());
    EXPECT_TRUE(RgbNear(At(x, y), kRed));

    // No pushed image: a pressed thumb falls back to the normal one.
    EventRecordUI press = MakeEvent(EventTypeUI::ButtonDown, POINT{x, y});
    bar->HandleEvent(press);
    ASSERT_TRUE(Paint());
    EXPECT_TRUE(RgbNear(At(x, y), kBlue));
}

TEST(LayoutWindow, FreeScrollBarQueuesOneScrollNotification)
{
    HostWindow host;
    CScrollBarUI* bar = new CScrollBarUI;
    host.manager().AttachRoot(bar);
    RecordingReceiver receiver;
    host.manager().AddNotifyReceiver(&receiver);

    bar->SetScrollPosition(0);
    bar->SetScrollPosition(10);
    bar->SetScrollPosition(20);
    EXPECT_TRUE(receiver.records.empty());
    host.Pump(50);
    ASSERT_EQ(1, receiver.Count(L"scroll"));
    for (const NotifyRecordUI& record : receiver.records) {
        if (record.type != L"scroll")
            continue;
        EXPECT_EQ(20u, record.wParam);
        EXPECT_EQ(10, record.lParam);
        EXPECT_EQ(bar, record.sender);
    }
}

TEST(LayoutWindow, DelayedDestroyWaitsForTheManager)
{
    HostWindow host;
    CVerticalLayoutUI* layout = new CVerticalLayoutUI;
    host.manager().AttachRoot(layout);
    bool deleted = false;
    ProbeControl* child = new ProbeControl(&deleted);
    layout->AddItem(child);
    host.Pump(20);

    EXPECT_TRUE(layout->RemoveItem(child));
    EXPECT_FALSE(deleted);
    host.Pump(50);
    EXPECT_TRUE(deleted);
}

}  // namespace
