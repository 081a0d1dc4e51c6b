#include <utility>

#include "tests/ui/controls_b/list_fixture.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/controls/list_header_item.h"
#include "ui/controls/list_text_element.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

// A list (header hidden) in a hidden window, so that fonts have metrics.
class RowPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        list = new CListUI;
        list->SetAttribute(L"header", L"hidden");
        host.manager().AttachRoot(list);
        host.manager().AddNotifyReceiver(&receiver);
    }
    template <class Row>
    Row* Add(const wchar_t* text)
    {
        Row* row = new Row;
        row->SetText(text);
        list->AddItem(row);
        return row;
    }
    void Paint(MemCanvas& canvas)
    {
        list->Paint(canvas.dc(), RECT{0, 0, canvas.width(), canvas.height()}, nullptr);
    }

    RecordingReceiver receiver;
    HostWindow host{300, 200};
    CListUI* list = nullptr;
};

TEST_F(RowPaint, LabelRowsAreMeasuredFromTheirText)
{
    const int fontHeight = host.manager().GetDefaultFontRecord()->metrics.tmHeight;
    ASSERT_GT(fontHeight, 0);
    CListLabelElementUI* row = Add<CListLabelElementUI>(L"Measure me");
    CListLabelElementUI* longer = Add<CListLabelElementUI>(L"Measure me, and then some more");
    const SIZE size = row->GetDesiredSize(SIZE{300, 200});
    EXPECT_EQ(fontHeight + 8, size.cy);
    EXPECT_GT(size.cx, 0);
    EXPECT_GT(longer->GetDesiredSize(SIZE{300, 200}).cx, size.cx);

    // A fixed width alone still measures the height; style changes re-measure.
    row->SetFixedWidth(100);
    EXPECT_EQ(100, row->GetDesiredSize(SIZE{300, 200}).cx);
    EXPECT_EQ(fontHeight + 8, row->GetDesiredSize(SIZE{300, 200}).cy);
    list->SetAttribute(L"itemtextpadding", L"0,2,0,3");
    EXPECT_EQ(fontHeight + 13, row->GetDesiredSize(SIZE{300, 200}).cy);
    list->SetAttribute(L"itemheight", L"30");
    EXPECT_EQ(30, row->GetDesiredSize(SIZE{300, 200}).cy);

    // Several lines: narrower offers give taller rows.
    list->SetAttribute(L"itemheight", L"0");
    list->SetAttribute(L"itemmultiline", L"true");
    const int wide = longer->GetDesiredSize(SIZE{300, 200}).cy;
    const int narrow = longer->GetDesiredSize(SIZE{60, 200}).cy;
    EXPECT_GT(narrow, wide);
    EXPECT_EQ(60, longer->GetDesiredSize(SIZE{60, 200}).cx);
}

TEST_F(RowPaint, RowBackgroundsFollowStateAndAlternation)
{
    list->SetAttribute(L"itemheight", L"15");
    list->SetAttribute(L"itembkcolor", L"#FFFF0000");
    list->SetAttribute(L"itemaltbk", L"true");
    list->SetAttribute(L"itemhlinesize", L"1");
    list->SetAttribute(L"itemhlinecolor", L"#FF0000FF");
    for (int i = 0; i < 5; ++i)
        Add<CListLabelElementUI>(L"");
    list->SetPosition(RECT{0, 0, 200, 100});
    list->SelectItem(2);
    CControlUI* hot = list->GetItemAt(3);
    Dispatch(hot, EventTypeUI::MouseEnter, CenterOf(hot));
    list->GetItemAt(4)->SetEnabled(false);

    MemCanvas canvas(200, 100);
    Paint(canvas);
    EXPECT_TRUE(RgbNear(canvas.Pixel(10, 7), 0xFF0000));    // even row
    EXPECT_TRUE(RgbNear(canvas.Pixel(10, 23), 0x000000));   // odd row: no background
    EXPECT_TRUE(RgbNear(canvas.Pixel(10, 39), 0xC1E3FF));   // selected
    EXPECT_TRUE(RgbNear(canvas.Pixel(10, 55), 0xE9F5FF));   // hot
    EXPECT_TRUE(RgbNear(canvas.Pixel(10, 71), 0xFFFFFF));   // disabled
    EXPECT_TRUE(RgbNear(canvas.Pixel(10, 15), 0x0000FF));   // row line
    EXPECT_TRUE(RgbNear(canvas.Pixel(10, 31), 0x0000FF));

    Dispatch(hot, EventTypeUI::MouseLeave, POINT{500, 500});
    EXPECT_FALSE(static_cast<CListLabelElementUI*>(hot)->IsHot());
}

TEST_F(RowPaint, TextRowsRegisterAtMostEightLinksAndSendLink)
{
    list->SetAttribute(L"itemheight", L"20");
    list->SetItemShowHtml(true);
    CListTextElementUI* row = Add<CListTextElementUI>(
        L"<a 0>a</a> <a 1>b</a> <a 2>c</a> <a 3>d</a> <a 4>e</a> <a 5>f</a> <a 6>g</a> "
        L"<a 7>h</a> <a 8>i</a>");
    list->SetPosition(RECT{0, 0, 300, 100});
    MemCanvas canvas(300, 100);
    Paint(canvas);
    ASSERT_EQ(CListTextElementUI::kMaxLinks, row->GetLinkCount());
    EXPECT_EQ(kBehaviorListItem | kBehaviorSetCursor, row->GetBehaviorFlags());

    const RECT& second = row->GetLinkRect(1);
    const POINT inSecond = {(second.left + second.right) / 2, (second.top + second.bottom) / 2};
    Dispatch(row, EventTypeUI::MouseMove, inSecond);
    EXPECT_EQ(1, row->GetHotLink());
    Dispatch(row, EventTypeUI::ButtonUp, inSecond);
    ASSERT_EQ(1, receiver.Count(L"link"));
    EXPECT_EQ(1u, receiver.records.back().wParam);
    Dispatch(row, EventTypeUI::MouseLeave, POINT{500, 500});
    EXPECT_EQ(-1, row->GetHotLink());
}

// Hands out "r<row>c<column>" and remembers what it was asked.
class CellTexts : public IListTextProviderUI {
public:
    CUIString GetItemText(CControlUI*, int index, int column) override
    {
        asked.emplace_back(index, column);
        CUIString text;
        text.Format(L"r%dc%d", index, column);
        return text;
    }
    std::vector<std::pair<int, int>> asked;
};

TEST_F(RowPaint, TextRowsTakeTheirCellsFromTheProviderElseTheirColumnTexts)
{
    list->SetAttribute(L"itemheight", L"20");
    for (int width : {50, 70}) {
        CListHeaderItemUI* item = new CListHeaderItemUI;
        item->SetFixedWidth(width);
        list->AddItem(item);
    }
    CListTextElementUI* first = Add<CListTextElementUI>(L"own");
    CListTextElementUI* second = Add<CListTextElementUI>(L"");
    second->SetColumnText(1, L"right");
    EXPECT_STREQ(L"", second->GetColumnText(0));
    EXPECT_EQ(nullptr, second->GetColumnText(2));
    EXPECT_STREQ(L"right", second->GetColumnText(1));
    list->SetPosition(RECT{0, 0, 200, 100});

    CellTexts provider;
    list->SetTextProvider(&provider);
    MemCanvas canvas(200, 100);
    Paint(canvas);
    EXPECT_NE(provider.asked.end(), std::find(provider.asked.begin(), provider.asked.end(),
                                              std::make_pair(1, 1)));
    EXPECT_NE(provider.asked.end(), std::find(provider.asked.begin(), provider.asked.end(),
                                              std::make_pair(0, 0)));
    // The measured text is the provider's first cell.
    const int measured = first->GetDesiredSize(SIZE{200, 100}).cx;
    EXPECT_EQ(120, measured);
    list->SetTextProvider(nullptr);
}

}  // namespace
