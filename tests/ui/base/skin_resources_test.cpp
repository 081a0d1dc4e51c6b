#include "ui/core/skin_resources.h"

#include <gtest/gtest.h>

#include <string>

#include "scratch_folder.h"
#include "zip_builder.h"

using SkinUI::SkinResourcesUI;

TEST(SkinResources, FoldersEndWithASeparator)
{
    EXPECT_TRUE(SkinResourcesUI::GetInstanceFolder().IsEmpty());
    SkinResourcesUI::SetInstance(GetModuleHandleW(nullptr));
    EXPECT_EQ(GetModuleHandleW(nullptr), SkinResourcesUI::GetResourceModule());
    const std::wstring folder = SkinResourcesUI::GetInstanceFolder().GetData();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(L'\\', folder.back());
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    EXPECT_EQ(0u, std::wstring(module).find(folder));
    SkinResourcesUI::SetInstance(nullptr);

    SkinResourcesUI::SetResourceFolder(L"C:\\app\\res\\Skin");
    EXPECT_STREQ(L"C:\\app\\res\\Skin\\", SkinResourcesUI::GetResourceFolder());
    SkinResourcesUI::SetResourceFolder(L"C:/app/skin/");
    EXPECT_STREQ(L"C:/app/skin/", SkinResourcesUI::GetResourceFolder());
    SkinResourcesUI::SetResourceFolder(L"");
    EXPECT_TRUE(SkinResourcesUI::GetResourceFolder().IsEmpty());
}

TEST(SkinResources, TheKeptArchiveFollowsNameAndFlag)
{
    ScratchFolder scratch;
    ZipBuilder builder;
    builder.Add("a.xml", "<a/>");
    ASSERT_TRUE(ScratchFolder::WriteFile(scratch / L"skin.zip", builder.Build()));
    SkinResourcesUI::SetResourceFolder(scratch.Path().c_str());

    EXPECT_TRUE(SkinResourcesUI::IsResourceZipKeptOpen());
    SkinResourcesUI::SetResourceZip(L"skin.zip", true);
    const SkinUI::HZIPUI kept = SkinResourcesUI::GetResourceZipHandle();
    ASSERT_NE(nullptr, kept);
    SkinResourcesUI::SetResourceZip(L"skin.zip", true);
    EXPECT_EQ(kept, SkinResourcesUI::GetResourceZipHandle());

    SkinResourcesUI::SetResourceZip(L"skin.zip", false);
    EXPECT_FALSE(SkinResourcesUI::IsResourceZipKeptOpen());
    EXPECT_EQ(nullptr, SkinResourcesUI::GetResourceZipHandle());
    EXPECT_STREQ(L"skin.zip", SkinResourcesUI::GetResourceZipName());

    SkinResourcesUI::SetResourceZip(L"skin.zip", true);
    EXPECT_NE(nullptr, SkinResourcesUI::GetResourceZipHandle());
    SkinResourcesUI::CloseResourceZip();
    EXPECT_EQ(nullptr, SkinResourcesUI::GetResourceZipHandle());

    SkinResourcesUI::SetResourceZip(L"", true);
    EXPECT_EQ(nullptr, SkinResourcesUI::GetResourceZipHandle());
    SkinResourcesUI::SetResourceFolder(L"");
}
