// Display texts of the mice's stored button assignments.
#include "app/core/keys/assignment_texts.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "binder_fakes.h"

#include <cstring>

namespace {

using AssignmentTexts = FakeBinderTest;

TEST_F(AssignmentTexts, KelvoKeysFixedFunctionsAndMacros) {
    SkinUI::CWindowManagerUI::AddLanguageText(99, L"Double click");
    EXPECT_STREQ(GetAssignmentTextKelvo(2, 3, 0x04, binder), L"Ctrl+Shift+A");
    EXPECT_STREQ(GetAssignmentTextKelvo(2, 8, 7, binder), L"Double click");
    EXPECT_STREQ(GetAssignmentTextKelvo(0, 1, 0, binder), L"%{095}") << "not a left button";
    EXPECT_STREQ(GetAssignmentTextKelvo(3, 0x02, 0x2A, binder), L"%{036}");
    EXPECT_TRUE(GetAssignmentTextKelvo(11, 0, 0, binder).IsEmpty());

    KelvoMacroCache[0x121] = MakeMacro(L"Cached", 0x121);
    EXPECT_STREQ(GetAssignmentTextKelvo(6, 0x01, 0x21, binder), L"Cached");
    EXPECT_TRUE(fake.Names().empty()) << "a cached macro is not read";
    fake.On("Device_Get_Marco_Buffer_Kelvo", [](const CallArgs& a) {
        std::memcpy(Out<uint8_t>(a[1]), "\0R\0d", 4);
        return 0;
    });
    EXPECT_STREQ(GetAssignmentTextKelvo(14, 0x02, 0x00, binder), L"Rd");
    EXPECT_EQ(KelvoMacroCache.count(0x200), 1u);
    fake.Answer("Device_Get_Marco_Buffer_Kelvo_Driver", -1);
    EXPECT_TRUE(GetAssignmentTextKelvoDriver(6, 0x02, 0x00, binder).IsEmpty()) << "the driver has its own cache";
}

TEST_F(AssignmentTexts, NolxKeysFireKeysFireMacrosAndMacros) {
    EXPECT_STREQ(GetAssignmentTextDolv(2, 3, 0, 0x04), L"Ctrl+Shift+A");
    EXPECT_STREQ(GetAssignmentTextQiro(2, 0, 0x04, 0x05), L"A+B");

    auto& fireKeys = DeviceSettings.FireKeyTableDolv;
    fireKeys[0] = {2, 0x0100};
    fireKeys[1] = {2, 0x0050};
    EXPECT_STREQ(GetAssignmentTextDolv(6, 0x92, 0x00, 0x50), L"%{123}") << "code matches entry 1, value entry 2";
    EXPECT_EQ(fireKeys[1].continueFlag, 1);
    EXPECT_EQ(fireKeys[0].continueFlag, 0);
    EXPECT_EQ(fireKeys[0].value, 0x0100);
    EXPECT_STREQ(GetAssignmentTextDolv(6, 0x12, 0x00, 0x50), L"%{123}");
    EXPECT_EQ(fireKeys[1].continueFlag, 0) << "high nibble 1";
    EXPECT_TRUE(GetAssignmentTextDolv(6, 0x12, 0x00, 0x51).IsEmpty());
    DeviceSettings.FireKeyTableMesk[0] = {1, 7};
    GetAssignmentTextMesk(6, 0x81, 0, 7);
    EXPECT_EQ(DeviceSettings.FireKeyTableMesk[0].continueFlag, 1) << "Mesk: bit 7";

    EXPECT_TRUE(GetAssignmentTextDolv(11, 6, 0, 0x35).IsEmpty());
    EXPECT_EQ(DolvLastFireMacroByte, 0x35);
    EXPECT_STREQ(GetAssignmentTextQiro(11, 22, 0, 1), L"%{106}");
    EXPECT_STREQ(GetAssignmentTextQiro(11, 143, 0, 2), L"%{131}");

    DolvMacroList = {MakeMacro(L"From file")};
    DolvDeviceMacroList = {MakeMacro(L"Burst", 0x0230)};
    EXPECT_STREQ(GetAssignmentTextDolv(16, 0x02, 0x30, 0), L"Burst") << "numbers are the controller's";
    EXPECT_STREQ(GetAssignmentTextDolv(16, 7, 16, 0), L"%{130}");
    EXPECT_TRUE(GetAssignmentTextMesk(16, 0x02, 0x30, 0).IsEmpty());
}

}  // namespace
