#include <gtest/gtest.h>

#include "tests/ui/controls_a/controls_fixture.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/check_box.h"
#include "ui/controls/option.h"
#include "ui/core/ptr_array.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using SkinUI::test::ControlPtr;
using SkinUI::test::Place;
using SkinUI::test::RecordingReceiver;
using SkinUI::test::Send;

namespace {

typedef std::vector<std::wstring> Types;

void Click(CControlUI* control)
{
    const RECT& p = control->GetPosition();
    Send(control, EventTypeUI::ButtonDown, p.left + 1, p.top + 1);
    Send(control, EventTypeUI::ButtonUp, p.left + 1, p.top + 1);
}

// Options side by side in a manager without a window.
class Options : public ::testing::Test {
protected:
    void SetUp() override { manager.AddNotifyReceiver(&receiver); }

    ControlPtr<COptionUI> Make(const wchar_t* name, const wchar_t* group, int index)
    {
        ControlPtr<COptionUI> option(new COptionUI);
        option->SetName(name);
        option->SetAttribute(L"group", group);
        option->SetManager(&manager, nullptr, true);
        option->SetPosition(RECT{index * 30, 0, index * 30 + 20, 20});
        return option;
    }
    // Type and sender name of each notification.
    std::vector<std::wstring> Log() const
    {
        std::vector<std::wstring> log;
        for (const NotifyRecordUI& record : receiver.records)
            log.push_back(std::wstring(record.type) + L":" + record.sender->GetName().GetData());
        return log;
    }

    CWindowManagerUI manager;
    RecordingReceiver receiver;
};

TEST_F(Options, GroupedOptionsSelectLikeRadioButtons)
{
    ControlPtr<COptionUI> a = Make(L"a", L"g", 0);
    ControlPtr<COptionUI> b = Make(L"b", L"g", 1);
    ControlPtr<COptionUI> c = Make(L"c", L"g", 2);
    Click(a.get());
    Click(b.get());
    EXPECT_FALSE(a->IsSelected());
    EXPECT_TRUE(b->IsSelected());
    EXPECT_EQ(kStateSelected, b->GetButtonState() & kStateSelected);
    // The peer that loses the selection sends nothing.
    EXPECT_EQ(Types({L"click:a", L"selectchanged:a", L"click:b", L"selectchanged:b"}), Log());

    receiver.records.clear();
    Click(b.get());
    EXPECT_TRUE(b->IsSelected());
    EXPECT_EQ(Types({L"click:b"}), Log());

    c->SetSelected(true, false);
    EXPECT_FALSE(b->IsSelected());
    EXPECT_EQ(1u, receiver.records.size());
}

TEST_F(Options, UngroupedOptionTogglesAndNotifiesEachTime)
{
    ControlPtr<COptionUI> a = Make(L"a", L"", 0);
    Click(a.get());
    EXPECT_TRUE(a->IsSelected());
    Click(a.get());
    EXPECT_FALSE(a->IsSelected());
    EXPECT_EQ(Types({L"click:a", L"selectchanged:a", L"click:a", L"selectchanged:a"}), Log());
}

TEST_F(Options, CheckBoxTogglesAfterItsClickIsSent)
{
    ControlPtr<CCheckBoxUI> box = Place<CCheckBoxUI>(&manager, RECT{0, 0, 20, 20});
    box->SetName(L"box");
    std::vector<bool> checkedDuringClick;
    receiver.onNotify = [&](NotifyRecordUI& record) {
        if (record.type == L"click")
            checkedDuringClick.push_back(box->IsChecked());
    };
    Click(box.get());
    Click(box.get());
    EXPECT_EQ(std::vector<bool>({false, true}), checkedDuringClick);

    receiver.records.clear();
    box->SetChecked(true, false);
    EXPECT_TRUE(box->IsChecked());
    EXPECT_TRUE(receiver.records.empty());
    box->SetChecked(true, true);
    EXPECT_TRUE(receiver.records.empty());
    box->SetChecked(false, true);
    EXPECT_EQ(Types({L"selectchanged:box"}), Log());
}

TEST_F(Options, GroupMembershipFollowsTheGroupNameAndTheControlsLife)
{
    ControlPtr<COptionUI> a = Make(L"a", L"one", 0);
    ControlPtr<COptionUI> b = Make(L"b", L"two", 1);
    a->SetSelected(true, false);
    a->SetGroup(L"two");
    EXPECT_EQ(nullptr, manager.GetOptionGroup(L"one"));
    ASSERT_NE(nullptr, manager.GetOptionGroup(L"two"));
    EXPECT_EQ(2, manager.GetOptionGroup(L"two")->GetSize());
    EXPECT_TRUE(a->IsSelected());  // joining a group changes no state

    b->SetSelected(true, false);
    EXPECT_FALSE(a->IsSelected());

    // A deleted member leaves its group; selecting in it touches only the living.
    a.reset();
    EXPECT_EQ(1, manager.GetOptionGroup(L"two")->GetSize());
    b->SetSelected(false, false);
    b->SetSelected(true, true);
    EXPECT_EQ(1u, receiver.records.size());
}

}  // namespace
