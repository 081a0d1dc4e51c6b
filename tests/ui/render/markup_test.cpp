#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/render/manager_host.h"
#include "tests/ui/support/scratch_dir.h"
#include "tests/ui/support/image_writer.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/core/renderer.h"
#include "ui/core/skin_resources.h"

namespace SkinUI {
namespace {

using test::MemCanvas;

const int kFont = -1;  // the manager's default font

class Markup : public ::testing::Test {
protected:
    Markup() : m_canvas(300, 200) {}

    // DT_CALCRECT over a rectangle of the given size.
    RECT Measure(const wchar_t* text, UINT format = DT_SINGLELINE, int width = 300, int height = 200)
    {
        RECT rc = {0, 0, width, height};
        m_linkCount = kLinks;
        CRendererUI::DrawMarkupText(m_canvas.dc(), manager(), rc, text, 0xFF000000, m_links, m_linkTexts,
                                    m_linkCount, kFont, format | DT_CALCRECT);
        return rc;
    }
    void Draw(const wchar_t* text, UINT format, RECT rc, DWORD color = 0xFFFFFFFF)
    {
        m_linkCount = kLinks;
        CRendererUI::DrawMarkupText(m_canvas.dc(), manager(), rc, text, color, m_links, m_linkTexts, m_linkCount,
                                    kFont, format);
    }
    int Width(const wchar_t* text) { return CRendererUI::MeasureText(m_canvas.dc(), manager(), text, kFont).cx; }
    int LineHeight()
    {
        const TEXTMETRICW& tm = manager()->GetDefaultFontRecord()->metrics;
        return tm.tmHeight + tm.tmExternalLeading;
    }
    CWindowManagerUI* manager() { return m_host.manager(); }
    // Columns of the canvas holding any pixel of the colour, between two rows.
    void ColumnsWithColor(DWORD rgb, int top, int bottom, int& first, int& last)
    {
        first = -1;
        last = -1;
        for (int x = 0; x < m_canvas.width(); ++x)
            for (int y = top; y < bottom; ++y)
                if ((m_canvas.Pixel(x, y) & 0xFFFFFF) == rgb) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
    }

    static const int kLinks = 4;
    test::ManagerHost m_host;
    MemCanvas m_canvas;
    RECT m_links[kLinks] = {};
    CUIString m_linkTexts[kLinks];
    int m_linkCount = 0;
};

TEST_F(Markup, MeasuresTextEscapesRawTextAndSkipsUnknownTags)
{
    ASSERT_GT(LineHeight(), 0);
    const RECT plain = Measure(L"Sensitivity");
    EXPECT_EQ(plain.right, Width(L"Sensitivity"));
    EXPECT_EQ(plain.bottom, LineHeight());
    EXPECT_EQ(Measure(L"{x 4}abc").right, 4 + Width(L"abc"));
    EXPECT_EQ(Measure(L"<x 4>abc").right, 4 + Width(L"abc"));
    EXPECT_EQ(Measure(L"a<{>b<}>c{<}d{>}").right, Width(L"a{b}c<d>"));
    EXPECT_EQ(Measure(L"<r><b>x</b>{i}</r>").right, Width(L"<b>x</b>{i}"));
    EXPECT_EQ(Measure(L"{q whatever}abc<z>").right, Width(L"abc"));
    EXPECT_EQ(Measure(L"a < b { c").right, Width(L"a < b { c"));
    EXPECT_EQ(Measure(L"%{4294967384}").right, Width(L"%{4294967384}"));

    // Every opening pushes a font and a stray end tag pops nothing.
    const int bold = Measure(L"<b>xyz</b>").right;
    EXPECT_EQ(Measure(L"<b>x<b>y</b>z</b>").right, bold);
    EXPECT_EQ(Measure(L"<b>xy</b></b></b>z").right, Measure(L"<b>xy</b>z").right);
    EXPECT_EQ(Measure(L"</c></p></v></s></a>abc").right, Width(L"abc"));
}

TEST_F(Markup, LinesBreakAtNewlinesTagsAndParagraphs)
{
    const int line = LineHeight();
    EXPECT_EQ(Measure(L"one\ntwo", 0).bottom, 2 * line);
    EXPECT_EQ(Measure(L"one<n>two", 0).bottom, 2 * line);
    EXPECT_EQ(Measure(L"one<n>two", DT_SINGLELINE).bottom, line);
    EXPECT_EQ(Measure(L"one<n>two", DT_SINGLELINE).right, Width(L"onetwo"));
    EXPECT_EQ(Measure(L"one<p 5>two</p>", 0).bottom, 2 * line + 5);
    EXPECT_EQ(Measure(L"{y 40}tall", 0).bottom, 40);
}

TEST_F(Markup, WordBreakCutsAfterBlanksOtherwiseInTheWord)
{
    const int width = Width(L"aaaa bb") + 1;
    const RECT words = Measure(L"aaaa bbbb", DT_WORDBREAK, width);
    EXPECT_EQ(words.bottom, 2 * LineHeight());
    EXPECT_EQ(words.right, Width(L"aaaa ") > Width(L"bbbb") ? Width(L"aaaa ") : Width(L"bbbb"));
    const RECT cut = Measure(L"aaaa bbbb", 0, width);
    EXPECT_EQ(cut.bottom, 2 * LineHeight());
    EXPECT_EQ(cut.right, Width(L"aaaa bb"));
}

TEST_F(Markup, LinksAreReportedWithTheirRectangles)
{
    Measure(L"<a first>one</a> and <a second>two</a>");
    ASSERT_EQ(m_linkCount, 2);
    EXPECT_STREQ(m_linkTexts[0], L"first");
    EXPECT_STREQ(m_linkTexts[1], L"second");
    EXPECT_EQ(m_links[0].left, 0);
    EXPECT_EQ(m_links[0].bottom - m_links[0].top, LineHeight());
    EXPECT_GE(m_links[0].right, Width(L"one"));
    EXPECT_GT(m_links[1].left, m_links[0].right);
    const POINT inside = {m_links[1].left + 1, m_links[1].top + 1};
    EXPECT_TRUE(PtInRect(&m_links[1], inside));

    // Drawing reports the same links; a smaller array reports fewer.
    Draw(L"<a first>one</a> and <a second>two</a>", DT_SINGLELINE, RECT{0, 0, 300, 40});
    EXPECT_EQ(m_linkCount, 2);
    int one = 1;
    RECT rc = {0, 0, 300, 40};
    CRendererUI::DrawMarkupText(m_canvas.dc(), manager(), rc, L"<a a>1</a><a b>2</a>", 0xFF000000, m_links,
                                m_linkTexts, one, kFont, DT_SINGLELINE);
    EXPECT_EQ(one, 1);
}

TEST_F(Markup, TheLinkUnderTheMouseTakesTheHoverColour)
{
    manager()->SetLinkColor(0xFF0000FF);
    manager()->SetLinkHoverColor(0xFFFF0000);
    const wchar_t* text = L"<a go>click here</a>";
    const RECT area = {0, 0, 300, 40};
    int first = 0, last = 0;

    Draw(text, DT_SINGLELINE, area);
    ColumnsWithColor(0x0000FF, 0, 40, first, last);
    EXPECT_GE(first, 0);
    ColumnsWithColor(0xFF0000, 0, 40, first, last);
    EXPECT_EQ(first, -1);

    m_host.MoveMouse(m_links[0].left + 2, m_links[0].top + 2);
    m_canvas.Fill(0xFF000000);
    Draw(text, DT_SINGLELINE, area);
    ColumnsWithColor(0xFF0000, 0, 40, first, last);
    EXPECT_GE(first, 0);
    ColumnsWithColor(0x0000FF, 0, 40, first, last);
    EXPECT_EQ(first, -1);
    m_host.MoveMouse(-1, -1);
}

TEST_F(Markup, CentringUsesTheMeasuredWidths)
{
    Draw(L"<a x>centre</a>", DT_SINGLELINE | DT_CENTER | DT_VCENTER, RECT{0, 0, 300, 100});
    ASSERT_EQ(m_linkCount, 1);
    EXPECT_EQ(m_links[0].left, (300 - Width(L"centre")) / 2);
    EXPECT_EQ(m_links[0].top, (100 - LineHeight()) / 2);

    m_canvas.Fill(0xFF000000);
    Draw(L"wide line of text\nshort", DT_CENTER, RECT{0, 0, 300, 200});
    int first = 0, last = 0;
    ColumnsWithColor(0xFFFFFF, 0, LineHeight(), first, last);
    EXPECT_NEAR((first + last) / 2.0, 150, 3);
    const int wideSpan = last - first;
    ColumnsWithColor(0xFFFFFF, LineHeight(), 2 * LineHeight(), first, last);
    EXPECT_NEAR((first + last) / 2.0, 150, 3);
    EXPECT_LT(last - first, wideSpan);
    m_canvas.SavePng(L"markup_centred.png");
}

TEST_F(Markup, EllipsisEndsTheLineAtTheRightEdge)
{
    const int width = Width(L"abcdefgh");
    const RECT rc = Measure(L"abcdefghijklmnop", DT_SINGLELINE | DT_END_ELLIPSIS, width);
    EXPECT_EQ(rc.right, width);
    for (const wchar_t* shortRun : {L"a", L"ab", L"abc"}) {
        const RECT narrow = Measure(shortRun, DT_SINGLELINE | DT_END_ELLIPSIS, 2);
        EXPECT_EQ(narrow.bottom, LineHeight()) << shortRun;
        Draw(shortRun, DT_END_ELLIPSIS, RECT{0, 0, 2, 50});
    }
}

TEST_F(Markup, NarrowRectanglesStillTakeOneCharacterPerLine)
{
    const RECT tall = Measure(L"abcdef", 0, 1, 1000);
    EXPECT_EQ(tall.bottom, 6 * LineHeight());
    const RECT stopped = Measure(L"abcdefghijklmnopqrstuvwxyz", DT_WORDBREAK, 1, 3 * LineHeight());
    EXPECT_EQ(stopped.bottom, 3 * LineHeight());
    Draw(L"{x 400}a{x -900}b<i>c<b>d", DT_WORDBREAK, RECT{0, 0, 1, 100});
    EXPECT_EQ(Measure(L"{x 4", DT_SINGLELINE).right, 4);
    EXPECT_EQ(Measure(L"ab{c #FF0000", DT_SINGLELINE).right, Width(L"ab"));
    EXPECT_EQ(Measure(L"<r>a{/r", DT_SINGLELINE).right, Width(L"a{/r"));
}

class MarkupImages : public Markup {
protected:
    MarkupImages() : m_dir(L"render_markup") {}
    void SetUp() override
    {
        // 18 frames of 4 x 4, frame k with red = 10 x (k + 1).
        std::vector<BYTE> rgba(72 * 4 * 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 72; ++x) test::SetRgbaPixel(rgba, 72, x, y, 0xFF000000 | (10u * (x / 4 + 1)) << 16);
        ASSERT_TRUE(test::WriteBytes(m_dir.Sub(L"strip.png"), test::EncodePng(72, 4, rgba)));
        SkinResourcesUI::SetResourceFolder(m_dir.path().c_str());
    }
    void TearDown() override { SkinResourcesUI::SetResourceFolder(L""); }
    test::ScratchDir m_dir;
};

TEST_F(MarkupImages, ImageTagsDrawOneFrame)
{
    const int line = LineHeight();
    Draw(L"{i strip.png 18 3}{i strip.png 18 40}{i strip.png}", DT_SINGLELINE, RECT{0, 0, 300, 40});
    EXPECT_TRUE(test::RgbNear(m_canvas.Pixel(1, line - 1), 40u << 16, 0));
    EXPECT_TRUE(test::RgbNear(m_canvas.Pixel(5, line - 1), 10u << 16, 0));
    EXPECT_TRUE(test::RgbNear(m_canvas.Pixel(8 + 35, line - 1), 90u << 16, 0));
    EXPECT_EQ(Measure(L"{x 4}{i strip.png 18 3}ab").right, 8 + Width(L"ab"));
    EXPECT_EQ(Measure(L"{i missing.png 2 1}ab").right, Width(L"ab"));
    EXPECT_EQ(Measure(L"{i file='strip.png'}").right, 72);
    EXPECT_EQ(Measure(L"{y 2}{i strip.png 18 0}", 0).bottom, 4);
}

}  // namespace
}  // namespace SkinUI
