// Inserting and deleting at a move row, in the bytes each family's macro
// then holds: the Nolx mice keep the X and Y rows of a move together as one
// three-byte step; the Kelvo families' X and Y rows are steps of their own.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/core/keys/key_codes.h"
#include "tests/app/managers/manager_families.h"

namespace {

const int kA = VirtualKeyToKeyCode('A');

template <class F>
class MoveRows : public FamilyWindow<F> {
protected:
    // A macro's data, which its record in the macro file holds too.
    Bytes Data(size_t index = 0)
    {
        const Bytes data = MacroListOf(F::family).at(index)->data;
        const Bytes field = this->DataField(index);
        EXPECT_GE(field.size(), data.size());
        EXPECT_EQ(data, Bytes(field.begin(), field.begin() + std::min(data.size(), field.size())));
        return data;
    }
};

// The steps of a Nolx macro: the loop step and FC 00 cut off.
Bytes NolxSteps(const Bytes& data)
{
    const size_t start = !data.empty() && data[0] == 0xFD ? 2 : 0;
    if (data.size() < start + 2) return {};
    EXPECT_EQ((Bytes{0xFC, 0x00}), Bytes(data.end() - 2, data.end()));
    return Bytes(data.begin() + start, data.end() - 2);
}

// The steps of a Kelvo or Kelvo driver macro: the bytes between the loop
// step and the end marker.
Bytes KelvoSteps(const Bytes& data, size_t lengthBytes)
{
    const size_t start = 1 + lengthBytes + 2;
    if (data.size() < start + 2) return {};
    EXPECT_EQ(0xFC, data[data.size() - 2]);
    return Bytes(data.begin() + start, data.end() - 2);
}

template <class F>
using NolxMoveRows = MoveRows<F>;
using NolxFamilies = ::testing::Types<DolvFamily, MeskFamily, QiroFamily>;
TYPED_TEST_SUITE(NolxMoveRows, NolxFamilies);

TYPED_TEST(NolxMoveRows, AnInsertAtTheXRowGoesAfterTheYRowAndADeleteTakesBoth)
{
    this->NewSelectedMacro(L"Move");
    ASSERT_TRUE(this->m_manager->InsertSteps({{NolxStep::KeyDown, kA}, {NolxStep::Move, 5}, {NolxStep::Move, -3}}));
    this->SelectStep(1);
    ASSERT_TRUE(this->m_manager->InsertSteps({{NolxStep::Delay, 300}}));
    EXPECT_EQ((MacroSteps{{NolxStep::KeyDown, kA}, {NolxStep::Move, 5}, {NolxStep::Move, -3}, {NolxStep::Delay, 300}}),
              this->m_manager->Steps());
    EXPECT_EQ((Bytes{0x82, 0x04, 0x04, 0x05, 0xFD, 0xFE, 0x01, 0x2C}), NolxSteps(this->Data()));

    this->SelectStep(1);
    ASSERT_TRUE(this->m_manager->InsertClick(1));
    EXPECT_EQ((Bytes{0x82, 0x04, 0x04, 0x05, 0xFD, 0xA1, 0xFE, 0x00, 0x32, 0x21, 0xFE, 0x01, 0x2C}),
              NolxSteps(this->Data()));

    this->SelectStep(1);
    this->m_manager->DeleteSelectedStep();
    EXPECT_EQ((Bytes{0x82, 0x04, 0xA1, 0xFE, 0x00, 0x32, 0x21, 0xFE, 0x01, 0x2C}), NolxSteps(this->Data()));
}

// A move of X 5, Y -3 at the top, in the middle and at the end of a key
// press and release: deleting either of its rows through the step list's
// menu takes the whole move, and the list shows what the macro then holds.
TYPED_TEST(NolxMoveRows, DeletingEitherRowOfAMoveAnywhereLeavesTheListAsTheBytesShowIt)
{
    using namespace program_test;
    const MacroStep down{NolxStep::KeyDown, kA}, up{NolxStep::KeyUp, kA};
    const MacroStep x{NolxStep::Move, 5}, y{NolxStep::Move, -3};
    const std::vector<MacroSteps> placed = {{x, y, down, up}, {down, x, y, up}, {down, up, x, y}};
    const UiWindow window(this->m_host.hwnd());
    const std::wstring steps = std::wstring(L"listex1") + TypeParam::suffix;
    const std::wstring names = std::wstring(L"listex") + TypeParam::suffix;
    const std::wstring editor = std::wstring(L"MarcoEdit") + TypeParam::suffix;
    const std::wstring ok = std::wstring(L"btn_ok") + TypeParam::suffix;
    this->m_manager->AddMacro(L"Other");
    for (const MacroSteps& rows : placed) {
        const int xRow = static_cast<int>(std::find(rows.begin(), rows.end(), x) - rows.begin());
        for (const int row : {xRow, xRow + 1}) {
            SCOPED_TRACE(testing::Message() << "move at row " << xRow << ", row " << row << " deleted");
            this->NewSelectedMacro(L"Move");
            ASSERT_TRUE(this->m_manager->InsertSteps(rows));
            this->m_host.ShowAndPaint();
            ASSERT_TRUE(window.ClickRow(steps.c_str(), row));
            ModalScript script({[&] { return UiWindow::OfClass(editor.c_str()).Click(ok.c_str()); }});
            ASSERT_TRUE(window.RightClick(steps.c_str()));
            ASSERT_TRUE(PumpUntil([] { return UiWindow::OfClass(L"MenuWnd").Click(L"menu_Content_Delete"); }, 2000));
            ASSERT_TRUE(script.Wait());

            const std::vector<std::wstring> shown = this->ShownRows(L"listex1");
            const int macro = this->Names()->GetCount() - 1;
            EXPECT_EQ((Bytes{0x82, 0x04, 0x02, 0x04}), NolxSteps(this->Data(macro)));
            this->m_host.ShowAndPaint();
            ASSERT_TRUE(window.ClickRow(names.c_str(), 0) && window.ClickRow(names.c_str(), macro));
            EXPECT_EQ(shown, this->ShownRows(L"listex1")) << "the macro shown again from its bytes";
        }
    }
}

template <class F>
using KelvoMoveRows = MoveRows<F>;
using KelvoFamilies = ::testing::Types<KelvoFamily, KelvoDriverFamily>;
TYPED_TEST_SUITE(KelvoMoveRows, KelvoFamilies);

TYPED_TEST(KelvoMoveRows, EachRowOfAMoveIsInsertedAfterAndDeletedAlone)
{
    const size_t lengthBytes = TypeParam::family == MacroFileFamily::KelvoDriver ? 2 : 1;
    this->NewSelectedMacro(L"Move");
    ASSERT_TRUE(this->m_manager->InsertSteps({{KelvoStep::MoveX, 5}, {KelvoStep::MoveY, -3}}));
    this->SelectStep(0);
    ASSERT_TRUE(this->m_manager->InsertSteps({{KelvoStep::Delay, 80}}));
    EXPECT_EQ((Bytes{0xFB, 0x05, 0xFE, 0x0A, 0xFA, 0xFD}), KelvoSteps(this->Data(), lengthBytes));

    this->SelectStep(1);
    this->m_manager->DeleteSelectedStep();
    this->SelectStep(0);
    this->m_manager->DeleteSelectedStep();
    EXPECT_EQ((Bytes{0xFA, 0xFD}), KelvoSteps(this->Data(), lengthBytes)) << "the X step went alone";

    this->SelectStep(0);
    ASSERT_TRUE(this->m_manager->InsertSteps({{KelvoStep::MoveX, 7}, {KelvoStep::MoveY, 9}}));
    EXPECT_EQ((Bytes{0xFA, 0xFD, 0xFB, 0x07, 0xFA, 0x09}), KelvoSteps(this->Data(), lengthBytes));
    this->SelectStep(2);
    this->m_manager->DeleteSelectedStep();
    EXPECT_EQ((Bytes{0xFA, 0xFD, 0xFB, 0x07}), KelvoSteps(this->Data(), lengthBytes)) << "the Y step went alone";
}

}  // namespace
