#include <gtest/gtest.h>

#include "tests/ui/controls_a/controls_fixture.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/mem_canvas.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/text.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using SkinUI::test::ControlPtr;
using SkinUI::test::HostWindow;
using SkinUI::test::MemCanvas;
using SkinUI::test::Place;
using SkinUI::test::RecordingReceiver;
using SkinUI::test::Send;

namespace {

POINT Middle(const RECT& r)
{
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A text control at 0,0 - 400,100 painted into a memory DC.
class TextLinks : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.manager().AddNotifyReceiver(&receiver);
        text = Place<CTextUI>(&host.manager(), RECT{0, 0, 400, 100});
        text->SetAttribute(L"showhtml", L"true");
    }
    void Paint()
    {
        MemCanvas canvas(400, 100);
        text->Paint(canvas.dc(), RECT{0, 0, 400, 100}, nullptr);
    }
    void Click(POINT at)
    {
        Send(text.get(), EventTypeUI::ButtonDown, at.x, at.y);
        Send(text.get(), EventTypeUI::ButtonUp, at.x, at.y);
    }

    HostWindow host;
    RecordingReceiver receiver;
    ControlPtr<CTextUI> text;
};

TEST_F(TextLinks, LinksAreNumberedInReadingOrderAndClicked)
{
    text->SetText(L"<a first>one</a> and <a second>two</a> then <a third>three</a>");
    EXPECT_EQ(0u, text->GetBehaviorFlags());
    Paint();
    ASSERT_EQ(3, text->GetLinkCount());
    EXPECT_EQ(kBehaviorSetCursor, text->GetBehaviorFlags());
    EXPECT_STREQ(L"second", text->GetLinkText(1));
    EXPECT_LT(text->GetLinkRect(0).right, text->GetLinkRect(1).left);

    Click(Middle(text->GetLinkRect(2)));
    Click(Middle(text->GetLinkRect(0)));
    ASSERT_EQ(2u, receiver.records.size());
    EXPECT_EQ(2u, receiver.records[0].wParam);
    EXPECT_EQ(0u, receiver.records[1].wParam);

    // A press on a link released beside every link sends nothing.
    const POINT on = Middle(text->GetLinkRect(1));
    Send(text.get(), EventTypeUI::ButtonDown, on.x, on.y);
    Send(text.get(), EventTypeUI::ButtonUp, 399, 99);
    EXPECT_EQ(2u, receiver.records.size());
}

TEST_F(TextLinks, HoverFollowsTheMouseUntilItLeavesTheLink)
{
    text->SetText(L"<a x>first link</a> and <a y>second link</a>");
    Paint();
    const POINT second = Middle(text->GetLinkRect(1));
    Send(text.get(), EventTypeUI::MouseMove, second.x, second.y);
    EXPECT_EQ(1, text->GetHoveredLink());
    // A leave while the pointer is still over the link keeps it hovered.
    Send(text.get(), EventTypeUI::MouseLeave, second.x, second.y);
    EXPECT_EQ(1, text->GetHoveredLink());
    Send(text.get(), EventTypeUI::MouseLeave, 399, 99);
    EXPECT_EQ(-1, text->GetHoveredLink());
    Send(text.get(), EventTypeUI::MouseMove, 399, 99);
    EXPECT_EQ(-1, text->GetHoveredLink());
}

TEST_F(TextLinks, OnlyEightLinksGetSlotsAndPlainOrEmptyTextHasNone)
{
    std::wstring markup;
    for (int i = 0; i < 9; ++i)
        markup += L"<a l" + std::to_wstring(i) + L">L" + std::to_wstring(i) + L"</a> ";
    text->SetText(markup.c_str());
    Paint();
    EXPECT_EQ(CTextUI::kMaxLinks, text->GetLinkCount());
    EXPECT_STREQ(L"l7", text->GetLinkText(7));

    text->SetText(L"");
    Paint();
    EXPECT_EQ(0, text->GetLinkCount());

    text->SetShowHtml(false);
    text->SetText(L"<a x>not a link</a>");
    Paint();
    EXPECT_EQ(0, text->GetLinkCount());
    Click(POINT{10, 8});
    EXPECT_TRUE(receiver.records.empty());
}

}  // namespace
