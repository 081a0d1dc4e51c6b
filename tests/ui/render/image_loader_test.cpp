#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/render/image_seeds.h"
#include "tests/ui/render/owned_image.h"
#include "tests/ui/support/scratch_dir.h"
#include "tests/ui/support/image_writer.h"
#include "ui/core/image_loader.h"
#include "ui/core/renderer.h"
#include "ui/core/skin_resources.h"

namespace SkinUI {
namespace {

using ImagePtr = test::OwnedImage;
using test::StoredPixel;

ImagePtr Decode(const std::vector<BYTE>& bytes, DWORD mask = 0)
{
    return ImagePtr(ImageLoaderUI::Decode(bytes.data(), bytes.size(), mask));
}

TEST(ColorImage, EightDigitsAreArgbAndSixMeanTransparent)
{
    for (const wchar_t* text : {L"FF0000FF", L"#FF0000FF"}) {
        ImagePtr image(CRendererUI::LoadImage(text, L"*COLOR*", 0));
        ASSERT_TRUE(image) << text;
        EXPECT_EQ(image->width * image->height, 1);
        EXPECT_EQ(StoredPixel(*image, 0, 0), 0xFF0000FFu);
        EXPECT_FALSE(image->alpha);
    }
    ImagePtr clear(CRendererUI::LoadImage(L"0000FF", L"*COLOR*", 0));
    ASSERT_TRUE(clear);
    EXPECT_EQ(StoredPixel(*clear, 0, 0), 0u);
    EXPECT_TRUE(clear->alpha);

    ImagePtr half(CRendererUI::LoadImage(L"#80FF8000", L"*COLOR*", 0));
    ASSERT_TRUE(half);
    EXPECT_EQ(StoredPixel(*half, 0, 0), 0x80804000u);
}

TEST(Decoding, PixelsArePremultipliedTopRowFirst)
{
    std::vector<BYTE> rgba = test::SolidRgba(2, 2, 0xFF102030);
    test::SetRgbaPixel(rgba, 2, 1, 0, 0x80FFFFFF);
    test::SetRgbaPixel(rgba, 2, 0, 1, 0x00FF0000);
    ImagePtr image = Decode(test::EncodePng(2, 2, rgba));
    ASSERT_TRUE(image);
    EXPECT_EQ(StoredPixel(*image, 0, 0), 0xFF102030u);
    EXPECT_EQ(StoredPixel(*image, 1, 0), 0x80808080u);
    EXPECT_EQ(StoredPixel(*image, 0, 1), 0u);
    EXPECT_TRUE(image->alpha);

    ImagePtr opaque = Decode(test::EncodePng(3, 1, test::SolidRgba(3, 1, 0xFF445566)));
    ASSERT_TRUE(opaque);
    EXPECT_FALSE(opaque->alpha);
}

TEST(Decoding, MaskMatchesTheWholeFinishedPixel)
{
    const std::vector<BYTE> magenta = test::EncodePng(2, 1, test::SolidRgba(2, 1, 0xFFFF00FF));
    ImagePtr masked = Decode(magenta, 0xFFFF00FF);
    ASSERT_TRUE(masked);
    EXPECT_EQ(StoredPixel(*masked, 1, 0), 0u);
    EXPECT_TRUE(masked->alpha);

    ImagePtr sixDigits = Decode(magenta, 0x00FF00FF);
    ASSERT_TRUE(sixDigits);
    EXPECT_EQ(StoredPixel(*sixDigits, 1, 0), 0xFFFF00FFu);
    EXPECT_FALSE(sixDigits->alpha);
}

TEST(Decoding, CorruptTruncatedAndHugeImagesGiveNull)
{
    const std::vector<BYTE> good = test::EncodePng(8, 8, test::SolidRgba(8, 8, 0xFF00FF00));
    EXPECT_FALSE(Decode(std::vector<BYTE>(200, 0x5A)));
    EXPECT_FALSE(Decode(std::vector<BYTE>(good.begin(), good.begin() + 30)));
    EXPECT_FALSE(ImageLoaderUI::Decode(good.data(), 0, 0));

    // The header claims 60000 x 60000; only a tiny image's data follows.
    std::vector<BYTE> huge = good;
    const BYTE side[4] = {0, 0, 0xEA, 0x60};
    std::copy(side, side + 4, huge.begin() + 16);
    std::copy(side, side + 4, huge.begin() + 20);
    EXPECT_FALSE(Decode(huge));
    EXPECT_FALSE(ImageLoaderUI::CreateFromRgba(good.data(), 20000, 1, 0));

    // Radiance HDR is refused, even one whose runs of length 0 would never end.
    EXPECT_FALSE(Decode(test::EncodeHdr(false)));
    EXPECT_FALSE(Decode(test::EncodeHdr(true)));
}

// Skin folder and archive state are process-wide; each case sets and clears them.
class SkinSources : public ::testing::Test {
protected:
    SkinSources() : m_dir(L"render_skin") {}
    void SetUp() override
    {
        m_dir.MakeFolder(L"skin");
        m_dir.MakeFolder(L"skin\\img");
        m_dir.MakeFolder(L"work");
        m_dir.MakeFolder(L"work\\img");
        GetCurrentDirectoryW(MAX_PATH, m_savedCurrent);
        SetCurrentDirectoryW(m_dir.Sub(L"work").c_str());
        SkinResourcesUI::SetResourceFolder(m_dir.Sub(L"skin").c_str());
    }
    void TearDown() override
    {
        SkinResourcesUI::SetResourceZip(L"", false);
        SkinResourcesUI::SetResourceFolder(L"");
        SetCurrentDirectoryW(m_savedCurrent);
    }
    std::vector<BYTE> Png(DWORD argb) const { return test::EncodePng(2, 2, test::SolidRgba(2, 2, argb)); }

    test::ScratchDir m_dir;
    wchar_t m_savedCurrent[MAX_PATH] = {};
};

TEST_F(SkinSources, SkinFolderFirstThenTheCurrentFolder)
{
    ASSERT_TRUE(test::WriteBytes(m_dir.Sub(L"skin\\img\\a.png"), Png(0xFF0000FF)));
    ASSERT_TRUE(test::WriteBytes(m_dir.Sub(L"work\\img\\a.png"), Png(0xFFFF0000)));
    ASSERT_TRUE(test::WriteBytes(m_dir.Sub(L"work\\img\\b.png"), Png(0xFF00FF00)));
    ASSERT_TRUE(test::WriteBytes(m_dir.Sub(L"skin\\img\\c.png"), {}));
    ASSERT_TRUE(test::WriteBytes(m_dir.Sub(L"work\\img\\c.png"), Png(0xFF123456)));

    ImagePtr a(CRendererUI::LoadImage(L"img\\a.png", nullptr, 0));
    ASSERT_TRUE(a);
    EXPECT_EQ(StoredPixel(*a, 0, 0), 0xFF0000FFu);
    ImagePtr b(CRendererUI::LoadImage(L"img\\b.png", nullptr, 0));
    ASSERT_TRUE(b);
    EXPECT_EQ(StoredPixel(*b, 0, 0), 0xFF00FF00u);
    ImagePtr c(CRendererUI::LoadImage(L"img\\c.png", nullptr, 0));
    ASSERT_TRUE(c);
    EXPECT_EQ(StoredPixel(*c, 0, 0), 0xFF123456u);
    const std::wstring absolute = m_dir.Sub(L"work\\img\\b.png");
    EXPECT_TRUE(ImagePtr(CRendererUI::LoadImage(absolute.c_str(), nullptr, 0)));
    EXPECT_FALSE(ImagePtr(CRendererUI::LoadImage(L"img\\missing.png", nullptr, 0)));
}

TEST_F(SkinSources, ArchiveEntriesMatchIgnoringCase)
{
    ASSERT_TRUE(test::WriteBytes(m_dir.Sub(L"skin\\skin.zip"),
                                 test::EncodeStoredZip({{"Img/Button.PNG", Png(0xFFABCDEF)},
                                                        {"img/empty.png", {}},
                                                        {"img/broken.png", {1, 2, 3, 4, 5}}})));
    for (bool keepOpen : {false, true}) {
        SkinResourcesUI::SetResourceZip(L"skin.zip", keepOpen);
        ImagePtr button(CRendererUI::LoadImage(L"img\\button.png", nullptr, 0));
        ASSERT_TRUE(button) << "keep open " << keepOpen;
        EXPECT_EQ(StoredPixel(*button, 1, 1), 0xFFABCDEFu);
        EXPECT_FALSE(ImagePtr(CRendererUI::LoadImage(L"img\\empty.png", nullptr, 0)));
        EXPECT_FALSE(ImagePtr(CRendererUI::LoadImage(L"img\\broken.png", nullptr, 0)));
        SkinResourcesUI::SetResourceZip(L"", false);
    }
    // An entry the archive lacks is still found as a plain path.
    ASSERT_TRUE(test::WriteBytes(m_dir.Sub(L"work\\img\\plain.png"), Png(0xFF000080)));
    SkinResourcesUI::SetResourceZip(L"skin.zip", false);
    EXPECT_TRUE(ImagePtr(CRendererUI::LoadImage(L"img\\plain.png", nullptr, 0)));
}

TEST(ResourceImages, ByNumberAndByNameOfTheProgramModule)
{
    SkinResourcesUI::SetInstance(GetModuleHandleW(nullptr));
    for (LPCWSTR name : {static_cast<LPCWSTR>(MAKEINTRESOURCEW(101)), L"SWATCH"}) {
        ImagePtr image(CRendererUI::LoadImage(name, L"SKINIMG", 0));
        ASSERT_TRUE(image);
        EXPECT_EQ(StoredPixel(*image, 0, 0), 0xFF102030u);
    }
    EXPECT_FALSE(ImagePtr(CRendererUI::LoadImage(MAKEINTRESOURCEW(102), L"SKINIMG", 0)));
    EXPECT_FALSE(ImagePtr(CRendererUI::LoadImage(L"NOSUCH", L"SKINIMG", 0)));
}

}  // namespace
}  // namespace SkinUI
