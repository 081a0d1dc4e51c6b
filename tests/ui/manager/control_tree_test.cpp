#include <gtest/gtest.h>

#include "tests/ui/support/recording_control.h"
#include "ui/core/control_registry.h"
#include "ui/core/window_manager.h"

using SkinUI::CControlUI;
using SkinUI::CWindowManagerUI;
using SkinUI::test::RecordingControl;
using SkinUI::test::TestPanel;

namespace {

// A manager without a window holding a panel of 200 x 100 at the origin.
class ControlTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = new TestPanel(L"root");
        manager.AttachRoot(root);
    }
    RecordingControl* Add(const wchar_t* name, RECT offset)
    {
        RecordingControl* child = new RecordingControl(name);
        root->AddChild(child, offset);
        return child;
    }
    void Layout() { root->SetPosition(RECT{0, 0, 200, 100}); }

    CWindowManagerUI manager;
    TestPanel* root = nullptr;
};

TEST_F(ControlTree, HitTestFindsTheTopmostVisibleMouseEnabledControl)
{
    RecordingControl* below = Add(L"below", RECT{0, 0, 100, 100});
    RecordingControl* above = Add(L"above", RECT{50, 0, 150, 100});
    Layout();
    EXPECT_EQ(below, manager.FindControlAt(POINT{10, 10}));
    EXPECT_EQ(above, manager.FindControlAt(POINT{60, 10}));
    EXPECT_EQ(root, manager.FindControlAt(POINT{180, 10}));
    EXPECT_EQ(nullptr, manager.FindControlAt(POINT{250, 10}));

    above->SetInternalVisible(false);
    EXPECT_FALSE(above->IsVisible());
    EXPECT_EQ(below, manager.FindControlAt(POINT{60, 10}));
    above->SetInternalVisible(true);

    // A control that ignores the mouse is skipped, its cover is not.
    above->SetMouseEnabled(false);
    EXPECT_EQ(below, manager.FindControlAt(POINT{60, 10}));
    RecordingControl* cover = new RecordingControl(L"cover");
    above->SetCover(cover);
    Layout();
    EXPECT_EQ(cover, manager.FindControlAt(POINT{60, 10}));
}

TEST_F(ControlTree, FindControlFlagsFilterAndOrder)
{
    RecordingControl* a = Add(L"a", RECT{0, 0, 10, 10});
    RecordingControl* b = Add(L"b", RECT{10, 0, 20, 10});
    b->SetEnabled(false);
    std::vector<CControlUI*> seen;
    auto collect = [](CControlUI* c, void* data) -> CControlUI* {
        static_cast<std::vector<CControlUI*>*>(data)->push_back(c);
        return nullptr;
    };
    root->FindControl(collect, &seen, SkinUI::kFindMeFirst);
    EXPECT_EQ((std::vector<CControlUI*>{root, a, b}), seen);
    seen.clear();
    root->FindControl(collect, &seen, 0);
    EXPECT_EQ((std::vector<CControlUI*>{a, b, root}), seen);
    seen.clear();
    root->FindControl(collect, &seen, SkinUI::kFindEnabled | SkinUI::kFindTopFirst);
    EXPECT_EQ((std::vector<CControlUI*>{a, root}), seen);
}

TEST_F(ControlTree, FirstControlOfANameWinsAndDeletionForgetsIt)
{
    RecordingControl* first = new RecordingControl(L"dup");
    RecordingControl* second = new RecordingControl(L"dup");
    root->SetCover(first);
    root->AddChild(second, RECT{0, 0, 10, 10});
    EXPECT_EQ(first, manager.FindControlByName(L"dup"));
    EXPECT_EQ(first, root->GetCover());

    root->SetCover(nullptr);
    EXPECT_EQ(nullptr, root->GetCover());
    EXPECT_EQ(nullptr, manager.FindControlByName(L"dup"));
    EXPECT_EQ(root, manager.FindControlByName(L"root"));
}

TEST_F(ControlTree, RenamingRekeysOnlyWhatTheControlOwns)
{
    RecordingControl* a = Add(L"a", RECT{0, 0, 10, 10});
    RecordingControl* b = Add(L"b", RECT{10, 0, 20, 10});

    a->SetName(L"alpha");
    EXPECT_STREQ(L"alpha", a->GetName());
    EXPECT_EQ(a, manager.FindControlByName(L"alpha"));
    EXPECT_EQ(nullptr, manager.FindControlByName(L"a"));

    EXPECT_FALSE(manager.RenameControl(b, L"alpha"));
    EXPECT_STREQ(L"b", b->GetName());
    EXPECT_TRUE(manager.RenameControl(b, L"beta"));
    EXPECT_STREQ(L"beta", b->GetName());
    EXPECT_EQ(b, manager.FindControlByName(L"beta"));
    EXPECT_FALSE(manager.RenameControl(b, L""));
    EXPECT_FALSE(manager.RenameControl(nullptr, L"x"));

    // A name held by another control stays with it; giving it up frees it.
    b->SetName(L"alpha");
    EXPECT_EQ(a, manager.FindControlByName(L"alpha"));
    a->SetName(L"gamma");
    EXPECT_EQ(nullptr, manager.FindControlByName(L"alpha"));
    EXPECT_EQ(a, manager.FindControlByName(L"gamma"));
}

TEST_F(ControlTree, LeavingTheManagerDropsEveryReference)
{
    RecordingControl* option = Add(L"opt", RECT{0, 0, 10, 10});
    Layout();
    manager.SetFocusControl(option, false);
    manager.AddMouseLeaveListener(option);
    ASSERT_TRUE(manager.AddOptionToGroup(L"g", option));
    ASSERT_EQ(option, manager.GetFocusControl());

    option->SetManager(nullptr, nullptr, false);
    EXPECT_EQ(nullptr, manager.GetFocusControl());
    EXPECT_EQ(nullptr, manager.FindControlByName(L"opt"));
    EXPECT_EQ(nullptr, manager.GetOptionGroup(L"g"));
    EXPECT_FALSE(manager.RemoveMouseLeaveListener(option));
    option->SetManager(&manager, root, false);
}

TEST_F(ControlTree, InitializationRunsForControlsWithAParent)
{
    RecordingControl* child = Add(L"c", RECT{0, 0, 10, 10});
    EXPECT_EQ(1, child->initializeCount);
    EXPECT_EQ(0, root->initializeCount);
    EXPECT_EQ(&manager, child->GetManager());
    EXPECT_EQ(root, child->GetParent());
}

TEST_F(ControlTree, PositionIsNormalisedAndFloatingAnchorsAreRecomputed)
{
    RecordingControl* child = Add(L"c", RECT{0, 0, 10, 10});
    Layout();
    child->SetPosition(RECT{50, 50, 40, 30});
    EXPECT_EQ(0, child->GetWidth());
    EXPECT_EQ(0, child->GetHeight());

    const double centred[4] = {0.5, 0, 0.5, 0};
    child->SetFloatPercent(centred);
    child->SetFloating(true);
    child->SetPosition(RECT{80, 10, 120, 30});
    EXPECT_EQ(-20, child->GetFixedXY().cx);
    EXPECT_EQ(10, child->GetFixedXY().cy);
    EXPECT_EQ(40, child->GetFixedWidth());
    EXPECT_EQ(20, child->GetFixedHeight());
    EXPECT_EQ(80, child->GetPosition().left);
    RECT relative = child->GetRelativePosition();
    EXPECT_EQ(80, relative.left);
}

TEST_F(ControlTree, CoverFollowsEvenWhenNothingIsInvalidated)
{
    RecordingControl* child = Add(L"c", RECT{0, 0, 50, 50});
    RecordingControl* cover = new RecordingControl(L"cover");
    child->SetCover(cover);
    cover->SetMaxWidth(30);
    Layout();
    EXPECT_EQ(30, cover->GetWidth());
    EXPECT_EQ(50, cover->GetHeight());

    // With the parent hidden nothing is invalidated, yet the cover moves along.
    root->SetInternalVisible(false);
    child->MoveBy(5, 7, true);
    EXPECT_EQ(5, cover->GetPosition().left);
    EXPECT_EQ(7, cover->GetPosition().top);
    child->SetPosition(RECT{100, 0, 150, 50}, true);
    EXPECT_EQ(100, cover->GetPosition().left);
}

TEST_F(ControlTree, HidingTheFocusedControlClearsTheFocus)
{
    RecordingControl* child = Add(L"c", RECT{0, 0, 50, 50});
    Layout();
    manager.SetFocusControl(child, false);
    EXPECT_TRUE(child->IsFocused());
    child->SetVisible(false);
    EXPECT_EQ(nullptr, manager.GetFocusControl());
    EXPECT_FALSE(child->IsFocused());

    manager.SetFocusControl(child, false);
    EXPECT_EQ(nullptr, manager.GetFocusControl());
    child->SetVisible(true);
    child->SetEnabled(false);
    manager.SetFocusControl(child, false);
    EXPECT_EQ(nullptr, manager.GetFocusControl());
}

TEST_F(ControlTree, ContextMenuTravelsToAParentThatAsksForIt)
{
    RecordingControl* child = Add(L"c", RECT{0, 0, 50, 50});
    root->SetContextMenuEnabled(true);
    struct Receiver : SkinUI::INotifyUI {
        void Notify(SkinUI::NotifyRecordUI& record) override
        {
            if (record.type == L"menu")
                sender = record.sender;
        }
        CControlUI* sender = nullptr;
    } receiver;
    manager.AddNotifyReceiver(&receiver);
    SkinUI::EventRecordUI event;
    event.type = SkinUI::EventTypeUI::ContextMenu;
    event.sender = child;
    child->DispatchEvent(event);
    EXPECT_EQ(root, receiver.sender);
    manager.RemoveNotifyReceiver(&receiver);
}

}  // namespace

namespace {

TEST(ControlRegistry, MakesControlsByTag)
{
    CControlUI* control = SkinUI::CControlRegistryUI::Create(L"control");
    ASSERT_NE(nullptr, control);
    EXPECT_STREQ(L"Control", control->GetClassName());
    control->Delete();
    EXPECT_EQ(nullptr, SkinUI::CControlRegistryUI::Create(L"NoSuchTag"));

    auto make = []() -> CControlUI* { return new RecordingControl(L"made"); };
    EXPECT_TRUE(SkinUI::CControlRegistryUI::Register(L"GifAnimTest", make, true));
    EXPECT_FALSE(SkinUI::CControlRegistryUI::Register(L"GifAnimTest", make, true));
    EXPECT_FALSE(SkinUI::CControlRegistryUI::Register(L"CONTROL", make));
    EXPECT_EQ(nullptr, SkinUI::CControlRegistryUI::Create(L"gifanimtest"));
    control = SkinUI::CControlRegistryUI::Create(L"GifAnimTest");
    ASSERT_NE(nullptr, control);
    EXPECT_STREQ(L"made", control->GetName());
    control->Delete();
}

}  // namespace
