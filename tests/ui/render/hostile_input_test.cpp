#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tests/ui/render/manager_host.h"
#include "tests/ui/support/scratch_dir.h"
#include "tests/ui/support/image_writer.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/core/image_loader.h"
#include "ui/core/renderer.h"
#include "ui/core/skin_resources.h"

namespace SkinUI {
namespace {

std::vector<BYTE> Mutate(std::vector<BYTE> bytes, std::mt19937& random)
{
    switch (random() % 3) {
    case 0:  // flip a few bytes
        for (int i = 1 + random() % 8; i > 0 && !bytes.empty(); --i)
            bytes[random() % bytes.size()] = static_cast<BYTE>(random());
        break;
    case 1:  // cut short
        bytes.resize(random() % (bytes.size() + 1));
        break;
    default:  // rewrite a header field (sizes, types)
        for (size_t i = 8 + random() % 24, n = 0; n < 4 && i < bytes.size(); ++i, ++n)
            bytes[i] = static_cast<BYTE>(random() % 2 ? 0xFF : random());
        break;
    }
    return bytes;
}

TEST(HostileImages, MutatedImagesDecodeOrFailCleanly)
{
    std::vector<BYTE> rgba = test::SolidRgba(16, 16, 0x80FF8040);
    for (int i = 0; i < 16; ++i) test::SetRgbaPixel(rgba, 16, i, i, 0xFF00FFFF);
    const std::vector<BYTE> png = test::EncodePng(16, 16, rgba);
    std::mt19937 random(20240611);
    int decoded = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::vector<BYTE> input = Mutate(round % 7 == 0 ? Mutate(png, random) : png, random);
        ImageRecordUI* image = ImageLoaderUI::Decode(input.data(), input.size(), 0xFF00FFFF);
        if (!image) continue;
        ++decoded;
        ASSERT_TRUE(image->bitmap);
        ASSERT_TRUE(ImageLoaderUI::FitsLimits(image->width, image->height));
        CRendererUI::FreeImage(image);
    }
    EXPECT_GT(decoded, 0);
}

const wchar_t* const kPieces[] = {
    L"<b>", L"</b>", L"{x 4}", L"{x", L"<x -30>", L"<a link>", L"</a>", L"{a}", L"{c #FF00FF}", L"</c>",
    L"<f 1>", L"<f Tahoma 12 bold italic>", L"</f>", L"<i>", L"</i>", L"{i strip.png 18 3}",
    L"{i strip.png 0 -1}", L"{i file='strip.png' restype='x'}", L"<n>", L"<p 3>", L"</p>", L"<r>", L"</r>",
    L"{/r", L"{s}", L"{/s}", L"<u>", L"<v center>", L"<v top>", L"</v>", L"{y 20}", L"{y -5}", L"<{>",
    L"{>}", L"<", L"{", L">", L"}", L" ", L"\n", L"abc", L"word,", L"Sensitivity level", L"%{12}", L"x",
    L"</", L"<q>", L"{z 9}"};

std::wstring RandomMarkup(std::mt19937& random)
{
    std::wstring text;
    for (int n = 1 + random() % 20; n > 0; --n) text += kPieces[random() % (sizeof kPieces / sizeof kPieces[0])];
    for (int n = random() % 4; n > 0 && !text.empty(); --n) {
        const size_t at = random() % text.size();
        if (random() % 2) text.erase(at, 1 + random() % 3);
        else text.insert(at, 1, static_cast<wchar_t>(L" <>{}/#0a\n"[random() % 10]));
    }
    return text;
}

TEST(HostileMarkup, MutatedTextAlwaysFinishes)
{
    test::ScratchDir dir(L"render_hostile");
    ASSERT_TRUE(test::WriteBytes(dir.Sub(L"strip.png"), test::EncodePng(72, 4, test::SolidRgba(72, 4, 0xFF336699))));
    SkinResourcesUI::SetResourceFolder(dir.path().c_str());
    test::MemCanvas canvas(120, 80);
    const UINT formats[] = {0, DT_SINGLELINE, DT_WORDBREAK, DT_END_ELLIPSIS, DT_SINGLELINE | DT_CENTER | DT_VCENTER,
                            DT_WORDBREAK | DT_END_ELLIPSIS | DT_RIGHT | DT_BOTTOM, DT_CENTER};
    std::mt19937 random(7);
    std::unique_ptr<test::ManagerHost> host;
    for (int round = 0; round < 2500; ++round) {
        // A fresh manager now and then, so that fonts made by markup do not pile up.
        if (round % 250 == 0) host.reset(new test::ManagerHost);
        const std::wstring text = RandomMarkup(random);
        const int width = 1 + static_cast<int>(random() % 120);
        const int height = 1 + static_cast<int>(random() % 80);
        UINT format = formats[random() % (sizeof formats / sizeof formats[0])];
        if (round % 2) format |= DT_CALCRECT;
        RECT rc = {0, 0, width, height};
        RECT links[2] = {};
        CUIString linkTexts[2];
        int linkCount = 2;
        CRendererUI::DrawMarkupText(canvas.dc(), host->manager(), rc, text.c_str(), 0xFFFFFFFF, links, linkTexts,
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

}  // namespace
}  // namespace SkinUI
