#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/builder/builder_fixtures.h"
#include "tests/ui/support/image_writer.h"
#include "tests/ui/support/scratch_dir.h"
#include "ui/core/image_loader.h"
#include "ui/core/renderer.h"
#include "ui/core/skin_preload.h"
#include "ui/core/skin_resources.h"
#include "ui/core/xml_document.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

const char* const kPage =
    "<Window size=\"300,200\"><VerticalLayout name=\"page\" bkcolor=\"#FF202020\">"
    "<Control name=\"title\" text=\"Title\" height=\"30\" bkimage=\"file='Image\\dot.png' corner='1,1,1,1'\"/>"
    "<HorizontalLayout name=\"row\" padding=\"4,2,4,2\"><Control name=\"left\" width=\"80\" text=\"%{12}\"/>"
    "<Control name=\"right\" tooltip=\"tip\" userdata=\"7\"/></HorizontalLayout></VerticalLayout></Window>";

void WriteBytes(const std::wstring& path, const void* bytes, size_t size)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
}

void WriteText(const std::wstring& path, const std::string& text)
{
    WriteBytes(path, text.data(), text.size());
}

void WritePng(const std::wstring& path, DWORD argb, int side = 2)
{
    const std::vector<BYTE> png = EncodePng(side, side, SolidRgba(side, side, argb));
    WriteBytes(path, png.data(), png.size());
}

// A skin folder with a layout, the image it draws and a last layout that the
// preload reads after them.
class Skin {
public:
    explicit Skin(const wchar_t* name) : dir(name)
    {
        dir.MakeFolder(L"XML");
        dir.MakeFolder(L"Image");
        WriteText(dir.Sub(L"XML\\page.xml"), kPage);
        WriteText(dir.Sub(L"XML\\zlast.xml"), "<Window><Control/></Window>");
        WritePng(dir.Sub(L"Image\\dot.png"), 0xFF3366CC);
    }
    std::wstring Folder() const { return dir.path(); }

    ScratchDir dir;
};

// Builds from the skin folder in use while it lives.
class SkinInUse {
public:
    explicit SkinInUse(const std::wstring& folder) { SkinResourcesUI::SetResourceFolder(folder.c_str()); }
    ~SkinInUse()
    {
        SkinResourcesUI::SetResourceZip(L"", false);
        SkinResourcesUI::SetResourceFolder(L"");
    }
};

// Waits until the preload has read the last layout, and with it everything
// before it.
bool ReadToTheEnd()
{
    CXmlDocumentUI last;
    for (int i = 0; i < 500; ++i) {
        if (CSkinPreloadUI::TakeLayout(L"XML\\zlast.xml", last))
            return true;
        Sleep(10);
    }
    return false;
}

std::wstring Describe(CControlUI* control)
{
    std::wstring text = std::wstring(control->GetClassName()) + L" " + control->GetName().GetData() + L" [" +
                        control->GetText().GetData() + L"] " + std::to_wstring(control->GetFixedWidth()) + L"x" +
                        std::to_wstring(control->GetFixedHeight()) + L" " + control->GetToolTip().GetData() + L" " +
                        control->GetUserData().GetData() + L" " + control->GetBackgroundImage().GetData() + L" " +
                        std::to_wstring(control->GetBackgroundColor());
    IContainerUI* items = Items(control);
    for (int i = 0; items != nullptr && i < items->GetCount(); ++i)
        text += L"\n  " + Describe(items->GetItemAt(i));
    return text;
}

std::wstring Build(const wchar_t* layout)
{
    CLayoutBuilderUI builder;
    ControlPtr root(builder.Create(layout));
    return root != nullptr ? Describe(root.get()) : L"(nothing)";
}

std::vector<BYTE> Pixels(ImageRecordUI* image)
{
    if (image == nullptr)
        return {};
    std::vector<BYTE> pixels(image->bits, image->bits + image->width * image->height * 4);
    CRendererUI::FreeImage(image, true);
    return pixels;
}

std::vector<BYTE> FreshPixels(const std::wstring& path)
{
    std::vector<BYTE> bytes;
    if (!ImageLoaderUI::ReadWholeFile(path.c_str(), bytes))
        return {};
    return Pixels(ImageLoaderUI::Decode(bytes.data(), bytes.size(), 0));
}

TEST(SkinPreload, LayoutsAndImagesReadAheadBuildAndDrawAsTheFilesDo)
{
    Skin skin(L"preload_same");
    SkinInUse use(skin.Folder());
    const std::wstring fresh = Build(L"XML\\page.xml");
    const std::vector<BYTE> freshDot = FreshPixels(skin.dir.Sub(L"Image\\dot.png"));
    ASSERT_FALSE(freshDot.empty());
    {
        CSkinPreloadUI preload(skin.Folder().c_str(), {L"XML\\page.xml", L"XML\\*.xml"});
        ASSERT_TRUE(ReadToTheEnd());
        EXPECT_EQ(fresh, Build(L"XML\\page.xml"));
        EXPECT_EQ(freshDot, Pixels(CRendererUI::LoadImage(L"Image\\dot.png", nullptr, 0)));
        // Each was handed over once: the next loads read the files.
        CXmlDocumentUI document;
        EXPECT_FALSE(CSkinPreloadUI::TakeLayout(L"XML\\page.xml", document));
        EXPECT_EQ(nullptr, CSkinPreloadUI::TakeImage(L"Image\\dot.png", 0));
        EXPECT_EQ(fresh, Build(L"XML\\page.xml"));
        EXPECT_EQ(freshDot, Pixels(CRendererUI::LoadImage(L"Image\\dot.png", nullptr, 0)));
    }
    // Without a preload every load reads the skin.
    CXmlDocumentUI document;
    EXPECT_FALSE(CSkinPreloadUI::TakeLayout(L"XML\\zlast.xml", document));
    EXPECT_EQ(fresh, Build(L"XML\\page.xml"));
}

// Moves the file's last write time on by a second.
void Touch(const std::wstring& path)
{
    const HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    FILETIME written;
    GetFileTime(file, nullptr, nullptr, &written);
    ULARGE_INTEGER time{{written.dwLowDateTime, written.dwHighDateTime}};
    time.QuadPart += 10000000;
    written = FILETIME{time.LowPart, time.HighPart};
    SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
}

TEST(SkinPreload, AFileChangedSinceItWasReadIsReadAgain)
{
    Skin skin(L"preload_changed");
    SkinInUse use(skin.Folder());
    CSkinPreloadUI preload(skin.Folder().c_str(), {L"XML\\page.xml", L"XML\\zlast.xml"});
    ASSERT_TRUE(ReadToTheEnd());
    WriteText(skin.dir.Sub(L"XML\\page.xml"), "<Window><Control name=\"changed\" text=\"New text\"/></Window>");
    WritePng(skin.dir.Sub(L"Image\\dot.png"), 0xFF00FF00, 3);

    const std::wstring built = Build(L"XML\\page.xml");
    EXPECT_NE(std::wstring::npos, built.find(L"changed [New text]")) << built;
    const std::vector<BYTE> green = FreshPixels(skin.dir.Sub(L"Image\\dot.png"));
    ASSERT_FALSE(green.empty());
    EXPECT_EQ(green, Pixels(CRendererUI::LoadImage(L"Image\\dot.png", nullptr, 0)));
}

TEST(SkinPreload, AFileRewrittenWithTheSameSizeIsReadAgain)
{
    Skin skin(L"preload_same_size");
    SkinInUse use(skin.Folder());
    CSkinPreloadUI preload(skin.Folder().c_str(), {L"XML\\page.xml", L"XML\\zlast.xml"});
    ASSERT_TRUE(ReadToTheEnd());
    std::string rewritten = kPage;
    rewritten.replace(rewritten.find("Title"), 5, "Other");
    WriteText(skin.dir.Sub(L"XML\\page.xml"), rewritten);
    Touch(skin.dir.Sub(L"XML\\page.xml"));

    const std::wstring built = Build(L"XML\\page.xml");
    EXPECT_NE(std::wstring::npos, built.find(L"[Other]")) << built;
}

TEST(SkinPreload, AnotherSkinOrAMaskedImageIsNotTakenFromIt)
{
    Skin read(L"preload_read");
    Skin other(L"preload_other");
    WriteText(other.dir.Sub(L"XML\\page.xml"), "<Window><Control name=\"other\"/></Window>");
    WritePng(other.dir.Sub(L"Image\\dot.png"), 0xFFFF0000);
    CSkinPreloadUI preload(read.Folder().c_str(), {L"XML\\page.xml", L"XML\\zlast.xml"});
    {
        SkinInUse use(read.Folder());
        ASSERT_TRUE(ReadToTheEnd());
    }
    {
        SkinInUse use(other.Folder());
        EXPECT_NE(std::wstring::npos, Build(L"XML\\page.xml").find(L"Control other"));
        EXPECT_EQ(FreshPixels(other.dir.Sub(L"Image\\dot.png")),
                  Pixels(CRendererUI::LoadImage(L"Image\\dot.png", nullptr, 0)));
    }
    SkinInUse use(read.Folder());
    // A masked load decodes the file with its mask; a skin archive holds its own files.
    EXPECT_EQ(nullptr, CSkinPreloadUI::TakeImage(L"Image\\dot.png", 0xFF3366CC));
    SkinResourcesUI::SetResourceZip(L"skin.zip", false);
    CXmlDocumentUI document;
    EXPECT_FALSE(CSkinPreloadUI::TakeLayout(L"XML\\page.xml", document));
    SkinResourcesUI::SetResourceZip(L"", false);
    EXPECT_TRUE(CSkinPreloadUI::TakeLayout(L"XML\\page.xml", document));
    EXPECT_FALSE(Pixels(CSkinPreloadUI::TakeImage(L"Image\\dot.png", 0)).empty());
}

}  // namespace
