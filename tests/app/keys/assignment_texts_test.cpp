// Display texts of the mice's stored button assignments.
#include "app/core/assignment_texts.h"
#include "app/core/device_settings.h"
#include "app/core/settings_containers.h"
#include "binder_fakes.h"

#include <cstring>

namespace {

using SkinUI::CWindowManagerUI;

using AssignmentTexts = FakeBinderTest;

TEST_F(AssignmentTexts, KelvoKeysButtonsAndFixedFunctions) {
    CWindowManagerUI::AddLanguageText(99, L"Double click");
    CWindowManagerUI::AddLanguageText(95, L"Disabled");
    EXPECT_STREQ(GetAssignmentTextKelvo(2, 3, 0x04, binder), L"Ctrl+Shift+A");
    EXPECT_STREQ(GetAssignmentTextKelvo(2, 0x8F, 0x05, binder), L"Ctrl+Shift+Alt+Win+B");
    EXPECT_STREQ(GetAssignmentTextKelvo(2, 0, 0x28, binder), L"Enter");
    EXPECT_STREQ(GetAssignmentTextKelvo(2, 8, 7, binder), L"Double click");
    EXPECT_STREQ(GetAssignmentTextKelvo(0, 1, 0, binder), L"Disabled") << "type 0 whatever its bytes";
    EXPECT_STREQ(GetAssignmentTextKelvoDriver(2, 1, 0x1D, binder), L"Ctrl+Z");

    EXPECT_STREQ(GetAssignmentTextKelvo(1, 8, 0, binder), L"%{079}") << "side buttons cross over here";
    EXPECT_STREQ(GetAssignmentTextKelvo(1, 16, 0, binder), L"%{078}");
    EXPECT_TRUE(GetAssignmentTextKelvo(1, 3, 0, binder).IsEmpty());
    EXPECT_STREQ(GetAssignmentTextKelvo(3, 0x02, 0x2A, binder), L"%{036}");
    EXPECT_STREQ(GetAssignmentTextKelvo(3, 0x00, 0xE9, binder), L"%{024}");
    EXPECT_TRUE(GetAssignmentTextKelvo(3, 0x00, 0xE8, binder).IsEmpty());
    EXPECT_STREQ(GetAssignmentTextKelvo(12, 7, 0, binder), L"%{105}");
    EXPECT_STREQ(GetAssignmentTextKelvo(12, 10, 0, binder), L"%{106}");
    EXPECT_TRUE(GetAssignmentTextKelvo(12, 11, 0, binder).IsEmpty());
    EXPECT_STREQ(GetAssignmentTextKelvo(16, 0, 0, binder), L"%{094}");
    EXPECT_TRUE(GetAssignmentTextKelvo(4, 0, 0, binder).IsEmpty());
    EXPECT_TRUE(GetAssignmentTextKelvo(11, 0, 0, binder).IsEmpty());
    EXPECT_TRUE(GetAssignmentTextKelvo(99, 0, 0, binder).IsEmpty());
    EXPECT_TRUE(fake.Names().empty());
}

TEST_F(AssignmentTexts, KelvoMacrosComeFromTheCacheOrTheDevice) {
    EXPECT_STREQ(GetAssignmentTextKelvo(6, 0, 0xF0, binder), L"%{097}");
    KelvoMacroCache[0x121] = MakeMacro(L"Cached", 0x121);
    EXPECT_STREQ(GetAssignmentTextKelvo(6, 0x01, 0x21, binder), L"Cached");
    EXPECT_TRUE(fake.Names().empty()) << "a cached macro is not read";

    fake.On("Device_Get_Marco_Buffer_Kelvo", [](const CallArgs& a) {
        const uint8_t name[] = {0, 'R', 0, 'e', 0, 'a', 0, 'd'};
        std::memcpy(Out<uint8_t>(a[1]), name, sizeof(name));
        uint8_t* data = Out<uint8_t>(a[2]);
        data[0] = 1;
        data[1] = 2;
        return 0;
    });
    EXPECT_STREQ(GetAssignmentTextKelvo(14, 0x02, 0x00, binder), L"Read");
    ASSERT_EQ(KelvoMacroCache.count(0x200), 1u);
    EXPECT_EQ(fake.CallsTo("Device_Get_Marco_Buffer_Kelvo").at(0).at(0), 0x200);

    fake.Answer("Device_Get_Marco_Buffer_Kelvo_Driver", -1);
    EXPECT_TRUE(GetAssignmentTextKelvoDriver(6, 0x02, 0x00, binder).IsEmpty()) << "the other family's cache";
    EXPECT_TRUE(KelvoDriverMacroCache.empty());
}

TEST_F(AssignmentTexts, NolxKeyTextsJoinModifiersAndBothKeys) {
    CWindowManagerUI::AddLanguageText(99, L"Double click");
    EXPECT_STREQ(GetAssignmentTextDolv(2, 3, 0, 0x04), L"Ctrl+Shift+A");
    EXPECT_STREQ(GetAssignmentTextQiro(2, 0, 0x04, 0x05), L"A+B");
    EXPECT_STREQ(GetAssignmentTextMesk(2, 8, 0, 0x06), L"Win+C");
    EXPECT_STREQ(GetAssignmentTextMesk(2, 4, 0, 0), L"Alt");
    EXPECT_STREQ(GetAssignmentTextQiro(2, 8, 7, 0), L"Double click");
    EXPECT_TRUE(GetAssignmentTextQiro(2, 0, 0, 0).IsEmpty());
    EXPECT_STREQ(GetAssignmentTextDolv(1, 8, 0, 0), L"%{079}");
    EXPECT_STREQ(GetAssignmentTextDolv(4, 3, 0, 0), L"%{121}");
    EXPECT_TRUE(GetAssignmentTextDolv(4, 0, 0, 0).IsEmpty());
    EXPECT_STREQ(GetAssignmentTextQiro(7, 0xFA, 0, 0), L"%{127}") << "bits 3 to 6 do not count";
    EXPECT_STREQ(GetAssignmentTextQiro(8, 0, 0, 0), L"%{92}");
    EXPECT_STREQ(GetAssignmentTextQiro(9, 2, 0, 0), L"%{91}");
    EXPECT_TRUE(GetAssignmentTextQiro(10, 2, 0, 0).IsEmpty());
    EXPECT_TRUE(GetAssignmentTextQiro(13, 0, 0, 0).IsEmpty());
}

TEST_F(AssignmentTexts, FireKeyFindsTheEntryWithCodeAndValueAndSetsItsFlag) {
    auto& table = DeviceSettings.FireKeyTableDolv;
    table[0] = {2, 0x0100};
    table[1] = {2, 0x0050};
    table[2] = {3, 0x0050};

    EXPECT_STREQ(GetAssignmentTextDolv(6, 0x92, 0x00, 0x50), L"%{123}");
    EXPECT_EQ(table[1].continueFlag, 1) << "high nibble 9: continues";
    EXPECT_EQ(table[0].continueFlag, 0);
    EXPECT_EQ(table[0].value, 0x0100) << "entry 1 stays as stored";

    EXPECT_STREQ(GetAssignmentTextDolv(6, 0x12, 0x00, 0x50), L"%{123}");
    EXPECT_EQ(table[1].continueFlag, 0) << "high nibble 1: stops";
    EXPECT_STREQ(GetAssignmentTextDolv(6, 0x13, 0x00, 0x50), L"%{124}");
    EXPECT_TRUE(GetAssignmentTextDolv(6, 0x12, 0x00, 0x51).IsEmpty());

    auto& mesk = DeviceSettings.FireKeyTableMesk;
    mesk[0] = {1, 7};
    EXPECT_STREQ(GetAssignmentTextMesk(6, 0x11, 0, 7), L"%{122}");
    EXPECT_EQ(mesk[0].continueFlag, 0) << "Mesk: bit 7 alone decides";
    EXPECT_STREQ(GetAssignmentTextMesk(6, 0x81, 0, 7), L"%{122}");
    EXPECT_EQ(mesk[0].continueFlag, 1);
    EXPECT_EQ(DeviceSettings.FireKeyTableQiro[0].continueFlag, 0);
}

TEST_F(AssignmentTexts, FireMacrosKeepTheirLastByte) {
    EXPECT_STREQ(GetAssignmentTextDolv(11, 0, 0, 0x33), L"%{100}");
    EXPECT_EQ(DolvLastFireMacroByte, 0x33);
    EXPECT_STREQ(GetAssignmentTextDolv(11, 23, 0, 0x34), L"%{106}");
    EXPECT_TRUE(GetAssignmentTextDolv(11, 6, 0, 0x35).IsEmpty());
    EXPECT_EQ(DolvLastFireMacroByte, 0x35) << "kept even without a text";
    EXPECT_STREQ(GetAssignmentTextQiro(11, 22, 0, 1), L"%{106}");
    EXPECT_TRUE(GetAssignmentTextQiro(11, 7, 0, 1).IsEmpty());
    EXPECT_STREQ(GetAssignmentTextQiro(11, 143, 0, 2), L"%{131}");
    EXPECT_TRUE(GetAssignmentTextMesk(11, 143, 0, 9).IsEmpty());
    EXPECT_EQ(MeskLastFireMacroByte, 9);
    EXPECT_EQ(QiroLastFireMacroByte, 2);
}

TEST_F(AssignmentTexts, NolxMacrosAreNamedFromTheDeviceList) {
    DolvMacroList = {MakeMacro(L"From file")};
    DolvDeviceMacroList = {MakeMacro(L"Zero", 0x0000), MakeMacro(L"Burst", 0x0230)};
    EXPECT_STREQ(GetAssignmentTextDolv(16, 0x02, 0x30, 0), L"Burst");
    EXPECT_STREQ(GetAssignmentTextDolv(16, 0x00, 0x00, 0), L"Zero");
    EXPECT_TRUE(GetAssignmentTextDolv(16, 0x03, 0x00, 0).IsEmpty());
    EXPECT_STREQ(GetAssignmentTextDolv(16, 7, 16, 0), L"%{130}");
    EXPECT_STREQ(GetAssignmentTextQiro(16, 48, 0, 0), L"%{130}");
    EXPECT_TRUE(GetAssignmentTextMesk(16, 0x02, 0x30, 0).IsEmpty()) << "another family's list";
}

}  // namespace
