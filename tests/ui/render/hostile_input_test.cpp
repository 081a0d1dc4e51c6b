#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/guarded_bytes.h"
#include "tests/support/mutator.h"
#include "tests/ui/render/image_seeds.h"
#include "tests/ui/render/manager_host.h"
#include "tests/ui/support/scratch_dir.h"
#include "tests/ui/support/image_writer.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/core/image_loader.h"
#include "ui/core/renderer.h"
#include "ui/core/skin_resources.h"

namespace SkinUI {
namespace {

// Every format, each seed intact and then damaged: decoded within the limits or refused.
class HostileImages : public ::testing::TestWithParam<size_t> {};

TEST_P(HostileImages, MutatedImagesDecodeOrFailCleanly)
{
    const test::ImageSeeds seeds = test::EveryImageFormat()[GetParam()];
    for (const std::vector<BYTE>& file : seeds.files) {
        ImageRecordUI* image = ImageLoaderUI::Decode(file.data(), file.size(), 0xFF00FFFF);
        ASSERT_TRUE(image) << seeds.format;
        CRendererUI::FreeImage(image);
    }
    const std::vector<std::vector<BYTE>> tokens = {
        {0xFF, 0xFF, 0xFF, 0x7F}, {0x00, 0x00, 0x00, 0x00}, {0x80, 0x00, 0x00, 0x00}, {0x00, 0x40, 0x00, 0x00}, {0xFF}};
    hostile::Mutator mutator(20240611 + static_cast<uint32_t>(GetParam()));
    int decoded = 0;
    for (int round = 0; round < 5000; ++round) {
        const std::vector<BYTE> input = mutator.Mutate(seeds.files, tokens);
        hostile::GuardedBytes guarded(input);
        ImageRecordUI* image = ImageLoaderUI::Decode(guarded.data(), guarded.size(), 0xFF00FFFF);
        if (!image) continue;
        ++decoded;
        ASSERT_TRUE(image->bitmap);
        ASSERT_TRUE(ImageLoaderUI::FitsLimits(image->width, image->height));
        CRendererUI::FreeImage(image);
    }
    EXPECT_GT(decoded, 0) << seeds.format;
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, HostileImages, ::testing::Range<size_t>(0, test::EveryImageFormat().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             return test::EveryImageFormat()[info.param].format;
                         });

const wchar_t* const kPieces[] = {
    L"<b>", L"</b>", L"{x 4}", L"{x", L"<x -30>", L"<a link>", L"</a>", L"{a}", L"{c #FF00FF}", L"</c>",
    L"<f 1>", L"<f Tahoma 12 bold italic>", L"</f>", L"<i>", L"</i>", L"{i strip.png 18 3}",
    L"{i strip.png 0 -1}", L"{i file='strip.png' restype='x'}", L"<n>", L"<p 3>", L"</p>", L"<r>", L"</r>",
    L"{/r", L"{s}", L"{/s}", L"<u>", L"<v center>", L"<v top>", L"</v>", L"{y 20}", L"{y -5}", L"<{>",
    L"{>}", L"<", L"{", L">", L"}", L" ", L"\n", L"abc", L"word,", L"Sensitivity level", L"%{12}", L"x",
    L"</", L"<q>", L"{z 9}"};

std::vector<std::wstring> MarkupSeeds()
{
    std::vector<std::wstring> seeds = {
        L"<b>Sensitivity</b> level {x 4}<c #FF00FF>word,</c> <a link>abc</a>{i strip.png 18 3}<n>",
        L"<f Tahoma 12 bold italic><u>x</u></f><p 3><v center>%{12}</v></p>{y 20}<r>abc</r>",
        L"{s}<i>word, word, word</i>{/s} <x -30>{c #FF00FF}abc{/c}{i file='strip.png' restype='x'}\n<{>",
    };
    return seeds;
}

TEST(HostileMarkup, MutatedTextAlwaysFinishes)
{
    test::ScratchDir dir(L"render_hostile");
    ASSERT_TRUE(test::WriteBytes(dir.Sub(L"strip.png"), test::EncodePng(72, 4, test::SolidRgba(72, 4, 0xFF336699))));
    SkinResourcesUI::SetResourceFolder(dir.path().c_str());
    test::MemCanvas canvas(120, 80);
    const UINT formats[] = {0, DT_SINGLELINE, DT_WORDBREAK, DT_END_ELLIPSIS, DT_SINGLELINE | DT_CENTER | DT_VCENTER,
                            DT_WORDBREAK | DT_END_ELLIPSIS | DT_RIGHT | DT_BOTTOM, DT_CENTER};
    const std::vector<std::wstring> seeds = MarkupSeeds();
    std::vector<std::wstring> tokens;
    for (const wchar_t* piece : kPieces) tokens.emplace_back(piece);
    hostile::Mutator mutator(7);
    std::unique_ptr<test::ManagerHost> host;
    for (int round = 0; round < 5000; ++round) {
        // A fresh manager now and then, so that fonts made by markup do not pile up.
        if (round % 250 == 0) host.reset(new test::ManagerHost);
        // Zero-terminated at the end of a guarded page: reading past the end faults.
        const hostile::GuardedBytes text(mutator.Mutate(seeds, tokens));
        const int width = 1 + static_cast<int>(mutator.Below(120));
        const int height = 1 + static_cast<int>(mutator.Below(80));
        UINT format = formats[mutator.Below(sizeof formats / sizeof formats[0])];
        if (round % 2) format |= DT_CALCRECT;
        RECT rc = {0, 0, width, height};
        RECT links[2] = {};
        CUIString linkTexts[2];
        int linkCount = 2;
        CRendererUI::DrawMarkupText(canvas.dc(), host->manager(), rc, text.text(), 0xFFFFFFFF, links, linkTexts,
                                    linkCount, -1, format);
        ASSERT_GE(linkCount, 0);
        ASSERT_LE(linkCount, 2);
        if (format & DT_CALCRECT) {
            ASSERT_LE(rc.right, width) << "round " << round;
        }
    }
    host.reset();
    SkinResourcesUI::SetResourceFolder(L"");
}

// A markup face longer than a font keeps is found again by the face as kept,
// so repeated paints make no further fonts.
TEST(HostileMarkup, LongFontFaceIsMadeOnce)
{
    test::ManagerHost host;
    test::MemCanvas canvas(120, 80);
    const wchar_t* const text = L"{f VastemorCondensedExtraLightDisplayNarrow 12}a<b>b</b>{/f}";
    auto draw = [&] {
        RECT rc = {0, 0, 120, 80};
        int linkCount = 0;
        CRendererUI::DrawMarkupText(canvas.dc(), host.manager(), rc, text, 0xFFFFFFFF, nullptr, nullptr, linkCount,
                                    -1, 0);
    };
    draw();
    const int fonts = host.manager()->GetFontCount();
    const DWORD objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int paint = 0; paint < 20; ++paint) draw();
    EXPECT_EQ(fonts, host.manager()->GetFontCount());
    EXPECT_EQ(objects, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
}

}  // namespace
}  // namespace SkinUI
