#include <gtest/gtest.h>

#include <string>

#include "tests/ui/support/image_writer.h"
#include "ui/core/child_layout.h"
#include "ui/core/layout_builder.h"
#include "ui/core/vertical_layout.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;

namespace {

// A skin folder of its own with "XML\inner.xml", restored afterwards.
class ChildLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"vastemor_child_layout_" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder.c_str(), nullptr);
        CreateDirectoryW((folder + L"\\XML").c_str(), nullptr);
        const std::string inner =
            "<Window><VerticalLayout name=\"inner\"><Control name=\"leaf\"/></VerticalLayout></Window>";
        ASSERT_TRUE(test::WriteBytes(folder + L"\\XML\\inner.xml",
                                     std::vector<BYTE>(inner.begin(), inner.end())));
        previous = CWindowManagerUI::GetResourceFolder().GetData();
        CWindowManagerUI::SetResourceFolder(folder.c_str());
    }
    void TearDown() override
    {
        CWindowManagerUI::SetResourceFolder(previous.c_str());
        DeleteFileW((folder + L"\\XML\\inner.xml").c_str());
        RemoveDirectoryW((folder + L"\\XML").c_str());
        RemoveDirectoryW(folder.c_str());
    }

    std::wstring folder;
    std::wstring previous;
    CWindowManagerUI manager;
};

TEST_F(ChildLayoutTest, BuildsItsFileOnceWhenItJoinsAWindow)
{
    CLayoutBuilderUI builder;
    CControlUI* root = builder.Create(
        L"<Window><VerticalLayout><ChildLayout xmlfile=\"XML\\inner.xml\"/></VerticalLayout></Window>");
    ASSERT_NE(nullptr, root);
    CChildLayoutUI* child = static_cast<CChildLayoutUI*>(
        static_cast<CContainerUI*>(root->GetInterfaceByName(L"Container"))->GetItemAt(0));
    ASSERT_NE(nullptr, child->GetInterfaceByName(L"ChildLayout"));
    EXPECT_EQ(nullptr, child->GetInterfaceByName(L"IContainer"));
    EXPECT_EQ(0, child->GetCount());

    manager.AttachRoot(root);
    ASSERT_EQ(1, child->GetCount());
    EXPECT_EQ(child->GetItemAt(0), manager.FindControlByName(L"inner"));
    EXPECT_NE(nullptr, manager.FindControlByName(L"leaf"));

    // Moved to another container and given another file, it keeps what it built.
    CVerticalLayoutUI* other = new CVerticalLayoutUI;
    static_cast<CContainerUI*>(root)->AddItem(other);
    static_cast<CContainerUI*>(root)->RemoveItem(child, true);
    child->SetAttribute(L"xmlfile", L"XML\\missing.xml");
    other->AddItem(child);
    EXPECT_EQ(1, child->GetCount());
}

TEST_F(ChildLayoutTest, FileThatCannotBeBuiltLeavesItEmpty)
{
    CChildLayoutUI* child = new CChildLayoutUI;
    child->SetChildLayoutXml(L"XML\\missing.xml");
    CVerticalLayoutUI* root = new CVerticalLayoutUI;
    root->AddItem(child);
    manager.AttachRoot(root);
    EXPECT_EQ(0, child->GetCount());
}

}  // namespace
