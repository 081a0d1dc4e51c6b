#pragma once
// Button tables, macros and choices for the assignment tests, over the fake
// device libraries.

#include "app/dialogs/assignment/assignment_choice.h"
#include "app/core/settings/device_settings.h"
#include "app/dialogs/assignment/mouse_family.h"
#include "app/windows/nolx_fire_state.h"
#include "tests/app/binder/fake_libraries.h"
#include "tests/app/support/settings_reset.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

inline ButtonAssignmentEntry& AddButton(RecordList<ButtonAssignmentEntry>& table, std::array<int, 3> bytes) {
    auto entry = std::make_unique<ButtonAssignmentEntry>();
    for (size_t i = 0; i < 3; ++i) entry->bytes[i] = static_cast<uint8_t>(bytes[i]);
    entry->index = static_cast<int>(table.size());
    table.push_back(std::move(entry));
    return *table.back();
}

inline MacroKeyEntry& AddKey(RecordList<MacroKeyEntry>& table, std::array<int, 4> bytes) {
    auto entry = std::make_unique<MacroKeyEntry>();
    for (size_t i = 0; i < 4; ++i) entry->bytes[i] = static_cast<uint8_t>(bytes[i]);
    entry->index = static_cast<int>(table.size());
    table.push_back(std::move(entry));
    return *table.back();
}

inline MacroRef MakeMacro(const wchar_t* name, size_t size, int number = 0) {
    auto macro = std::make_shared<MacroRecord>();
    macro->name = name;
    macro->data.assign(size, 0x21);
    macro->number = number;
    return macro;
}

inline AssignmentChoice Choose(AssignmentOption option, int row = -1, int code = 0) {
    AssignmentChoice choice;
    choice.option = option;
    choice.row = row;
    choice.itemData = std::to_wstring(code).c_str();
    return choice;
}

template <class Entry>
std::vector<int> BytesOf(const Entry& entry) {
    return std::vector<int>(std::begin(entry.bytes), std::end(entry.bytes));
}

class AssignmentTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake.Reset();
        ResetAppSettings();
        for (auto* table : {&KelvoButtonTable1, &KelvoButtonTable2, &KelvoDriverButtonTable1, &KelvoDriverButtonTable2}) {
            table->clear();
        }
        for (auto* table : {&DolvMacroKeyTable1, &DolvMacroKeyTable2, &DolvMacroKeyTable3, &MeskMacroKeyTable1,
                            &MeskMacroKeyTable2, &MeskMacroKeyTable3, &QiroMacroKeyTable1, &QiroMacroKeyTable2}) {
            table->clear();
        }
        keepLeftFireFlagDolv = keepLeftFireFlagMesk = keepLeftFireFlagQiro = 0;
    }

    FakeExports& fake = FakeExports::Get();
    DeviceLibraryBinder binder{std::make_unique<FakeModuleLoader>()};
};
