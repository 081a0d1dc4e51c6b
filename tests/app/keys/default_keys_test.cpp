// The keyboard's default key maps from "DefaultData_1.bin" and the page's key container.
#include "app/core/files/config_file_store.h"
#include "app/core/settings/settings_containers.h"
#include "key_container.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"
#include "ui/core/window_manager.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

class DefaultKeys : public ::testing::Test {
protected:
    void SetUp() override { ResetAppSettings(); }
    void TearDown() override { ResetAppSettings(); }
    void LoadAll() {
        store.LoadDefaultKeysSet1();
        store.LoadDefaultKeysSet2();
        store.LoadDefaultFunctionButtons();
    }

    TempFolder current;
    CurrentFolder inCurrent{current.Path()};
    SkinUI::CWindowManagerUI manager;
    ConfigFileStore store{&manager};
};

TEST_F(DefaultKeys, OneRecordPerChildFromEachSetsOffsets) {
    manager.AttachRoot(KeyContainer(L"key_button_container", 104));
    std::vector<uint8_t> image(2048);
    image[0x50 + 10] = 0x28;
    image[0x130 + 0x67] = 0x1E;
    image[0x108] = 0x3A;
    image[0x1E8 + 11] = 0x73;
    PutFile(current.File(L"DefaultData_1.bin"), image);
    LoadAll();
    ASSERT_EQ(WenkKeyMap1.size(), 104u);
    EXPECT_STREQ(WenkKeyMap1.rbegin()->first, L"KB_67");
    const KeyAssignmentRecord& key = *WenkKeyMap1.at(L"KB_0A");
    EXPECT_EQ(key.currentCode, 0x28);
    EXPECT_STREQ(key.defaultName, L"Enter");
    EXPECT_STREQ(WenkKeyMap2.at(L"KB_67")->name, L"1");
    EXPECT_STREQ(WenkFunctionButtonMap1.at(L"FN_1")->name, L"F1");
    EXPECT_STREQ(WenkFunctionButtonMap2.at(L"FN_12")->name, L"F24");
}

TEST_F(DefaultKeys, WithoutFileOrContainerTheMapsStay) {
    LoadAll();
    EXPECT_TRUE(WenkFunctionButtonMap1.empty());
    PutFile(current.File(L"DefaultData_1.bin"), std::vector<uint8_t>(2048, 0x04));
    manager.AttachRoot(KeyContainer(L"another_container", 10));
    LoadAll();
    EXPECT_TRUE(WenkKeyMap1.empty());
    EXPECT_EQ(WenkFunctionButtonMap1.size(), 12u);
}

TEST_F(DefaultKeys, TheSharedStoreReadsTheKeysOfTheLatestWindowsTree) {
    PutFile(current.File(L"DefaultData_1.bin"), std::vector<uint8_t>(2048, 0x04));
    auto first = std::make_unique<SkinUI::CWindowManagerUI>();
    first->AttachRoot(KeyContainer(L"key_button_container", 10));
    ConfigFileStore::Instance(first.get());
    first.reset();
    manager.AttachRoot(KeyContainer(L"key_button_container", 20));
    ConfigFileStore::Instance(&manager).LoadDefaultKeysSet1();
    EXPECT_EQ(WenkKeyMap1.size(), 20u);
    ConfigFileStore::Instance(nullptr).LoadDefaultKeysSet2();
    EXPECT_EQ(WenkKeyMap2.size(), 20u);
}

TEST_F(DefaultKeys, ShortLongAndRandomImagesAndAtMost152Keys) {
    manager.AttachRoot(KeyContainer(L"key_button_container", 200));
    std::mt19937 random(99);
    for (size_t size : {size_t{0}, size_t{0x50 + 10}, size_t{2047}, size_t{9000}}) {
        std::vector<uint8_t> image(size);
        for (uint8_t& b : image) b = static_cast<uint8_t>(random());
        PutFile(current.File(L"DefaultData_1.bin"), image);
        LoadAll();
        ASSERT_EQ(WenkKeyMap2.size(), 152u);
        const int last = size > 0x130 + 151 ? image[0x130 + 151] : 0;
        EXPECT_EQ(WenkKeyMap2.at(L"KB_97")->defaultCode, last) << "zero behind a short image";
    }
}

}  // namespace
