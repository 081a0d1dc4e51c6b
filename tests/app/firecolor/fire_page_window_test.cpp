// The fire-key pages hosted in a window and edited through their controls,
// over records in memory (no controller: the sends fail unnoticed).
#include "app/dialogs/fire/fire_key_edit.h"
#include "app/windows/nolx_fire_state.h"
#include "tests/app/firecolor/fire_page_host.h"
#include "tests/app/firecolor/picker_driver.h"
#include "tests/app/firecolor/test_skin.h"
#include "ui/controls/check_box.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace SkinUI;
using namespace firecolor_test;

namespace {

// Record i: stop off, repeat count 3 + i, vertical move i, delay 8 (i + 1) ms.
void FillKelvoRecords(int count) {
    KelvoFireRecords.clear();
    for (int i = 0; i < count; ++i) {
        auto record = std::make_unique<FireRecordKelvo>();
        const uint8_t steps[] = {0, 0xA1, 0xFD, uint8_t(2 + i), 0, 0, 0xFA, uint8_t(i), 0xFE, uint8_t(i + 1), 0x21};
        std::copy(std::begin(steps), std::end(steps), record->steps);
        record->yAxis = static_cast<int8_t>(-i);
        record->red = 10 * i;
        record->green = 0x80;
        record->blue = 0xFF;
        KelvoFireRecords.push_back(std::move(record));
    }
}

// Record i: count 5 + i, move (i, -i), shoot time 100 + i.
void FillNolxRecords(RecordList<FireMacroRecord>& list, int count) {
    list.clear();
    for (int i = 0; i < count; ++i) {
        auto record = std::make_unique<FireMacroRecord>();
        const uint8_t steps[] = {0xFD, uint8_t(5 + i), 0xA1, 0x04, uint8_t(i), uint8_t(-i), 0xFE, 0, uint8_t(100 + i), 0x21, 0xFC};
        std::copy(std::begin(steps), std::end(steps), record->steps);
        record->xAdjust = 1;
        record->yAdjust = static_cast<int8_t>(-2);
        record->red = 0x20;
        record->green = 0x40;
        record->blue = 0x60 + i;
        list.push_back(std::move(record));
    }
}

const FireRecordKelvo& Kelvo(int index) { return *KelvoFireRecords[index]; }

class FirePages : public ::testing::Test {
protected:
    void SetUp() override { UseTestSkin(); }
    void TearDown() override {
        CWindowManagerUI::SetResourceFolder(L"");
        KelvoFireRecords.clear();
        DolvFireMacros.clear();
        MeskFireMacros.clear();
        QiroFireMacros.clear();
        keepLeftFireFlagDolv = keepLeftFireFlagMesk = keepLeftFireFlagQiro = 0;
    }

    PageServices services;
};

bool Visible(FirePageHost& host, const wchar_t* name) {
    const CControlUI* c = host.Control(name);
    return c != nullptr && c->IsVisible();
}

}  // namespace

TEST_F(FirePages, KelvoPresetsShowTheirStagesAndTheirRecordsValues) {
    FillKelvoRecords(10);
    FirePageHost host(new FireKeyEdit_Kelvo(services, UnboundBinder()));
    ASSERT_EQ(FireKeyEdit_Kelvo::Current(), &host.page);
    EXPECT_EQ(host.page.PresetIndex(), -1);
    host.page.SelectFirstPresetIfNone();
    EXPECT_EQ(host.page.PresetIndex(), 0);
    EXPECT_FALSE(Visible(host, L"result_fire_count2_Kelvo"));
    EXPECT_FALSE(Visible(host, L"fire_stop_check_3_Kelvo"));
    EXPECT_EQ(host.Text(L"result_fire_count1_Kelvo"), L"3");
    EXPECT_EQ(host.Text(L"result_fire_Y-Axis1_Kelvo"), L"0");
    EXPECT_EQ(host.Text(L"result_fire_delay_times1_Kelvo"), L"8");
    EXPECT_EQ(host.Control(L"result_fire_color1_Kelvo")->GetBackgroundColor(), 0xFF0080FFu);

    host.Click(L"gun_556mm_Fire_Kelvo");
    EXPECT_EQ(host.page.PresetIndex(), 5);
    EXPECT_TRUE(Visible(host, L"result_fire_delay_times2_Kelvo"));
    EXPECT_FALSE(Visible(host, L"result_fire_color3_Kelvo"));
    EXPECT_EQ(host.Text(L"result_fire_count1_Kelvo"), L"8");  // record 5
    EXPECT_EQ(host.Text(L"result_fire_count2_Kelvo"), L"9");  // record 6
    EXPECT_EQ(host.Text(L"result_fire_Y-Axis_offset2_Kelvo"), L"-6");

    host.Click(L"gun_762mm_Fire_Kelvo");
    EXPECT_TRUE(Visible(host, L"fire_stop_check_3_Kelvo"));
    EXPECT_EQ(host.Text(L"result_fire_Y-Axis3_Kelvo"), L"9");  // record 9
    EXPECT_EQ(host.Text(L"result_fire_delay_times3_Kelvo"), L"80");

    // Selecting the tab again keeps the shown preset.
    host.page.SelectFirstPresetIfNone();
    EXPECT_EQ(host.page.PresetIndex(), 6);
}

TEST_F(FirePages, KelvoEditsAreHeldToTheirLimitsAndStoredInPlace) {
    FillKelvoRecords(10);
    FirePageHost host(new FireKeyEdit_Kelvo(services, UnboundBinder()));
    host.Click(L"gun_M16_Kelvo");  // record 1
    host.Type(L"result_fire_count1_Kelvo", L"0");
    EXPECT_EQ(Kelvo(1).steps[3], 0xFF);  // reads back as 256
    host.Type(L"result_fire_delay_times1_Kelvo", L"15");
    EXPECT_EQ(Kelvo(1).steps[9], 1);
    host.Type(L"result_fire_delay_times1_Kelvo", L"2047");
    EXPECT_EQ(host.Text(L"result_fire_delay_times1_Kelvo"), L"2040");
    EXPECT_EQ(Kelvo(1).steps[9], 1);  // the refused value stored nothing

    host.Type(L"result_fire_Y-Axis_offset1_Kelvo", L"40");
    EXPECT_EQ(Kelvo(1).yAxis, 40);
    host.Type(L"result_fire_Y-Axis1_Kelvo", L"100");
    EXPECT_EQ(host.Text(L"result_fire_Y-Axis1_Kelvo"), L"87");
    EXPECT_EQ(Kelvo(1).steps[7], 1);
    host.Type(L"result_fire_Y-Axis1_Kelvo", L"87");
    EXPECT_EQ(Kelvo(1).steps[7], 87);

    // The stop box is taken with the next stored change.
    static_cast<CCheckBoxUI*>(host.Control(L"fire_stop_check_1_Kelvo"))->SetChecked(true);
    EXPECT_EQ(Kelvo(1).steps[0], 0);
    host.Type(L"result_fire_count1_Kelvo", L"256");
    EXPECT_EQ(Kelvo(1).steps[0], 1);
    EXPECT_EQ(Kelvo(1).steps[3], 0xFF);
    // The other records stay as they were.
    EXPECT_EQ(Kelvo(0).steps[3], 2);
    EXPECT_EQ(Kelvo(2).yAxis, -2);

    host.Click(L"gun_AKM_Kelvo");
    host.Click(L"gun_M16_Kelvo");
    EXPECT_EQ(host.Text(L"result_fire_count1_Kelvo"), L"256");
    EXPECT_TRUE(static_cast<CCheckBoxUI*>(host.Control(L"fire_stop_check_1_Kelvo"))->IsChecked());
}

TEST_F(FirePages, APresetWithAMissingRecordShowsAndStoresNothing) {
    FillKelvoRecords(8);  // records 8 and 9 missing
    FirePageHost host(new FireKeyEdit_Kelvo(services, UnboundBinder()));
    host.Type(L"result_fire_count1_Kelvo", L"7");  // no preset yet: nothing stored
    EXPECT_EQ(Kelvo(0).steps[3], 2);
    host.Click(L"gun_SCAR-L_Kelvo");
    EXPECT_EQ(host.Text(L"result_fire_count1_Kelvo"), L"7");
    host.Click(L"gun_762mm_Fire_Kelvo");
    EXPECT_TRUE(Visible(host, L"result_fire_count3_Kelvo"));
    EXPECT_EQ(host.Text(L"result_fire_count1_Kelvo"), L"7");  // record 7 not loaded either
    host.Type(L"result_fire_count1_Kelvo", L"20");
    EXPECT_EQ(Kelvo(7).steps[3], 9);
}

TEST_F(FirePages, AValueWithoutItsStepIsShownEmptyAndNeverWritten) {
    FillNolxRecords(DolvFireMacros, 10);
    DolvFireMacros[3]->steps[6] = 0x00;  // record 3 loses its shoot time
    FirePageHost host(new FireKeyEdit_Dolv(services, UnboundBinder()));
    host.Click(L"gun_UMP9_Dolv");
    EXPECT_EQ(host.Text(L"result_fire_shoot_time_Value1_Dolv"), L"");
    EXPECT_FALSE(host.Control(L"result_fire_shoot_time_Value1_Dolv")->IsEnabled());
    host.Type(L"result_fire_gun_count1_Dolv", L"9");
    EXPECT_EQ(DolvFireMacros[3]->steps[1], 9);
    EXPECT_EQ(DolvFireMacros[3]->steps[7], 0);
    EXPECT_EQ(DolvFireMacros[3]->steps[8], 103);
    host.Click(L"gun_M4_Dolv");
    EXPECT_TRUE(host.Control(L"result_fire_shoot_time_Value1_Dolv")->IsEnabled());
    EXPECT_EQ(host.Text(L"result_fire_shoot_time_Value1_Dolv"), L"102");
}

TEST_F(FirePages, NolxMovesAdjustmentsAndShootTimesAreHeldToTheirLimits) {
    FillNolxRecords(DolvFireMacros, 10);
    FirePageHost host(new FireKeyEdit_Dolv(services, UnboundBinder()));
    host.Click(L"gun_762mm_Fire_Dolv");  // records 7, 8, 9
    EXPECT_EQ(host.Text(L"result_fire_X_Value3_Dolv"), L"9");
    EXPECT_EQ(host.Text(L"result_fire_Y_Value3_Dolv"), L"-9");
    EXPECT_EQ(host.Text(L"result_fire_X_Adjustment_Value2_Dolv"), L"1");
    EXPECT_EQ(host.Text(L"result_fire_Y_Adjustment_Value2_Dolv"), L"-2");
    FireMacroRecord& second = *DolvFireMacros[8];

    host.Type(L"result_fire_X_Value2_Dolv", L"-129");
    EXPECT_EQ(host.Text(L"result_fire_X_Value2_Dolv"), L"-128");
    host.Type(L"result_fire_X_Value2_Dolv", L"127");  // with adjustment 1
    EXPECT_EQ(host.Text(L"result_fire_X_Value2_Dolv"), L"126");
    host.Type(L"result_fire_X_Value2_Dolv", L"126");
    EXPECT_EQ(second.steps[4], 126);
    host.Type(L"result_fire_Y_Adjustment_Value2_Dolv", L"-200");
    EXPECT_EQ(second.yAdjust, static_cast<int8_t>(-200 & 0xFF));

    host.Type(L"result_fire_shoot_time_Value2_Dolv", L"65535");
    EXPECT_EQ(host.Text(L"result_fire_shoot_time_Value2_Dolv"), L"65534");
    host.Type(L"result_fire_shoot_time_Value2_Dolv", L"300");
    EXPECT_EQ(second.steps[7], 0x01);
    EXPECT_EQ(second.steps[8], 0x2C);
    // Stage 1 and 3 records were written back unchanged.
    EXPECT_EQ(DolvFireMacros[7]->steps[8], 107);
    EXPECT_EQ(DolvFireMacros[9]->steps[4], 9);
}

TEST_F(FirePages, TheKeepLeftBoxIsStoredWithTheNextChangeAndShownOnLoad) {
    FillNolxRecords(DolvFireMacros, 10);
    FirePageHost host(new FireKeyEdit_Dolv(services, UnboundBinder()));
    host.Click(L"gun_AKM_Dolv");
    auto* box = static_cast<CCheckBoxUI*>(host.Control(L"keep_left_check_Dolv"));
    box->SetChecked(true);
    EXPECT_EQ(keepLeftFireFlagDolv, 0);
    host.Type(L"result_fire_gun_count1_Dolv", L"3");
    EXPECT_EQ(keepLeftFireFlagDolv, 1);
    box->SetChecked(false, false);
    host.Click(L"gun_M16_Dolv");
    EXPECT_TRUE(box->IsChecked());
}

TEST_F(FirePages, MeskRecordsAreReadOverTheirLongerBuffer) {
    FillNolxRecords(MeskFireMacros, 10);
    MeskFireMacros[0]->steps[0] = 0x00;  // no count at the front ...
    MeskFireMacros[0]->steps[26] = 0xFD;  // ... but one past byte 24
    MeskFireMacros[0]->steps[27] = 42;
    FirePageHost host(new FireKeyEdit_Mesk(services, UnboundBinder()));
    host.page.SelectFirstPresetIfNone();
    EXPECT_EQ(host.Text(L"result_fire_gun_count1_Mesk"), L"42");
    host.Type(L"result_fire_gun_count1_Mesk", L"43");
    EXPECT_EQ(MeskFireMacros[0]->steps[27], 43);
    host.Click(L"gun_556mm_Fire_Mesk");
}

TEST_F(FirePages, QiroHasOneStagePerPreset) {
    FillNolxRecords(QiroFireMacros, 7);
    FirePageHost host(new FireKeyEdit_Qiro(services, UnboundBinder()));
    host.Click(L"gun_762mm_Fire_Qiro");
    EXPECT_EQ(host.page.PresetIndex(), 6);
    EXPECT_EQ(host.Text(L"result_fire_count_Qiro"), L"11");  // record 6
    EXPECT_EQ(host.Text(L"result_fire_shoot_time_Value_Qiro"), L"106");
    host.Type(L"result_fire_X_Adjustment_Value_Qiro", L"122");  // with X 6
    EXPECT_EQ(host.Text(L"result_fire_X_Adjustment_Value_Qiro"), L"121");
    host.page.ForgetPreset();
    host.page.SelectFirstPresetIfNone();
    EXPECT_EQ(host.Text(L"result_fire_count_Qiro"), L"5");
}

TEST_F(FirePages, AStageColourIsPickedAndStored) {
    FillNolxRecords(DolvFireMacros, 10);
    OwnerWindow owner(0, 0, 1080, 640);
    PageServices withOwner;
    withOwner.owner = &owner;
    FirePageHost host(new FireKeyEdit_Dolv(withOwner, UnboundBinder()));
    host.Click(L"gun_556mm_Fire_Dolv");
    RunDuringModalLoop([] {
        const PickerView picker = OpenPicker();
        ASSERT_NE(picker.hwnd, nullptr);
        EXPECT_EQ(picker.Text(L"b_edit"), L"102");  // record 6
        picker.Type(L"r_edit", L"200");
        picker.Click(L"okbtn");
    });
    host.Click(L"result_fire_color2_Dolv");
    EXPECT_EQ(DolvFireMacros[6]->red, 200);
    EXPECT_EQ(DolvFireMacros[6]->blue, 0x66);
    EXPECT_EQ(host.Control(L"result_fire_color2_Dolv")->GetBackgroundColor(), 0xFFC84066u);
    EXPECT_EQ(DolvFireMacros[5]->red, 0x20);

    RunDuringModalLoop([] {
        const PickerView picker = OpenPicker();
        ASSERT_NE(picker.hwnd, nullptr);
        picker.Type(L"g_edit", L"1");
        picker.Click(L"cancelbtn");
    });
    host.Click(L"result_fire_color1_Dolv");
    EXPECT_EQ(DolvFireMacros[5]->green, 0x40);
}
