// Kelvo macros placed in the controller's memory: running numbers, the memory
// limit, release of unused macros and renumbering of the other buttons.
#include "app/dialogs/assignment/kelvo_assignment.h"
#include "assignment_fixture.h"

using V = std::vector<int>;

class KelvoPlacement : public AssignmentTest {
protected:
    void SetUp() override {
        AssignmentTest::SetUp();
        AddButton(KelvoButtonTable1, {1, 1, 0});
        first = &AddButton(KelvoButtonTable1, {1, 2, 0});
        second = &AddButton(KelvoButtonTable1, {1, 4, 0});
        AddButton(KelvoButtonTable2, {1, 1, 0});
        AddButton(KelvoButtonTable2, {1, 2, 0});
        AddButton(KelvoButtonTable2, {1, 4, 0});
    }
    AssignmentOutcome ChooseMacro(ButtonAssignmentEntry& entry, const MacroRef& macro,
                                  MouseFamily family = MouseFamily::Kelvo) {
        MacroList& list = *KelvoData(family).macros;
        list.push_back(macro);
        return ApplyKelvoChoice(family, Choose(AssignmentOption::Macro, static_cast<int>(list.size()) - 1), entry,
                                binder);
    }
    std::vector<int> SentNumbers(const char* name = "Device_Set_Marco_Buffer_Kelvo") {
        std::vector<int> numbers;
        for (const CallArgs& args : fake.CallsTo(name)) numbers.push_back(static_cast<int>(args[0]));
        return numbers;
    }
    std::vector<int> CachedNumbers(const MacroCache& cache = KelvoMacroCache) {
        std::vector<int> numbers;
        for (const auto& placed : cache) numbers.push_back(placed.first);
        return numbers;
    }
    ButtonAssignmentEntry* first = nullptr;
    ButtonAssignmentEntry* second = nullptr;
};

TEST_F(KelvoPlacement, MacrosAreNumberedAfterTheSpaceOfTheMacrosBeforeThem) {
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*first, MakeMacro(L"Burst", 100)));
    EXPECT_EQ(V({6, 0x01, 0x21}), BytesOf(*first));
    EXPECT_EQ(V({289, 289}), SentNumbers());

    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*second, MakeMacro(L"Jump", 10)));
    EXPECT_EQ(V({6, 421 >> 8, 421 & 0xFF}), BytesOf(*second));
    EXPECT_EQ(V({6, 0x01, 0x21}), BytesOf(*first));
    EXPECT_EQ(V({289, 421}), CachedNumbers());
}

TEST_F(KelvoPlacement, AMacroBeyondTheMemoryIsRefusedAndTheButtonKeepsItsMacro) {
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*first, MakeMacro(L"Small", 100)));
    // position 388 after the first macro: 1372 bytes fit, 1373 do not.
    EXPECT_EQ(AssignmentOutcome::MacroDoesNotFit, ChooseMacro(*second, MakeMacro(L"Huge", 1373)));
    EXPECT_EQ(V({1, 4, 0}), BytesOf(*second));
    // Replacing the first button's macro: its own space may be reused, so the
    // large one then fits, but not when it is larger than everything.
    EXPECT_EQ(AssignmentOutcome::MacroDoesNotFit, ChooseMacro(*first, MakeMacro(L"Larger", 1505)));
    EXPECT_EQ(V({6, 0x01, 0x21}), BytesOf(*first));
    EXPECT_EQ(V({289}), CachedNumbers());
    EXPECT_EQ(AssignmentOutcome::Applied, ChooseMacro(*first, MakeMacro(L"Fits", 1504)));
    EXPECT_EQ(V({6, 0x01, 0x21}), BytesOf(*first));
    ASSERT_EQ(1u, KelvoMacroCache.size());
    EXPECT_EQ(L"Fits", std::wstring(KelvoMacroCache.begin()->second->name.GetData()));
}

TEST_F(KelvoPlacement, DriverNumbersArePositionPlus32UpToItsLargerMemory) {
    AddButton(KelvoDriverButtonTable1, {1, 1, 0});
    ButtonAssignmentEntry& button = AddButton(KelvoDriverButtonTable1, {1, 2, 0});
    ButtonAssignmentEntry& other = AddButton(KelvoDriverButtonTable1, {1, 4, 0});
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(button, MakeMacro(L"Long", 40416), MouseFamily::KelvoDriver));
    EXPECT_EQ(V({6, 288 >> 8, 288 & 0xFF}), BytesOf(button));
    EXPECT_EQ(V({288, 288}), SentNumbers("Device_Set_Marco_Buffer_Kelvo_Driver"));
    EXPECT_EQ(AssignmentOutcome::MacroDoesNotFit, ChooseMacro(other, MakeMacro(L"More", 1), MouseFamily::KelvoDriver));
    EXPECT_EQ(V({1, 4, 0}), BytesOf(other));
}

TEST_F(KelvoPlacement, AMacroLeavesTheMemoryOnlyWhenNoButtonOfEitherTableUsesIt) {
    const MacroRef burst = MakeMacro(L"Burst", 100);
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*first, burst));
    KelvoButtonTable2[1]->bytes[0] = 14;
    KelvoButtonTable2[1]->bytes[1] = first->bytes[1];
    KelvoButtonTable2[1]->bytes[2] = first->bytes[2];

    ASSERT_EQ(AssignmentOutcome::Applied,
              ApplyKelvoChoice(MouseFamily::Kelvo, Choose(AssignmentOption::Multimedia, 0, 0xE2), *first, binder));
    EXPECT_EQ(V({289}), CachedNumbers());

    ASSERT_EQ(AssignmentOutcome::Applied,
              ApplyKelvoChoice(MouseFamily::Kelvo, Choose(AssignmentOption::Multimedia, 0, 0xE2),
                               *KelvoButtonTable2[1], binder));
    EXPECT_TRUE(KelvoMacroCache.empty());
}

TEST_F(KelvoPlacement, ChoosingNothingOrTheSameMacroAgainKeepsIt) {
    const MacroRef burst = MakeMacro(L"Burst", 100);
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*first, burst));
    EXPECT_EQ(AssignmentOutcome::Unchanged,
              ApplyKelvoChoice(MouseFamily::Kelvo, Choose(AssignmentOption::Macro), *first, binder));
    EXPECT_EQ(V({289}), CachedNumbers());
    ASSERT_EQ(AssignmentOutcome::Applied,
              ApplyKelvoChoice(MouseFamily::Kelvo, Choose(AssignmentOption::Macro, 0), *first, binder));
    EXPECT_EQ(V({6, 0x01, 0x21}), BytesOf(*first));
    EXPECT_EQ(V({289}), CachedNumbers());
}

TEST_F(KelvoPlacement, AMacroReadFromTheMouseIsFoundByNameAndOthersFollowTheirNewNumbers) {
    // Read from the mouse: "Burst" at 289, "Jump" after it at 421.
    KelvoMacroCache[289] = MakeMacro(L"Burst", 100, 289);
    KelvoMacroCache[421] = MakeMacro(L"Jump", 10, 421);
    *first = ButtonAssignmentEntry{{6, 0x01, 0x21}, 1};
    *second = ButtonAssignmentEntry{{6, 421 >> 8, 421 & 0xFF}, 2};

    // The first button changes to the file's "jump": "Burst" goes, "Jump" moves up.
    ASSERT_EQ(AssignmentOutcome::Applied, ChooseMacro(*first, MakeMacro(L"jump", 10)));
    EXPECT_EQ(V({289}), CachedNumbers());
    EXPECT_EQ(V({6, 0x01, 0x21}), BytesOf(*first));
    EXPECT_EQ(V({6, 0x01, 0x21}), BytesOf(*second));
    EXPECT_EQ(10u, KelvoMacroCache.at(289)->data.size());
}
