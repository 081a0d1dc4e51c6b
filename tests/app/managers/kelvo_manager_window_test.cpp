#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "app/core/keys/key_codes.h"
#include "app/macro/editors/marco_edit.h"
#include "app/macro/managers/marco_manger_kelvo.h"
#include "tests/app/managers/manager_window.h"
#include "tests/ui/support/control_walk.h"
#include "ui/controls/combo.h"

using namespace SkinUI;
using namespace SkinUI::test;
using ::testing::ElementsAre;
using ::testing::EndsWith;

namespace {

const int kA = VirtualKeyToKeyCode('A');

// Steps run one per timer tick while a step editor's modal loop runs; a step
// returns false to be tried again on the next tick.
class EditorScript {
public:
    explicit EditorScript(std::vector<std::function<bool()>> steps) : m_steps(std::move(steps))
    {
        s_current = this;
        m_timer = SetTimer(nullptr, 0, 40, &Tick);
    }
    ~EditorScript()
    {
        KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    bool Finished() const { return m_next == m_steps.size(); }

    // The open step editor of that window class, or none.
    static MarcoEdit* Editor(const wchar_t* className)
    {
        HWND window = FindWindowW(className, nullptr);
        if (window == nullptr || !IsWindowVisible(window)) return nullptr;
        return dynamic_cast<MarcoEdit*>(reinterpret_cast<CWindowWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    }
    static void Send(MarcoEdit* editor, const CUIString& name, const wchar_t* type)
    {
        NotifyRecordUI record;
        record.type = type;
        record.sender = editor->GetManager().FindControlByName(name);
        ASSERT_NE(nullptr, record.sender);
        editor->Notify(record);
    }
    static void Type(MarcoEdit* editor, const CUIString& name, const wchar_t* text)
    {
        editor->GetManager().FindControlByName(name)->SetText(text);
        Send(editor, name, L"textchanged");
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        EditorScript* script = s_current;
        if (script == nullptr || script->Finished() || script->m_running) return;
        script->m_running = true;
        if (script->m_steps[script->m_next]()) ++script->m_next;
        script->m_running = false;
    }

    static inline EditorScript* s_current = nullptr;
    std::vector<std::function<bool()>> m_steps;
    size_t m_next = 0;
    bool m_running = false;
    UINT_PTR m_timer = 0;
};

template <class Manager>
class KelvoWindow : public ManagerWindow<Manager> {
protected:
    using ManagerWindow<Manager>::ManagerWindow;

    // The macro data of record `index`: the bytes its length counts.
    Bytes FileData(size_t index = 0)
    {
        const Bytes field = this->DataField(index);
        if (field.size() < 3) return {};
        const bool driver = std::is_same<Manager, MarcoManger_Kelvo_Driver>::value;
        const size_t size = driver ? (field[1] << 8 | field[2]) + 3 : field[1] + 2;
        return Bytes(field.begin(), field.begin() + std::min(size, field.size()));
    }
    // Fills the editor of that class, checks it in both languages and confirms it.
    static std::function<bool()> ConfirmEditor(const wchar_t* className, const wchar_t* suffix, const wchar_t* shot,
                                               const wchar_t* value, const wchar_t* value2 = nullptr)
    {
        return [=] {
            MarcoEdit* editor = EditorScript::Editor(className);
            if (editor == nullptr) return false;
            EditorScript::Type(editor, CUIString(L"result_value") + suffix, value);
            if (value2 != nullptr) EditorScript::Type(editor, CUIString(L"result_value2") + suffix, value2);
            EXPECT_TRUE(LooksFinished(editor->GetManager(), shot));
            ProgramSkin::LoadLanguage(L"Languages\\Chinese.xml");
            EXPECT_TRUE(LooksFinished(editor->GetManager(), std::wstring(shot) + L" in Chinese"));
            ProgramSkin::LoadLanguage(L"Languages\\English.xml");
            EditorScript::Send(editor, CUIString(L"btn_ok") + suffix, L"click");
            return true;
        };
    }
    void PointerOverRecordButton(bool over)
    {
        this->m_host.manager().SendNotification(this->Find(L"recordButton"),
                                                over ? L"Button_Mouse_Focus" : L"Button_Mouse_Lose_Focus");
    }
};

class KelvoManager : public KelvoWindow<MarcoManger_Kelvo> {
protected:
    KelvoManager() : KelvoWindow(L"_Kelvo", MacroFileFamily::Kelvo) {}
};

class KelvoDriverManager : public KelvoWindow<MarcoManger_Kelvo_Driver> {
protected:
    KelvoDriverManager() : KelvoWindow(L"_Kelvo_Driver", MacroFileFamily::KelvoDriver) {}
};

TEST_F(KelvoManager, EveryChangeRewritesTheFileWithTheMacroBytes)
{
    NewSelectedMacro(L"Fire");
    Bytes file = File();
    ASSERT_EQ(256u, file.size());
    EXPECT_EQ((Bytes{0x00, 'F', 0x00, 'i', 0x00, 'r', 0x00, 'e', 0x00, 0x00}), Bytes(file.begin(), file.begin() + 10));
    EXPECT_EQ(Bytes(224, 0x00), DataField()) << "a new macro has no data";

    ASSERT_TRUE(m_manager->InsertSteps({{KelvoStep::KeyDown, kA}}));
    ASSERT_TRUE(m_manager->InsertSteps({{KelvoStep::Delay, 100}}));
    ASSERT_TRUE(m_manager->InsertSteps({{KelvoStep::KeyUp, kA}}));
    EXPECT_EQ((Bytes{0x00, 0x0A, 0xFD, 0x00, 0x82, 0x04, 0xFE, 0x0C, 0x02, 0x04, 0xFC, 0xC3}), FileData());

    Click(L"circle_all");
    EXPECT_FALSE(Find(L"circle_edit")->IsEnabled());
    for (int row = 0; row < 3; ++row) {
        SelectStep(0);
        m_manager->DeleteSelectedStep();
    }
    EXPECT_EQ((Bytes{0x00, 0x04, 0xFD, 0xFF, 0xFC, 0xA6}), FileData());
    Click(L"circle_stop");
    ASSERT_TRUE(m_manager->InsertClick(4));
    const Bytes click = FileData();
    EXPECT_EQ((Bytes{0x01, 0x08, 0xFD, 0xFF, 0xA4, 0xFE, 0x06, 0x24, 0xFC}), Bytes(click.begin(), click.end() - 1));

    m_manager->RenameSelectedMacro(L"ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(L"ABCDEFGHIJKLMNOP", Names()->GetItemAt(0)->GetText()) << "kept to the 16 units the file holds";
    file = File();
    EXPECT_EQ('P', file[31]);
    m_manager->DeleteSelectedMacro();
    EXPECT_TRUE(File().empty());
    EXPECT_TRUE(m_manager->Steps().empty());
}

TEST_F(KelvoDriverManager, RecordsHoldTheDriverCodeInTheirLargerField)
{
    for (const wchar_t* name : {L"A", L"B", L"C"}) NewSelectedMacro(name);
    EXPECT_EQ(6240u, File().size());
    Click(L"circle_all");
    ASSERT_TRUE(m_manager->InsertSteps({{KelvoStep::MoveX, -1}}));
    EXPECT_EQ((Bytes{0x00, 0x00, 0x06, 0xFD, 0xFF, 0xFB, 0xFF, 0xFC, 0xA2}), FileData(2));
    SelectStep(0);
    m_manager->DeleteSelectedStep();
    Bytes expected = {0x00, 0x00, 0x04, 0xFD, 0xFF, 0xFC, 0xA6};
    expected.resize(2048);
    EXPECT_EQ(expected, DataField(2));
}

TEST_F(KelvoManager, RecordingTakesHookEventsOnlyWhileItRunsWithModifierStepsAndClampedDelays)
{
    NewSelectedMacro(L"Rec");
    EXPECT_FALSE(m_manager->HooksInstalled());
    Key(WM_KEYDOWN, 'A');
    EXPECT_TRUE(m_manager->Steps().empty());

    Click(L"recordButton");
    ASSERT_TRUE(m_manager->IsRecording());
    EXPECT_TRUE(m_manager->HooksInstalled());
    EXPECT_FALSE(Find(L"listex")->IsEnabled());
    EXPECT_TRUE(Find(L"recordButton")->IsEnabled());
    g_now = 1000;
    Key(WM_KEYDOWN, VK_LSHIFT);
    g_now = 1120;
    Key(WM_KEYUP, VK_LSHIFT);
    PointerOverRecordButton(true);
    g_now = 1500;
    Mouse(WM_LBUTTONDOWN);
    PointerOverRecordButton(false);
    g_now = 9000;
    Mouse(WM_MOUSEMOVE);
    Mouse(WM_RBUTTONDOWN);
    g_now = 9016;
    Key(WM_SYSKEYUP, 'A');
    EXPECT_EQ((MacroSteps{{0x81, 2}, {0xFE, 120}, {0x01, 2}, {0xFE, 2040}, {0xA2, 0xA2}, {0xFE, 16}, {0x02, kA}}),
              m_manager->Steps());

    Click(L"recordButton");
    EXPECT_FALSE(m_manager->IsRecording());
    EXPECT_FALSE(m_manager->HooksInstalled());
    EXPECT_TRUE(Find(L"AddMarcoButton")->IsEnabled());
    EXPECT_TRUE(Find(L"circle_edit")->IsEnabled());
    EXPECT_FALSE(Find(L"delay_edit")->IsEnabled()) << "disabled before the recording, so after it";
    EXPECT_EQ((Bytes{0x00, 0x11, 0xFD, 0x00, 0x81, 0x02, 0xFE, 0x0F, 0x01, 0x02, 0xFE, 0xFF, 0xA2, 0xFE, 0x02, 0x02,
                     0x04, 0xFC, 0x18}),
              FileData());

    Click(L"recordButton");
    ASSERT_TRUE(m_manager->HooksInstalled());
    static_cast<CContainerUI*>(m_host.manager().GetRoot())->RemoveItem(m_manager);
    m_host.Pump(60);
    Key(WM_KEYDOWN, 'A');  // reaches no manager
    auto* later = new MarcoManger_Kelvo(nullptr);
    EXPECT_FALSE(later->HooksInstalled()) << "the hooks went with their manager";
    delete later;
}

TEST_F(KelvoManager, DelayModesShapeTheRecordedDelays)
{
    NewSelectedMacro(L"Fix");
    Click(L"delay_setting");
    EXPECT_TRUE(Find(L"delay_edit")->IsEnabled());
    Type(L"delay_edit", L"3000");
    EXPECT_EQ(L"2040", Find(L"delay_edit")->GetText());
    Type(L"delay_edit", L"40");
    Click(L"recordButton");
    Key(WM_KEYDOWN, 'A');
    Key(WM_KEYUP, 'A');
    Click(L"recordButton");
    EXPECT_EQ((Bytes{0x00, 0x0A, 0xFD, 0x00, 0x82, 0x04, 0xFE, 0x05, 0x02, 0x04, 0xFC, 0xC8}), FileData());

    Click(L"delay_no");
    EXPECT_FALSE(Find(L"delay_edit")->IsEnabled());
    Click(L"recordButton");
    Key(WM_KEYDOWN, 'A');
    Key(WM_KEYUP, 'A');
    Click(L"recordButton");
    EXPECT_EQ((Bytes{0x00, 0x08, 0xFD, 0x00, 0x82, 0x04, 0x02, 0x04, 0xFC, 0xD7}), FileData());
}

TEST_F(KelvoManager, AMacroFillsItsFieldExactlyAndNoStepGoesPast)
{
    NewSelectedMacro(L"Full");
    Click(L"delay_no");
    Click(L"recordButton");
    for (int i = 0; i < 54; ++i) {
        Key(WM_KEYDOWN, 'A');
        Key(WM_KEYUP, 'A');
    }
    ASSERT_EQ(108u, m_manager->Steps().size());  // 216 step bytes of the 218 the field leaves
    Click(L"delay_record");
    g_now = 400;
    Key(WM_KEYDOWN, 'A');
    EXPECT_EQ(108u, m_manager->Steps().size()) << "the key with its delay takes 4 bytes";
    Click(L"delay_no");
    Key(WM_KEYDOWN, 'A');
    Key(WM_KEYUP, 'A');
    Mouse(WM_LBUTTONDOWN);
    EXPECT_EQ(109u, m_manager->Steps().size());
    Click(L"recordButton");

    const Bytes data = FileData();
    ASSERT_EQ(224u, data.size());
    EXPECT_EQ(222, data[1]);
    EXPECT_EQ(0xFC, data[222]);
    uint8_t sum = 0;
    for (size_t i = 1; i < 223; ++i) sum = static_cast<uint8_t>(sum + data[i]);
    EXPECT_EQ(sum ^ 0x5A, data[223]);

    EXPECT_FALSE(m_manager->InsertClick(1));
    SelectStep(0);
    m_manager->DeleteSelectedStep();
    EXPECT_FALSE(m_manager->InsertClick(1)) << "a click takes 4 bytes";
    EXPECT_TRUE(m_manager->InsertSteps({{KelvoStep::Delay, 8}}));
    EXPECT_EQ(224u, FileData().size());
}

TEST_F(KelvoManager, ShowingAMacroSetsItsOptionsAndEachMoveRowIsAStepOfItsOwn)
{
    const Bytes stopEndless = {0x01, 0x0A, 0xFD, 0xFF, 0xFB, 0xFF, 0xFA, 0x05, 0xFE, 0xFF, 0xFC, 0xA2};
    KelvoMacroList = {Macro(L"S", stopEndless), Macro(L"C", {0x00, 0x06, 0xFD, 0x06, 0x81, 0x01, 0xFC, 0xDD})};
    m_manager->FillMacroNameList();
    ASSERT_EQ(2, Names()->GetCount());

    Names()->SelectItem(1);
    EXPECT_TRUE(IsSelected(L"circle_continue"));
    EXPECT_TRUE(IsSelected(L"circle_setting"));
    EXPECT_TRUE(Find(L"circle_edit")->IsEnabled());
    EXPECT_EQ(L"7", Find(L"circle_edit")->GetText());
    EXPECT_EQ((MacroSteps{{0x81, 1}}), m_manager->Steps());

    Names()->SelectItem(0);
    EXPECT_TRUE(IsSelected(L"circle_stop"));
    EXPECT_TRUE(IsSelected(L"circle_all"));
    EXPECT_FALSE(Find(L"circle_edit")->IsEnabled());
    EXPECT_EQ((MacroSteps{{0xFB, -1}, {0xFA, 5}, {0xFE, 2040}}), m_manager->Steps());
    SelectStep(2);
    m_manager->SetSelectedDelay(2040);
    EXPECT_EQ(stopEndless, FileData()) << "shown and encoded again unchanged";

    SelectStep(1);
    m_manager->DeleteSelectedStep();
    EXPECT_EQ((MacroSteps{{0xFB, -1}, {0xFE, 2040}}), m_manager->Steps());
    EXPECT_EQ((Bytes{0x01, 0x08, 0xFD, 0xFF, 0xFB, 0xFF, 0xFE, 0xFF, 0xFC, 0xAD}), FileData());
}

TEST_F(KelvoManager, AnImportedFileTakesTheNameListAndItsMacrosShowTheirSteps)
{
    ASSERT_EQ((std::vector<std::wstring>{L"Sweep", L"Hold"}),
              ImportOverAShownMacro(
                  {Macro(L"Sweep", {0x01, 0x0A, 0xFD, 0xFF, 0xFB, 0xFF, 0xFA, 0x05, 0xFE, 0xFF, 0xFC, 0xA2}),
                   Macro(L"Hold", {0x00, 0x06, 0xFD, 0x06, 0x81, 0x01, 0xFC, 0xDD})}));
    Names()->SelectItem(0);
    EXPECT_THAT(ShownRows(L"listex1"), ElementsAre(EndsWith(L"X -1"), EndsWith(L"Y 5"), EndsWith(L"2040 ms")));
    EXPECT_TRUE(IsSelected(L"circle_stop"));
    EXPECT_TRUE(IsSelected(L"circle_all"));
    Names()->SelectItem(1);
    EXPECT_THAT(ShownRows(L"listex1"), ElementsAre(EndsWith(L"Control")));
    EXPECT_EQ(L"7", Find(L"circle_edit")->GetText());
}

TEST_F(KelvoManager, EditsKeepTheirRangesAndTheComboInsertsAfterTheSelectedStep)
{
    Type(L"circle_edit", L"300");
    EXPECT_EQ(L"254", Find(L"circle_edit")->GetText());
    Type(L"circle_edit", L"0");
    EXPECT_EQ(L"1", Find(L"circle_edit")->GetText());

    NewSelectedMacro(L"C");
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(m_manager->InsertSteps({{KelvoStep::KeyDown, kA}}));
    SelectStep(2);
    auto* combo = dynamic_cast<CComboUI*>(Find(L"macro_insert_combo"));
    ASSERT_EQ(7, combo->GetCount());
    combo->SelectItem(5);
    m_host.Pump(100);
    EXPECT_EQ(-1, combo->GetCurSel());
    const MacroSteps steps = m_manager->Steps();
    ASSERT_EQ(7u, steps.size());
    EXPECT_EQ((MacroSteps{{0xA4, 4}, {0xFE, 50}, {0x24, 4}}), MacroSteps(steps.begin() + 3, steps.begin() + 6));

    m_host.ShowAndPaint();
    m_host.manager().SendNotification(Find(L"listex1"), L"menu");
    HWND menu = FindWindowW(L"MenuWnd", nullptr);
    ASSERT_NE(nullptr, menu) << "the step list's menu";
    PostMessageW(menu, WM_CLOSE, 1, 0);
    m_host.Pump(60);
}

TEST_F(KelvoDriverManager, NamesGoThroughTheKeyboardEditorAndInsertsThroughTheDriversOwn)
{
    m_host.ShowAndPaint();
    {
        EditorScript script({ConfirmEditor(L"MarcoEdit", L"", L"marco_edit_driver_name", L"Sweep")});
        Click(L"AddMarcoButton");
        EXPECT_TRUE(script.Finished());
    }
    ASSERT_EQ(1u, KelvoDriverMacroList.size());
    Names()->SelectItem(0);
    {
        EditorScript script({ConfirmEditor(L"MarcoEdit_Kelvo_Driver", L"_Kelvo_Driver", L"marco_edit_driver_move",
                                           L"5", L"-7")});
        dynamic_cast<CComboUI*>(Find(L"macro_insert_combo"))->SelectItem(6);
        m_host.Pump(400);
        EXPECT_TRUE(script.Finished());
    }
    EXPECT_EQ((MacroSteps{{0xFB, 5}, {0xFA, -7}}), m_manager->Steps());
    const Bytes move = FileData();
    EXPECT_EQ((Bytes{0x00, 0x00, 0x08, 0xFD, 0x00, 0xFB, 0x05, 0xFA, 0xF9, 0xFC}), Bytes(move.begin(), move.end() - 1));
}

}  // namespace
