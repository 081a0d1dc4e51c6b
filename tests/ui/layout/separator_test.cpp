#include <gtest/gtest.h>

#include "tests/ui/layout/layout_fixture.h"
#include "ui/core/horizontal_layout.h"
#include "ui/core/vertical_layout.h"

using namespace SkinUI;
using SkinUI::test::MakeEvent;
using SkinUI::test::RectIs;

namespace {

// A 200 x 300 vertical root holding a resizable panel (100 high, 40 to 120)
// above a filler.
class SeparatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager.AttachRoot(root);
        panel->SetFixedHeight(100);
        panel->SetMinHeight(40);
        panel->SetMaxHeight(120);
        root->AddItem(panel);
        root->AddItem(new CControlUI);
    }
    void Layout() { root->SetPosition(RECT{0, 0, 200, 300}); }
    void Send(CControlUI* target, EventTypeUI type, int x, int y)
    {
        EventRecordUI event = MakeEvent(type, POINT{x, y});
        target->HandleEvent(event);
    }
    void Drag(int y) { Send(panel, EventTypeUI::MouseMove, 10, y); }

    CWindowManagerUI manager;
    CVerticalLayoutUI* root = new CVerticalLayoutUI;
    CVerticalLayoutUI* panel = new CVerticalLayoutUI;
};

TEST_F(SeparatorTest, ImmediateDragFollowsThePointerWithinTheLimits)
{
    panel->SetAttribute(L"sepheight", L"4");
    panel->SetAttribute(L"sepimm", L"true");
    Layout();
    EXPECT_EQ(kBehaviorSetCursor, panel->GetBehaviorFlags());

    Send(panel, EventTypeUI::ButtonDown, 10, 50);
    EXPECT_FALSE(panel->IsDraggingSeparator());
    Send(panel, EventTypeUI::ButtonDown, 10, 98);
    ASSERT_TRUE(panel->IsDraggingSeparator());

    Drag(100);
    EXPECT_EQ(102, panel->GetHeight());
    Drag(125);
    EXPECT_EQ(120, panel->GetHeight());
    EXPECT_EQ(120, panel->GetFixedHeight());
    Drag(150);
    EXPECT_EQ(120, panel->GetHeight());
    // Back up, the edge waits until the pointer reaches the strip again.
    Drag(140);
    EXPECT_EQ(120, panel->GetHeight());
    Drag(118);
    EXPECT_EQ(98, panel->GetHeight());
    Drag(10);
    EXPECT_EQ(40, panel->GetHeight());

    Send(panel, EventTypeUI::ButtonUp, 10, 10);
    EXPECT_FALSE(panel->IsDraggingSeparator());
    Layout();
    EXPECT_TRUE(RectIs(panel->GetPosition(), 0, 0, 200, 40));
}

TEST_F(SeparatorTest, DeferredDragAppliesOnRelease)
{
    panel->SetAttribute(L"sepheight", L"4");
    Layout();
    Send(panel, EventTypeUI::ButtonDown, 10, 98);
    Drag(99);
    Drag(108);
    EXPECT_EQ(100, panel->GetHeight());
    EXPECT_TRUE(RectIs(panel->GetSeparatorRect(true), 0, 106, 200, 110));
    EXPECT_TRUE(RectIs(panel->GetSeparatorRect(false), 0, 96, 200, 100));

    Send(panel, EventTypeUI::ButtonUp, 10, 108);
    EXPECT_EQ(110, panel->GetHeight());
    Layout();
    EXPECT_TRUE(RectIs(panel->GetPosition(), 0, 0, 200, 110));
}

TEST_F(SeparatorTest, TopStripMovesTheTopEdge)
{
    panel->SetAttribute(L"sepheight", L"-4");
    panel->SetAttribute(L"sepimm", L"true");
    root->SetItemIndex(panel, 1);
    root->GetItemAt(0)->SetFixedHeight(150);
    Layout();
    ASSERT_TRUE(RectIs(panel->GetPosition(), 0, 150, 200, 250));
    Send(panel, EventTypeUI::ButtonDown, 10, 152);
    Drag(150);
    EXPECT_TRUE(RectIs(panel->GetPosition(), 0, 148, 200, 250));
    Drag(100);
    EXPECT_TRUE(RectIs(panel->GetPosition(), 0, 130, 200, 250));
}

TEST_F(SeparatorTest, WithoutSeparatorEventsGoToTheContainer)
{
    Layout();
    EXPECT_EQ(0u, panel->GetBehaviorFlags());
    Send(panel, EventTypeUI::ButtonDown, 10, 99);
    EXPECT_FALSE(panel->IsDraggingSeparator());
    panel->SetAttribute(L"sepheight", L"4");
    panel->SetEnabled(false);
    EXPECT_EQ(0u, panel->GetBehaviorFlags());
    Send(panel, EventTypeUI::ButtonDown, 10, 99);
    EXPECT_FALSE(panel->IsDraggingSeparator());
}

TEST(HorizontalSeparator, RightStripResizesTheWidth)
{
    CWindowManagerUI manager;
    CHorizontalLayoutUI* root = new CHorizontalLayoutUI;
    CHorizontalLayoutUI* panel = new CHorizontalLayoutUI;
    manager.AttachRoot(root);
    panel->SetFixedWidth(100);
    panel->SetMaxWidth(110);
    panel->SetAttribute(L"sepwidth", L"4");
    panel->SetAttribute(L"sepimm", L"true");
    root->AddItem(panel);
    root->SetPosition(RECT{0, 0, 300, 100});

    EventRecordUI press = MakeEvent(EventTypeUI::ButtonDown, POINT{98, 10});
    panel->HandleEvent(press);
    EventRecordUI move = MakeEvent(EventTypeUI::MouseMove, POINT{101, 10});
    panel->HandleEvent(move);
    EXPECT_EQ(103, panel->GetWidth());
    move.mousePoint.x = 140;
    panel->HandleEvent(move);
    EXPECT_EQ(110, panel->GetFixedWidth());
    EXPECT_TRUE(RectIs(panel->GetSeparatorRect(), 106, 0, 110, 100));
}

}  // namespace
