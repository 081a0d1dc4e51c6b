#pragma once
// The keyboard's macro window: a modeless pop-up over the keyboard page in
// which the user keeps the keyboard macros by name, records their steps from
// the real keyboard and mouse buttons (low-level hooks held only while
// recording), inserts, edits and deletes single steps, picks the loop mode,
// exports and imports the macros. Every change is encoded into the macro's
// byte code and the keyboard macro file is rewritten. The keyboard page
// writes the macros to the keyboard; this window never talks to it.

#include "app/macro/codec/keyboard_macro_codec.h"
#include "app/macro/files/macro_save_notice.h"
#include "app/windows/page_services.h"
#include "ui/core/window_impl_base.h"

#include <cstdint>

namespace SkinUI {
class CListUI;
}
class MarcoListUI;

class MarcoManger : public SkinUI::WindowImplBase {
public:
    using Clock = int64_t (*)();

    // Brings the open manager to the front, or shows a new one centred over
    // the owner; it deletes itself when its window is gone. Null when the
    // window cannot be made.
    static MarcoManger* Open(SkinUI::CWindowWnd* owner, IFileChooser* files);
    // The manager the recording hooks serve: the open one, if any.
    static MarcoManger* Current();

    // The row icon of a step type in "macroicons.png".
    static int StepIcon(int type);

    void Notify(SkinUI::NotifyRecordUI& record) override;
    SkinUI::CControlUI* CreateControl(const wchar_t* tag) override;

    // Low-level hook events; taken only while recording.
    void OnKeyboardHook(WPARAM message, DWORD virtualKey);
    void OnMouseHook(WPARAM message, const MSLLHOOKSTRUCT& event);

    // 0 idle, 1 recording with nothing taken yet, 2 recording.
    int RecordingState() const { return m_recordState; }
    bool HooksInstalled() const;
    int LoopMode() const { return m_loopMode; }
    int DelayMode() const { return m_delayMode; }
    // The clock of the recorded delays (milliseconds).
    void SetClock(Clock clock) { m_clock = clock; }
    // The rows of the step list.
    MacroSteps Steps();

    // Both need a selected macro to start; stopping encodes the recorded
    // steps into it.
    void StartRecording();
    void StopRecording();

    // What the step editor confirms; each change rewrites the macro file.
    void AddMacro(const SkinUI::CUIString& name);
    void RenameSelectedMacro(const SkinUI::CUIString& name);
    void DeleteSelectedMacro();
    // Inserts after the selected row (at the end without one, after its Y
    // row for the X row of a move) when the macro keeps within its 144
    // bytes; false when refused.
    bool InsertSteps(const MacroSteps& steps);
    // Button down, 50 ms, button up.
    bool InsertClickSteps(int buttonBit);
    // The selected delay or move row gets the value; a move row keeps its
    // place in its X/Y pair.
    void SetSelectedStepValue(int value);
    // The selected key row gets the key; a key without a device code
    // changes nothing.
    void SetSelectedStepKey(int keyCode);
    // Removes the selected row; a row of an X/Y pair goes with its partner.
    void DeleteSelectedStep();
    void ExportMacros();
    void ImportMacros();

protected:
    const wchar_t* GetWindowClassName() const override { return L"MarcoManagerPage"; }
    SkinUI::CUIString GetSkinFolder() override { return L"res\\Skin\\"; }
    SkinUI::CUIString GetSkinFile() override { return L"XML\\MarcoManagerPage.xml"; }
    void InitWindow() override;
    void OnDestroyed(HWND formerWindow) override;

private:
    MarcoManger(SkinUI::CWindowWnd* owner, IFileChooser* files);
    ~MarcoManger() override;

    SkinUI::CControlUI* Find(const wchar_t* name);
    SkinUI::CListUI* NameList();
    MarcoListUI* StepList();
    int SelectedMacro();
    int SelectedStep();
    bool IsNamed(SkinUI::CControlUI* control, const wchar_t* name) const;

    // Window
    void OnClick(SkinUI::CControlUI* sender);
    void OnMenuItem(const SkinUI::CUIString& item);
    void OnTextChanged(SkinUI::CControlUI* sender);
    void ShowMenu(SkinUI::NotifyRecordUI& record);
    void SetDelayMode(int mode);
    void SetLoopMode(int mode);

    // Macros
    void FillMacroNames();
    void NewMacro();
    void RenameMacro();
    void DeleteMacro();
    // Rewrites the keyboard macro file. A failed save is said in a box once,
    // not again until a save succeeds.
    void WriteMacroFile();

    // Steps
    void ShowMacroSteps(int index);
    void ShowLoop(const KeyboardLoop& loop);
    void EncodeSteps(int index);
    void ChangedSelectedMacro();
    bool HasRoomFor(size_t at, const MacroSteps& added);
    void AppendRow(const MacroStep& step);
    void InsertRow(int at, const MacroStep& step);
    void ReplaceSelectedRow(int value);
    void InsertFromCombo();
    void InsertStep(int type);
    void EditStep();
    void EditValueStep();
    void EditKeyStep();
    void DeleteStep();

    // Recording
    void SetRecordButtonLook(bool recording);
    void DisableEditControls();
    void EnableEditControls();
    void RecordStep(const MacroStep& step);
    void AddMouseStep(WPARAM message, const MSLLHOOKSTRUCT& event);
    void InstallMouseHook();
    void InstallKeyboardHook();
    void RemoveHooks();

    SkinUI::CWindowWnd* m_owner;
    IFileChooser* m_files;
    Clock m_clock;
    int m_recordState = 0;
    int m_delayMode = 0;  // 0 the measured interval, 1 the fixed value of "delay_edit", 2 none
    int m_loopMode = KeyboardLoopMode::Count;
    int64_t m_lastEventTime = 0;
    bool m_pointerOverRecordButton = false;
    MacroSaveNotice m_saveNotice;
};
