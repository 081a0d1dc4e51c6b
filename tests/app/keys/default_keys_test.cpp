// The keyboard's default key maps from "DefaultData_1.bin" and the page's key container.
#include "app/core/config_file_store.h"
#include "app/core/constants.h"
#include "app/core/settings_containers.h"
#include "app/core/wenk_profile_block.h"
#include "key_container.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"
#include "ui/core/window_manager.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<uint8_t> DefaultImage() {
    std::vector<uint8_t> image(2048);
    for (size_t i = 0; i < 152; ++i) {
        image[0x50 + i] = static_cast<uint8_t>(0x04 + i % 26);
        image[0x130 + i] = static_cast<uint8_t>(0x1E + i % 10);
    }
    for (size_t i = 0; i < 12; ++i) {
        image[0x108 + i] = static_cast<uint8_t>(0x3A + i);
        image[0x1E8 + i] = static_cast<uint8_t>(0x68 + i);
    }
    return image;
}

class DefaultKeys : public ::testing::Test {
protected:
    void SetUp() override { ResetAppSettings(); }
    void TearDown() override { ResetAppSettings(); }

    void UseContainer(int count, const wchar_t* name = L"key_button_container") {
        manager.AttachRoot(KeyContainer(name, count));
    }
    void PutImage(const std::vector<uint8_t>& image) { PutFile(current.File(L"DefaultData_1.bin"), image); }

    TempFolder current;
    CurrentFolder inCurrent{current.Path()};
    SkinUI::CWindowManagerUI manager;
    ConfigFileStore store{&manager};
};

TEST_F(DefaultKeys, OneRecordPerChildOfTheKeyContainerInEachSet) {
    UseContainer(104);
    PutImage(DefaultImage());
    store.LoadDefaultKeysSet1();
    store.LoadDefaultKeysSet2();
    ASSERT_EQ(WenkKeyMap1.size(), 104u);
    ASSERT_EQ(WenkKeyMap2.size(), 104u);
    EXPECT_EQ(WenkKeyMap1.begin()->first.Compare(L"KB_00"), 0);
    EXPECT_EQ(WenkKeyMap1.rbegin()->first.Compare(L"KB_67"), 0);
    const KeyAssignmentRecord& key = *WenkKeyMap1.at(L"KB_0A");
    EXPECT_EQ(key.defaultCode, 0x04 + 10);
    EXPECT_EQ(key.currentCode, 0x04 + 10);
    EXPECT_EQ(key.type, KeyAssignmentRecord::Key);
    EXPECT_STREQ(key.name, L"K");
    EXPECT_STREQ(key.defaultName, L"K");
    EXPECT_STREQ(WenkKeyMap2.at(L"KB_01")->name, L"2");

    store.LoadDefaultFunctionButtons();
    ASSERT_EQ(WenkFunctionButtonMap1.size(), 12u);
    EXPECT_STREQ(WenkFunctionButtonMap1.at(L"FN_12")->name, L"F12");
    EXPECT_STREQ(WenkFunctionButtonMap2.at(L"FN_1")->name, L"F13");

    WenkKeyMap1.at(L"KB_00")->currentCode = 0x28;
    store.LoadDefaultKeysSet1();
    EXPECT_EQ(WenkKeyMap1.at(L"KB_00")->currentCode, 0x04) << "a reload replaces the records";
}

TEST_F(DefaultKeys, AtMost152KeysAndNothingWithoutFileOrContainer) {
    UseContainer(200);
    PutImage(DefaultImage());
    store.LoadDefaultKeysSet2();
    EXPECT_EQ(WenkKeyMap2.size(), 152u);
    EXPECT_EQ(WenkKeyMap2.rbegin()->first.Compare(L"KB_97"), 0);

    DeleteFileW(current.File(L"DefaultData_1.bin").c_str());
    store.LoadDefaultKeysSet1();
    store.LoadDefaultFunctionButtons();
    EXPECT_TRUE(WenkKeyMap1.empty());
    EXPECT_TRUE(WenkFunctionButtonMap1.empty());

    PutImage(DefaultImage());
    UseContainer(10, L"another_container");
    store.LoadDefaultKeysSet1();
    EXPECT_TRUE(WenkKeyMap1.empty());

    ConfigFileStore withoutManager(nullptr);
    withoutManager.LoadDefaultKeysSet1();
    EXPECT_TRUE(WenkKeyMap1.empty());
}

TEST_F(DefaultKeys, ShortLongAndRandomImagesLoadWithinTheImage) {
    UseContainer(152);
    std::mt19937 random(99);
    std::uniform_int_distribution<int> byte(0, 255);
    for (size_t size : {size_t{0}, size_t{1}, size_t{0x50 + 10}, size_t{0x1E8}, size_t{2047}, size_t{2048}, size_t{9000}}) {
        std::vector<uint8_t> image(size);
        for (uint8_t& b : image) b = static_cast<uint8_t>(byte(random));
        PutImage(image);
        store.LoadDefaultKeysSet1();
        store.LoadDefaultKeysSet2();
        store.LoadDefaultFunctionButtons();
        ASSERT_EQ(WenkKeyMap1.size(), 152u) << size;
        ASSERT_EQ(WenkFunctionButtonMap2.size(), 12u);
        const int expected = size > 0x50 + 151 ? image[0x50 + 151] : 0;
        EXPECT_EQ(WenkKeyMap1.at(L"KB_97")->defaultCode, expected) << "zero behind a short image";
        EXPECT_EQ(WenkFunctionButtonMap2.at(L"FN_12")->defaultCode, size > 0x1F3 ? image[0x1F3] : 0);
    }
}

}  // namespace
