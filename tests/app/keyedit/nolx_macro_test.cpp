// Nolx macros uploaded by name to a fake controller macro area: addresses,
// the full area, deletes of unused macros and the other buttons following
// their macros.
#include "app/dialogs/assignment/nolx_assignment.h"
#include "assignment_fixture.h"

#include <cstring>

using V = std::vector<int>;

namespace {

// The controller's 512-byte macro area: 16-byte header then the data of each
// macro; a macro's number is the address of its data.
struct FakeMacroArea {
    struct Stored {
        std::vector<uint8_t> header;
        std::vector<uint8_t> data;
    };
    static constexpr int kStart = 496;
    static constexpr int kSize = 512;
    std::vector<Stored> macros;
    int uploads = 0;

    int Used() const {
        int used = 0;
        for (const Stored& m : macros) used += 16 + static_cast<int>(m.data.size());
        return used;
    }
    int AddressOf(size_t index) const {
        int address = kStart;
        for (size_t i = 0; i < index; ++i) address += 16 + static_cast<int>(macros[i].data.size());
        return address + 16;
    }
    void Install(FakeExports& fake) {
        fake.On("Device_Set_Macro_Data_Qiro", [this](const CallArgs& a) {
            const int index = static_cast<int>(a[0]);
            if (index >= 0) {
                if (static_cast<size_t>(index) >= macros.size()) return -1;
                macros.erase(macros.begin() + index);
                return 0;
            }
            const int length = static_cast<int>(a[3]);
            if (Used() + 16 + length > kSize) return -1;
            const auto* header = Out<const uint8_t>(a[1]);
            const auto* data = Out<const uint8_t>(a[2]);
            macros.push_back({std::vector<uint8_t>(header, header + 16), std::vector<uint8_t>(data, data + length)});
            ++uploads;
            return 0;
        });
        fake.On("Device_Get_Macro_Data_Qiro", [this](const CallArgs& a) {
            const size_t index = static_cast<size_t>(a[0]);
            if (index >= macros.size()) return -1;
            std::memcpy(Out<uint8_t>(a[1]), macros[index].header.data(), 16);
            std::memcpy(Out<uint8_t>(a[2]), macros[index].data.data(), macros[index].data.size());
            *Out<int>(a[3]) = AddressOf(index);
            *Out<int>(a[4]) = static_cast<int>(macros[index].data.size());
            return 0;
        });
    }
};

}  // namespace

class NolxMacros : public AssignmentTest {
protected:
    void SetUp() override {
        AssignmentTest::SetUp();
        area.Install(fake);
        AddKey(QiroMacroKeyTable1, {1, 1, 0, 0});
        first = &AddKey(QiroMacroKeyTable1, {1, 2, 0, 0});
        second = &AddKey(QiroMacroKeyTable1, {1, 4, 0, 0});
        AddKey(QiroMacroKeyTable2, {1, 1, 0, 0});
        other = &AddKey(QiroMacroKeyTable2, {1, 2, 0, 0});
    }
    AssignmentOutcome ChooseMacro(MacroKeyEntry& entry, int row) {
        const MacroList opening = QiroDeviceMacroList;
        return ApplyNolxChoice(MouseFamily::Qiro, Choose(AssignmentOption::Macro, row), entry, opening, binder);
    }
    std::vector<std::wstring> DeviceNames() {
        std::vector<std::wstring> names;
        for (const MacroRef& macro : QiroDeviceMacroList) names.push_back(macro->name.GetData());
        return names;
    }
    FakeMacroArea area;
    MacroKeyEntry* first = nullptr;
    MacroKeyEntry* second = nullptr;
    MacroKeyEntry* other = nullptr;
};

TEST_F(NolxMacros, TheFirstUploadLandsAt512AndAKnownNameIsNotUploadedAgain) {
    QiroMacroList = {MakeMacro(L"Burst", 40), MakeMacro(L"Jump", 20)};
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*first, 0));
    EXPECT_EQ(V({0x10, 2, 0, 0}), BytesOf(*first));
    ASSERT_EQ(1u, area.macros.size());
    EXPECT_EQ(40u, area.macros[0].data.size());
    EXPECT_EQ(0, area.macros[0].header[0]);  // names are stored high byte first
    EXPECT_EQ('B', area.macros[0].header[1]);

    QiroMacroList[0] = MakeMacro(L"BURST", 40);
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*second, 0));
    EXPECT_EQ(V({0x10, 2, 0, 0}), BytesOf(*second));
    EXPECT_EQ(1, area.uploads);
}

TEST_F(NolxMacros, WithTheAreaFullTheEditedButtonsOwnMacroMakesRoomOrIsPutBack) {
    QiroMacroList = {MakeMacro(L"Spin", 100), MakeMacro(L"Jump", 224), MakeMacro(L"Tiny", 20),
                     MakeMacro(L"Huge", 224), MakeMacro(L"Small", 80)};
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*first, 0));   // Spin at 512
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*second, 1));  // Jump at 628
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*other, 2));   // Tiny at 868

    // Huge fits neither beside Spin nor in its place: Spin goes back, last.
    ASSERT_EQ(AssignmentOutcome::Unchanged, ChooseMacro(*first, 3));
    EXPECT_EQ(std::vector<std::wstring>({L"Jump", L"Tiny", L"Spin"}), DeviceNames());
    EXPECT_EQ(100u, area.macros[2].data.size());
    EXPECT_EQ(V({0x10, 788 >> 8, 788 & 0xFF, 0}), BytesOf(*first));
    EXPECT_EQ(V({0x10, 2, 0, 0}), BytesOf(*second));
    EXPECT_EQ(V({0x10, 752 >> 8, 752 & 0xFF, 0}), BytesOf(*other));

    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*first, 4));
    EXPECT_EQ(std::vector<std::wstring>({L"Jump", L"Tiny", L"Small"}), DeviceNames());
    EXPECT_EQ(V({0x10, 788 >> 8, 788 & 0xFF, 0}), BytesOf(*first));
}

TEST_F(NolxMacros, AnUnusedMacroIsDeletedAndTheOtherButtonsFollowTheirMacros) {
    QiroMacroList = {MakeMacro(L"Burst", 40), MakeMacro(L"Jump", 20), MakeMacro(L"Spin", 30)};
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*first, 0));   // Burst at 512
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*second, 1));  // Jump at 568
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*other, 1));   // table 2 on Jump too
    EXPECT_EQ(V({0x10, 568 >> 8, 568 & 0xFF, 0}), BytesOf(*other));
    const size_t sendsBefore = fake.CallsTo("Devcie_Set_Macro_Key_Qiro").size();

    // The first button moves to Spin: Burst goes, Jump moves down to 512, Spin follows it.
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*first, 2));
    EXPECT_EQ(std::vector<std::wstring>({L"Jump", L"Spin"}), DeviceNames());
    EXPECT_EQ(V({0x10, 2, 0, 0}), BytesOf(*second));
    EXPECT_EQ(V({0x10, 2, 0, 0}), BytesOf(*other));
    EXPECT_EQ(V({0x10, 548 >> 8, 548 & 0xFF, 0}), BytesOf(*first));
    const std::vector<CallArgs> sends = fake.CallsTo("Devcie_Set_Macro_Key_Qiro");
    ASSERT_EQ(sendsBefore + 2, sends.size());
    EXPECT_EQ(1, sends[sendsBefore][0]);  // set 1, button 3
    EXPECT_EQ(3, sends[sendsBefore][1]);
    EXPECT_EQ(2, sends[sendsBefore + 1][0]);
    EXPECT_EQ(2, sends[sendsBefore + 1][1]);
}

TEST_F(NolxMacros, AMacroStaysWhileAnotherButtonOrTheSameChoiceKeepsIt) {
    QiroMacroList = {MakeMacro(L"Burst", 40)};
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*first, 0));
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*first, 0));
    ASSERT_EQ(AssignmentOutcome::Unchanged, ChooseMacro(*first, -1));
    EXPECT_EQ(1u, area.macros.size());
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*other, 0));
    ASSERT_EQ(AssignmentOutcome::Applied,
              ApplyNolxChoice(MouseFamily::Qiro, Choose(AssignmentOption::Web, 0, 0x03022300), *first,
                              QiroDeviceMacroList, binder));
    EXPECT_EQ(1u, area.macros.size());
    ASSERT_EQ(AssignmentOutcome::Applied,
              ApplyNolxChoice(MouseFamily::Qiro, Choose(AssignmentOption::Web, 0, 0x03022300), *other,
                              QiroDeviceMacroList, binder));
    EXPECT_TRUE(area.macros.empty());
    EXPECT_TRUE(QiroDeviceMacroList.empty());
}
