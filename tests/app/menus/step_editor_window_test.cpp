#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/core/keys/key_codes.h"
#include "app/macro/editors/marco_edit_members.h"
#include "tests/app/menus/skin_fixture.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/control_walk.h"
#include "ui/controls/edit.h"

using namespace SkinUI;

namespace {

class OwnerWindow : public CWindowWnd {
protected:
    const wchar_t* GetWindowClassName() const override { return L"StepEditorTestOwner"; }
};

// Steps run one per timer tick inside the editor's modal loop; a last step
// closes a dialog that is still open.
std::vector<std::function<void()>> g_steps;
size_t g_nextStep = 0;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (g_nextStep < g_steps.size())
        g_steps[g_nextStep++]();
    else
        KillTimer(nullptr, timer);
}

class StepEditor : public ProgramSkin {
protected:
    void SetUp() override
    {
        ProgramSkin::SetUp();
        ASSERT_TRUE(SkinFileExists(L"XML\\MarcoEdit_Kelvo.xml"));
        ASSERT_NE(nullptr, m_owner.Create(nullptr, L"owner", WS_POPUP | WS_VISIBLE, 0, 100, 80, 640, 420));
    }
    void TearDown() override
    {
        DestroyWindow(m_owner.GetWindowHandle());
        ProgramSkin::TearDown();
    }

    // Runs the editor with the steps; each step sees the editor still alive.
    void Script(MarcoEdit* editor, std::vector<std::function<void()>> steps)
    {
        m_editor = editor;
        g_steps = std::move(steps);
        g_steps.push_back([editor] { PostMessageW(editor->GetWindowHandle(), WM_CLOSE, 2, 0); });
        g_nextStep = 0;
        m_timer = SetTimer(nullptr, 0, 40, &RunNextStep);
    }
    void EndScript() { KillTimer(nullptr, m_timer); }

    CControlUI* Control(const wchar_t* name) { return m_editor->GetManager().FindControlByName(name); }

    // The user's typing as the edit reports it.
    void Type(const wchar_t* name, const wchar_t* text)
    {
        CControlUI* edit = Control(name);
        ASSERT_NE(nullptr, edit) << name;
        edit->SetText(text);
        Send(name, L"textchanged");
    }
    void Send(const wchar_t* name, const wchar_t* type)
    {
        NotifyRecordUI record;
        record.type = type;
        record.sender = Control(name);
        ASSERT_NE(nullptr, record.sender) << name;
        m_editor->Notify(record);
    }
    // A left click in the middle of a control of the editor.
    void Click(const wchar_t* name)
    {
        CControlUI* control = Control(name);
        ASSERT_NE(nullptr, control) << name;
        HWND window = m_editor->GetWindowHandle();
        const RECT& position = control->GetPosition();
        const LPARAM point = MAKELPARAM((position.left + position.right) / 2, (position.top + position.bottom) / 2);
        SendMessageW(window, WM_MOUSEMOVE, 0, point);
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageW(window, WM_LBUTTONUP, 0, point);
    }
    std::wstring TextOf(const wchar_t* name) { return Control(name)->GetText().GetData(); }

    OwnerWindow m_owner;
    MarcoEdit* m_editor = nullptr;
    UINT_PTR m_timer = 0;
};

TEST_F(StepEditor, ADelayIsKeptWithinTheFamilyLimitAndOkDeliversIt)
{
    auto* editor = new MarcoEdit_Kelvo(&m_owner, kEditDelay);
    std::wstring corrected[2];
    bool shown[3] = {};
    Script(editor, {[&] {
                        shown[0] = Control(L"result_value_Kelvo")->IsVisible();
                        shown[1] = Control(L"result_value2_Kelvo")->IsVisible();
                        shown[2] = Control(L"x_value_message_Kelvo")->IsVisible();
                        Type(L"result_value_Kelvo", L"2041");
                        corrected[0] = TextOf(L"result_value_Kelvo");
                        Type(L"result_value_Kelvo", L"-3");
                        corrected[1] = TextOf(L"result_value_Kelvo");
                        Type(L"result_value_Kelvo", L"1500");
                        Send(L"btn_ok_Kelvo", L"click");
                    }});
    CUIString text1, text2;
    int number = -1;
    EXPECT_TRUE(editor->RunForValues(text1, number, text2));
    EndScript();
    EXPECT_TRUE(shown[0]);
    EXPECT_FALSE(shown[1]);
    EXPECT_FALSE(shown[2]);
    EXPECT_EQ(L"2040", corrected[0]);
    EXPECT_EQ(L"0", corrected[1]);
    EXPECT_STREQ(L"1500", text1);
    EXPECT_EQ(1500, number);
}

TEST_F(StepEditor, NolxDelaysStopAt65534AndTheKeyboardEditorChecksNone)
{
    auto* dolv = new MarcoEdit_Dolv(&m_owner, kEditDelay);
    std::wstring dolvText;
    bool digitsOnly = false;
    Script(dolv, {[&] {
                      Type(L"result_value_Dolv", L"65535");
                      dolvText = TextOf(L"result_value_Dolv");
                      digitsOnly = static_cast<CEditUI*>(Control(L"result_value_Dolv"))->IsNumberOnly();
                      Send(L"btn_cancel_Dolv", L"click");
                  }});
    CUIString text;
    EXPECT_FALSE(dolv->RunForText(text));
    EndScript();
    EXPECT_EQ(L"65534", dolvText);
    EXPECT_TRUE(digitsOnly);
    EXPECT_TRUE(text.IsEmpty());

    auto* keyboard = new MarcoEdit(&m_owner, kEditDelay);
    Script(keyboard, {[&] {
                          Type(L"result_value", L"100000");
                          Send(L"btn_ok", L"click");
                      }});
    EXPECT_TRUE(keyboard->RunForText(text));
    EndScript();
    EXPECT_STREQ(L"100000", text);
}

TEST_F(StepEditor, AMoveShowsBothValuesKeptWithin128EitherWay)
{
    auto* editor = new MarcoEdit_Qiro(&m_owner, kEditMove);
    bool shown[4] = {};
    bool waringShown = true;
    Script(editor, {[&] {
                        int i = 0;
                        for (const wchar_t* name : {L"result_value_Qiro", L"result_value2_Qiro", L"x_value_message_Qiro",
                                                    L"y_value_message_Qiro"})
                            shown[i++] = Control(name)->IsVisible();
                        waringShown = Control(L"waring_messgae_Qiro")->IsVisible();
                        Type(L"result_value_Qiro", L"-128");
                        Type(L"result_value2_Qiro", L"128");
                        EXPECT_EQ(L"-128", TextOf(L"result_value_Qiro"));
                        EXPECT_EQ(L"128", TextOf(L"result_value2_Qiro"));
                        Type(L"result_value_Qiro", L"129");
                        Type(L"result_value2_Qiro", L"-129");
                        EXPECT_TRUE(test::LooksFinished(editor->GetManager(), L"move in English"));
                        LoadLanguage(L"Languages\\Chinese.xml");
                        EXPECT_TRUE(test::LooksFinished(editor->GetManager(), L"move in Chinese"));
                        LoadLanguage(L"Languages\\English.xml");
                        Send(L"btn_ok_Qiro", L"click");
                    }});
    CUIString x, y;
    int number = 0;
    EXPECT_TRUE(editor->RunForValues(x, number, y));
    EndScript();
    for (bool visible : shown)
        EXPECT_TRUE(visible);
    EXPECT_FALSE(waringShown);
    EXPECT_STREQ(L"128", x);
    EXPECT_STREQ(L"-128", y);
    EXPECT_EQ(128, number);
}

TEST_F(StepEditor, AConfirmationShowsOnlyTheWarningAndClosingIsNo)
{
    auto* editor = new MarcoEdit_Mesk(&m_owner, kEditConfirm);
    bool waring = false;
    bool value = true;
    RECT window = {};
    Script(editor, {[&] {
                        waring = Control(L"waring_messgae_Mesk")->IsVisible();
                        value = Control(L"result_value_Mesk")->IsVisible();
                        GetWindowRect(editor->GetWindowHandle(), &window);
                        Send(L"btn_colse_Mesk", L"click");
                    }});
    CUIString text = L"unchanged";
    EXPECT_FALSE(editor->RunForText(text));
    EndScript();
    EXPECT_TRUE(waring);
    EXPECT_FALSE(value);
    EXPECT_STREQ(L"unchanged", text);
    // Centred over the owner (100, 80, 640 x 420) with the layout's size.
    EXPECT_EQ(100 + (640 - 360) / 2, window.left);
    EXPECT_EQ(80 + (420 - 236) / 2, window.top);
    EXPECT_EQ(360, window.right - window.left);
    EXPECT_EQ(236, window.bottom - window.top);
}

TEST_F(StepEditor, NamesAreLimitedByFamily)
{
    struct Case {
        MarcoEdit* editor;
        const wchar_t* edit;
        UINT length;
    };
    for (const Case& c : {Case{new MarcoEdit_Dolv(&m_owner, kEditNewName), L"result_value_Dolv", 7},
                          Case{new MarcoEdit_Kelvo(&m_owner, kEditRename), L"result_value_Kelvo", 15},
                          Case{new MarcoEdit(&m_owner, kEditNewName), L"result_value", 255}}) {
        UINT length = 0;
        bool focused = false;
        Script(c.editor, {[&] {
                              auto* edit = static_cast<CEditUI*>(Control(c.edit));
                              length = edit->GetMaxChars();
                              focused = edit->IsFocused();
                              edit->SetText(L"Jump");
                          },
                          [&] { Send(CUIString(L"btn_ok") + (c.edit + 12), L"click"); }});
        CUIString name;
        EXPECT_TRUE(c.editor->RunForText(name));
        EndScript();
        EXPECT_EQ(c.length, length) << c.edit;
        EXPECT_TRUE(focused) << c.edit;
        EXPECT_STREQ(L"Jump", name);
    }
}

TEST_F(StepEditor, ClickingOkWithTheMouseEndsANameEntryWithTheTypedName)
{
    auto* editor = new MarcoEdit_Qiro(&m_owner, kEditRename);
    Script(editor, {[&] { Click(L"result_value_Qiro"); },
                    [&] { Control(L"result_value_Qiro")->SetText(L"Reload"); },
                    [&] { Click(L"btn_ok_Qiro"); }});
    CUIString name;
    EXPECT_TRUE(editor->RunForText(name));
    EndScript();
    EXPECT_STREQ(L"Reload", name);
}

// Real key presses reach the editor through its low-level keyboard hook.
void PressAndRelease(std::initializer_list<WORD> downs, std::initializer_list<WORD> ups)
{
    std::vector<INPUT> inputs;
    for (WORD key : downs) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (WORD key : ups) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

TEST_F(StepEditor, TheLastReleasedKeyIsCapturedAndItsCodeWinsOverTheEditedText)
{
    auto* editor = new MarcoEdit_Kelvo(&m_owner, kEditKey);
    int afterShiftA = -1;
    bool value2 = true;
    Script(editor, {[&] { value2 = Control(L"result_value2_Kelvo")->IsVisible(); },
                    [&] { PressAndRelease({VK_LSHIFT, 'A'}, {'A'}); },
                    [&] { afterShiftA = editor->GetKeyCode(); },
                    [&] { PressAndRelease({}, {VK_LSHIFT}); },
                    [&] {
                        // A key-down alone changes nothing.
                        editor->OnKeyEvent(WM_KEYDOWN, 'B');
                        Control(L"result_value_Kelvo")->SetText(L"typed over");
                        Send(L"btn_ok_Kelvo", L"click");
                    }});
    CUIString text1, text2;
    int number = 0;
    EXPECT_TRUE(editor->RunForValues(text1, number, text2));
    EndScript();
    EXPECT_FALSE(value2);
    EXPECT_EQ(VirtualKeyToKeyCode('A'), afterShiftA);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_LSHIFT), number);
    EXPECT_STREQ(L"typed over", text1);
    // The hook went with the editor: further keys reach no editor.
    PressAndRelease({'C'}, {'C'});
    test::PumpMessages(60);
}

TEST_F(StepEditor, ReleasedKeysWithoutADeviceCodeGiveCodeZeroAndAnEmptyName)
{
    auto* editor = new MarcoEdit_Dolv(&m_owner, kEditKey);
    std::wstring shown = L"unset";
    Script(editor, {[&] {
                        editor->OnKeyEvent(WM_SYSKEYUP, VK_SHIFT);
                        shown = TextOf(L"result_value_Dolv");
                        EXPECT_EQ(0, editor->GetKeyCode());
                        editor->OnKeyEvent(WM_KEYUP, VK_F5);
                        Send(L"btn_ok_Dolv", L"click");
                    }});
    CUIString text1, text2;
    int number = -1;
    EXPECT_TRUE(editor->RunForValues(text1, number, text2));
    EndScript();
    EXPECT_EQ(L"", shown);
    EXPECT_EQ(VirtualKeyToKeyCode(VK_F5), number);
    EXPECT_STREQ(GetKeyName(VirtualKeyToKeyCode(VK_F5)), text1);
}

}  // namespace
