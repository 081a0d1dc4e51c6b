#include <gtest/gtest.h>

#include "tests/ui/controls_a/controls_fixture.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/controls/button.h"
#include "ui/controls/gif_anim.h"
#include "ui/controls/label.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using SkinUI::test::ControlPtr;
using SkinUI::test::CountDiffering;
using SkinUI::test::CountNear;
using SkinUI::test::HostWindow;
using SkinUI::test::MemCanvas;
using SkinUI::test::Place;

namespace {

const RECT kArea = {0, 0, 160, 40};

// Labels in a hidden window, whose DC measures text; font 1 is 16 pixels.
class LabelMeasure : public ::testing::Test {
protected:
    void SetUp() override { host.manager().AddFont(1, L"Arial", 16, false, false, false); }

    int FontHeight() { return host.manager().GetFontRecord(1)->metrics.tmHeight; }
    int TextWidth(const wchar_t* text)
    {
        return CRendererUI::MeasureText(host.manager().GetWindowDC(), &host.manager(), text, 1).cx;
    }

    HostWindow host;
};

TEST_F(LabelMeasure, SingleLineTakesFontHeightPaddingAndTextWidth)
{
    ControlPtr<CLabelUI> label = Place<CLabelUI>(&host.manager(), kArea);
    label->SetAttribute(L"font", L"1");
    label->SetAttribute(L"textpadding", L"2,2,2,2");
    label->SetText(L"Measure me");
    ASSERT_GT(FontHeight(), 0);
    SIZE size = label->GetDesiredSize(SIZE{500, 500});
    EXPECT_EQ(FontHeight() + 4 + 8, size.cy);
    EXPECT_EQ(TextWidth(L"Measure me") + 4, size.cx);

    // The cached size follows the text and the fixed sizes.
    label->SetText(L"Measure me, and more");
    EXPECT_EQ(TextWidth(L"Measure me, and more") + 4, label->GetDesiredSize(SIZE{500, 500}).cx);
    label->SetFixedWidth(70);
    size = label->GetDesiredSize(SIZE{500, 500});
    EXPECT_EQ(70, size.cx);
    EXPECT_EQ(FontHeight() + 12, size.cy);
    label->SetFixedHeight(33);
    EXPECT_EQ(33, label->GetDesiredSize(SIZE{500, 500}).cy);

    // Language tokens are measured as the text they stand for.
    CWindowManagerUI::AddLanguageText(901, L"Measure me");
    label->SetFixedWidth(0);
    label->SetFixedHeight(0);
    label->SetText(L"%{901}");
    EXPECT_EQ(TextWidth(L"Measure me") + 4, label->GetDesiredSize(SIZE{500, 500}).cx);
    CWindowManagerUI::RemoveAllLanguageTexts();
}

TEST_F(LabelMeasure, MultiLineFollowsTheOfferedWidth)
{
    ControlPtr<CLabelUI> label = Place<CLabelUI>(&host.manager(), kArea);
    label->SetAttribute(L"font", L"1");
    label->SetAttribute(L"multiline", L"true");
    EXPECT_EQ(UINT(DT_VCENTER | DT_WORDBREAK), label->GetTextStyle());
    label->SetText(L"one two three four five six seven eight nine ten");
    const SIZE wide = label->GetDesiredSize(SIZE{1000, 100});
    const SIZE narrow = label->GetDesiredSize(SIZE{80, 100});
    EXPECT_EQ(1000, wide.cx);
    EXPECT_EQ(80, narrow.cx);
    EXPECT_EQ(FontHeight(), wide.cy);
    EXPECT_GT(narrow.cy, 3 * FontHeight());
    EXPECT_EQ(wide.cy, label->GetDesiredSize(SIZE{1000, 100}).cy);
}

TEST_F(LabelMeasure, ButtonsAreAsHighAsTheirFontPlusEight)
{
    ControlPtr<CButtonUI> button = Place<CButtonUI>(&host.manager(), kArea);
    button->SetAttribute(L"font", L"1");
    button->SetText(L"A long caption that is not measured");
    EXPECT_EQ(FontHeight() + 8, button->GetDesiredSize(SIZE{500, 500}).cy);
    EXPECT_EQ(0, button->GetDesiredSize(SIZE{500, 500}).cx);
    button->SetFixedHeight(30);
    EXPECT_EQ(30, button->GetDesiredSize(SIZE{500, 500}).cy);
}

TEST(LabelStyle, AlignmentWordsApplyInTheirOrder)
{
    ControlPtr<CLabelUI> label(new CLabelUI);
    label->SetAttribute(L"align", L"center right");
    EXPECT_EQ(UINT(DT_RIGHT | DT_VCENTER | DT_SINGLELINE), label->GetTextStyle());
    label->SetAttribute(L"align", L"left");
    label->SetAttribute(L"valign", L"top");
    EXPECT_EQ(UINT(DT_SINGLELINE), label->GetTextStyle());
}

// Labels painted into a memory DC with font 1 (bold, 20 pixels).
class LabelPaint : public ::testing::Test {
protected:
    void SetUp() override { host.manager().AddFont(1, L"Arial", 20, true, false, false); }
    void TearDown() override { CWindowManagerUI::RemoveAllLanguageTexts(); }

    void Paint(CLabelUI* label, MemCanvas& canvas)
    {
        canvas.Fill(0xFFFFFFFF);
        label->Paint(canvas.dc(), kArea, nullptr);
    }
    ControlPtr<CLabelUI> MakeLabel(const wchar_t* text)
    {
        ControlPtr<CLabelUI> label = Place<CLabelUI>(&host.manager(), kArea);
        label->SetAttribute(L"font", L"1");
        label->SetAttribute(L"textcolor", L"#FF0000FF");
        label->SetText(text);
        return label;
    }

    HostWindow host;
};

TEST_F(LabelPaint, EffectTextIsDrawnThroughGdiplusWithLanguageTokensReplaced)
{
    ControlPtr<CLabelUI> plain = MakeLabel(L"Glow");
    ControlPtr<CLabelUI> token = MakeLabel(L"%{902}");
    CWindowManagerUI::AddLanguageText(902, L"Glow");
    for (CLabelUI* label : {plain.get(), token.get()}) {
        label->SetAttribute(L"enabledeffect", L"true");
        label->SetAttribute(L"align", L"center");
    }
    MemCanvas plainCanvas(160, 40);
    MemCanvas tokenCanvas(160, 40);
    Paint(plain.get(), plainCanvas);
    Paint(token.get(), tokenCanvas);
    EXPECT_GT(CountNear(plainCanvas, 0x0000FF, 60), 10);
    EXPECT_EQ(0, CountDiffering(plainCanvas, tokenCanvas));

    // Every pass at once: glow, outline, shadow, gradient.
    plain->SetAttribute(L"enabledluminous", L"true");
    plain->SetAttribute(L"enabledstroke", L"true");
    plain->SetAttribute(L"strokecolor", L"#FFFF0000");
    plain->SetAttribute(L"enabledshadow", L"true");
    plain->SetAttribute(L"shadowoffset", L"2,45");
    plain->SetAttribute(L"textcolor1", L"#FF00FF00");
    Paint(plain.get(), plainCanvas);
    EXPECT_GT(CountNear(plainCanvas, 0xFF0000, 60), 10);
    EXPECT_GT(CountDiffering(plainCanvas, tokenCanvas), 10);

    // A glow reduced below one pixel is skipped.
    plain->SetAttribute(L"luminousfuzzy", L"500");
    Paint(plain.get(), plainCanvas);
}

TEST(GdiplusSession, IsHeldByLabelsAndAnimatedImagesAlike)
{
    const int before = CGdiplusSessionUI::GetSessionCount();
    ControlPtr<CGifAnimUI> gif(new CGifAnimUI);
    {
        ControlPtr<CLabelUI> label(new CLabelUI);
        EXPECT_EQ(before + 2, CGdiplusSessionUI::GetSessionCount());
    }
    CGdiplusSessionUI probe;
    EXPECT_TRUE(probe.IsStarted());
    EXPECT_EQ(before + 2, CGdiplusSessionUI::GetSessionCount());
}

}  // namespace
