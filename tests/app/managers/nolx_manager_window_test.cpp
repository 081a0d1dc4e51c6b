#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/core/keys/key_codes.h"
#include "app/macro/codec/nolx_macro_codec.h"
#include "app/macro/managers/marco_manger_nolx.h"
#include "tests/app/managers/manager_window.h"
#include "ui/controls/combo.h"

using namespace SkinUI;
using namespace SkinUI::test;
using ::testing::ElementsAre;
using ::testing::EndsWith;

namespace {

// The data of a Nolx record, cut after its end marker.
Bytes ThroughEndMarker(const Bytes& field)
{
    for (size_t i = 0; i + 1 < field.size(); ++i)
        if (field[i] == 0xFC && field[i + 1] == 0x00) return Bytes(field.begin(), field.begin() + i + 2);
    return field;
}

class QiroManager : public ManagerWindow<MarcoManger_Qiro> {
protected:
    QiroManager() : ManagerWindow(L"_Qiro", MacroFileFamily::Qiro) {}
    Bytes FileData(size_t index = 0) { return ThroughEndMarker(DataField(index)); }
};

class DolvManager : public ManagerWindow<MarcoManger_Dolv> {
protected:
    DolvManager() : ManagerWindow(L"_Dolv", MacroFileFamily::Dolv) {}
    Bytes FileData(size_t index = 0) { return ThroughEndMarker(DataField(index)); }
};

const int kA = VirtualKeyToKeyCode('A');

TEST_F(QiroManager, EveryChangeRewritesTheFileWithTheMacroBytes)
{
    NewSelectedMacro(L"Fire");
    EXPECT_TRUE(dynamic_cast<COptionUI*>(Find(L"circle_continue"))->IsSelected());  // a new macro has no loop step
    Bytes file = File();
    ASSERT_EQ(240u, file.size());
    EXPECT_EQ((Bytes{0x00, 'F', 0x00, 'i', 0x00, 'r', 0x00, 'e', 0x00, 0x00}), Bytes(file.begin(), file.begin() + 10));
    EXPECT_EQ(0x00, file[16]);

    Click(L"circle_stop_any_key");
    EXPECT_FALSE(Find(L"circle_edit")->IsEnabled());
    ASSERT_TRUE(m_manager->InsertSteps({{NolxStep::KeyDown, kA}}));
    ASSERT_TRUE(m_manager->InsertSteps({{NolxStep::Delay, 300}}));
    ASSERT_TRUE(m_manager->InsertSteps({{NolxStep::KeyUp, kA}}));
    EXPECT_EQ((Bytes{0xFD, 0x7F, 0x82, 0x04, 0xFE, 0x01, 0x2C, 0x02, 0x04, 0xFC, 0x00}), FileData());

    Click(L"circle_continue");
    SelectStep(1);
    m_manager->SetSelectedDelay(70000);
    EXPECT_EQ((Bytes{0x82, 0x04, 0xFE, 0xFF, 0xFF, 0x02, 0x04, 0xFC, 0x00}), FileData());

    m_manager->RenameSelectedMacro(L"Spray");
    file = File();
    EXPECT_EQ('S', file[1]);
    m_manager->DeleteSelectedMacro();
    EXPECT_TRUE(File().empty());
    EXPECT_TRUE(m_manager->Steps().empty());
}

TEST_F(QiroManager, InsertsGoAfterTheSelectedStepAndMovesAreDeletedInPairs)
{
    NewSelectedMacro(L"M");
    Click(L"circle_continue");
    ASSERT_TRUE(m_manager->InsertSteps({{NolxStep::KeyDown, kA}, {NolxStep::KeyUp, kA}}));
    SelectStep(0);
    ASSERT_TRUE(m_manager->InsertClick(4));
    const MacroSteps withClick = {{NolxStep::KeyDown, kA}, {0xA4, 4}, {NolxStep::Delay, 50}, {0x24, 4}, {NolxStep::KeyUp, kA}};
    EXPECT_EQ(withClick, m_manager->Steps());

    SelectStep(4);
    ASSERT_TRUE(m_manager->InsertSteps({{NolxStep::Move, -5}, {NolxStep::Move, 10}}));
    EXPECT_EQ((Bytes{0x82, 0x04, 0xA4, 0xFE, 0x00, 0x32, 0x24, 0x02, 0x04, 0x04, 0xFB, 0x0A, 0xFC, 0x00}), FileData());

    SelectStep(6);  // the Y row
    m_manager->DeleteSelectedStep();
    EXPECT_EQ(withClick, m_manager->Steps());

    SelectStep(1);
    m_manager->SetSelectedKey(0x05);  // a button row is not a key step
    EXPECT_EQ(withClick, m_manager->Steps());
    SelectStep(0);
    m_manager->SetSelectedKey(0x05);
    EXPECT_EQ(0x05, m_manager->Steps()[0].value);
    EXPECT_EQ(NolxStep::KeyDown, m_manager->Steps()[0].type);
}

TEST_F(QiroManager, InsertsAreRefusedOnceTheMacroWouldOutgrowItsField)
{
    NewSelectedMacro(L"Long");
    Click(L"circle_setting");
    int inserted = 0;
    while (m_manager->InsertSteps({{NolxStep::KeyDown, kA}}) && inserted < 200) ++inserted;
    EXPECT_EQ(110, inserted);  // FD n, 110 keys, FC 00: 224 bytes
    EXPECT_FALSE(m_manager->InsertClick(1));
    const Bytes data = FileData();
    ASSERT_EQ(224u, data.size());
    EXPECT_EQ(0xFD, data[0]);
    EXPECT_EQ(0xFC, data[222]);
}

TEST_F(QiroManager, RecordingTakesHookEventsWithMeasuredDelaysButNotTheRecordButtonClick)
{
    NewSelectedMacro(L"Rec");
    Click(L"recordButton");
    ASSERT_TRUE(m_manager->IsRecording());
    EXPECT_TRUE(m_manager->HooksInstalled());
    CControlUI* page = m_host.manager().FindControlByName(L"device_Mouse_Qiro_page");
    EXPECT_FALSE(page->IsEnabled());

    MSLLHOOKSTRUCT mouse = {};
    g_now = 1000;
    m_manager->OnKeyboardEvent(WM_KEYDOWN, 'A');
    g_now = 1120;
    m_manager->OnKeyboardEvent(WM_KEYUP, 'A');
    m_host.manager().SendNotification(Find(L"recordButton"), L"Button_Mouse_Focus");
    g_now = 1500;
    m_manager->OnMouseEvent(WM_LBUTTONDOWN, mouse);
    m_host.manager().SendNotification(Find(L"recordButton"), L"Button_Mouse_Lose_Focus");
    g_now = 1800;
    m_manager->OnMouseEvent(WM_MOUSEMOVE, mouse);
    m_manager->OnMouseEvent(WM_RBUTTONDOWN, mouse);

    Click(L"recordButton");
    EXPECT_FALSE(m_manager->IsRecording());
    EXPECT_FALSE(m_manager->HooksInstalled());
    EXPECT_TRUE(page->IsEnabled());
    EXPECT_EQ((Bytes{0x82, 0x04, 0xFE, 0x00, 0x78, 0x02, 0x04, 0xFE, 0x02, 0xA8, 0xA2, 0xFC, 0x00}),
              FileData());
}

TEST_F(QiroManager, DelayModesShapeTheRecordedDelays)
{
    NewSelectedMacro(L"Fix");
    Click(L"delay_setting");
    EXPECT_TRUE(Find(L"delay_edit")->IsEnabled());
    Find(L"delay_edit")->SetText(L"40");
    Click(L"recordButton");
    m_manager->OnKeyboardEvent(WM_KEYDOWN, 'A');
    m_manager->OnKeyboardEvent(WM_KEYUP, 'A');
    Click(L"recordButton");
    EXPECT_EQ((Bytes{0x82, 0x04, 0xFE, 0x00, 0x28, 0x02, 0x04, 0xFC, 0x00}), FileData());

    Click(L"circle_setting");
    Click(L"delay_no");
    EXPECT_FALSE(Find(L"delay_edit")->IsEnabled());
    Click(L"recordButton");
    m_manager->OnKeyboardEvent(WM_KEYDOWN, 'A');
    m_manager->OnKeyboardEvent(WM_KEYUP, 'A');
    Click(L"recordButton");
    EXPECT_EQ((Bytes{0xFD, 0x01, 0x82, 0x04, 0x02, 0x04, 0xFC, 0x00}), FileData());
}

TEST_F(QiroManager, EditsKeepTheirRangesAndTheComboInsertsAClick)
{
    CControlUI* count = Find(L"circle_edit");
    count->SetText(L"127");
    m_host.manager().SendNotification(count, L"textchanged");
    EXPECT_EQ(L"126", count->GetText());
    count->SetText(L"0");
    m_host.manager().SendNotification(count, L"textchanged");
    EXPECT_EQ(L"1", count->GetText());
    CControlUI* delay = Find(L"delay_edit");
    delay->SetText(L"70000");
    m_host.manager().SendNotification(delay, L"textchanged");
    EXPECT_EQ(L"65534", delay->GetText());

    NewSelectedMacro(L"C");
    auto* combo = dynamic_cast<CComboUI*>(Find(L"macro_insert_combo"));
    ASSERT_EQ(7, combo->GetCount());
    combo->SelectItem(4);
    m_host.Pump(100);
    EXPECT_EQ(-1, combo->GetCurSel());
    EXPECT_EQ((MacroSteps{{0xA2, 2}, {NolxStep::Delay, 50}, {0x22, 2}}), m_manager->Steps());
}

TEST_F(QiroManager, AnImportedFileTakesTheNameListAndItsMacrosShowTheirSteps)
{
    ASSERT_EQ((std::vector<std::wstring>{L"Burst", L"Sweep"}),
              ImportOverAShownMacro(
                  {Macro(L"Burst", {0xFD, 0x03, 0x82, 0x04, 0xFE, 0x01, 0x2C, 0x02, 0x04, 0xFC, 0x00}),
                   Macro(L"Sweep", {0x04, 0xFB, 0x0A, 0xFE, 0xFF, 0xFF, 0xA8, 0x28, 0xFC, 0x00})}));
    Names()->SelectItem(0);
    EXPECT_THAT(ShownRows(L"listex1"), ElementsAre(EndsWith(L"}A"), EndsWith(L"}300 ms"), EndsWith(L"}A")));
    EXPECT_TRUE(IsSelected(L"circle_setting"));
    EXPECT_EQ(L"3", Find(L"circle_edit")->GetText());
    Names()->SelectItem(1);
    EXPECT_THAT(ShownRows(L"listex1"), ElementsAre(EndsWith(L"}X -5"), EndsWith(L"}Y 10"), EndsWith(L"}65535 ms"),
                                                   EndsWith(L"}Forward"), EndsWith(L"}Forward")));
    EXPECT_TRUE(IsSelected(L"circle_continue"));
}

TEST_F(DolvManager, ShowingAMacroSetsItsLoopOptions)
{
    auto endless = std::make_shared<MacroRecord>();
    endless->name = L"E";
    endless->data = {0xFD, 0x00, 0x82, 0x04, 0xFC, 0x00};
    auto counted = std::make_shared<MacroRecord>();
    counted->name = L"C";
    counted->data = {0xFD, 0x07, 0x04, 0xFB, 0x0A, 0xFC, 0x00};
    DolvMacroList = {endless, counted};
    m_manager->FillMacroNameList();
    auto* names = dynamic_cast<CListUI*>(Find(L"listex"));
    ASSERT_EQ(2, names->GetCount());

    names->SelectItem(0);
    EXPECT_TRUE(dynamic_cast<COptionUI*>(Find(L"circle_all"))->IsSelected());
    EXPECT_FALSE(Find(L"circle_edit")->IsEnabled());
    EXPECT_EQ(NolxLoopMode::Endless, m_manager->GetLoopMode());

    names->SelectItem(1);
    EXPECT_TRUE(dynamic_cast<COptionUI*>(Find(L"circle_setting"))->IsSelected());
    EXPECT_EQ(L"7", Find(L"circle_edit")->GetText());
    EXPECT_EQ((MacroSteps{{NolxStep::Move, -5}, {NolxStep::Move, 10}}), m_manager->Steps());
    SelectStep(0);
    m_manager->DeleteSelectedStep();
    EXPECT_EQ((Bytes{0xFD, 0x07, 0xFC, 0x00}), FileData(1));
}

}  // namespace
