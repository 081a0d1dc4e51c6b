#pragma once
// The macro manager of a mouse page: the family's macros by name, the steps
// of the selected one, recording from the keyboard and the mouse buttons
// through low-level hooks (installed only while recording), step inserts and
// edits through the step editors, the loop and play options, and the
// family's macro file rewritten after every change. The family's traits
// give its byte code, options, limits and control names.
#include <windows.h>

#include <cstdint>
#include <set>

#include "app/core/settings/settings_containers.h"
#include "app/macro/files/macro_save_notice.h"
#include "app/macro/managers/macro_step_rows.h"
#include "app/macro/managers/mouse_macro_traits.h"
#include "ui/core/container.h"
#include "ui/core/layout_builder.h"
#include "ui/core/window_wnd.h"

namespace SkinUI {
class CListUI;
}
class MarcoListUI;
class MouseMacroManager;

// The recording hooks of one manager class and the manager recording
// through them.
struct MacroHookSlot {
    MouseMacroManager* current = nullptr;
    HHOOK mouse = nullptr;
    HHOOK keyboard = nullptr;
};

class MouseMacroManager : public SkinUI::CContainerUI, public SkinUI::INotifyUI, public SkinUI::IDialogBuilderCallback {
public:
    using Clock = int64_t (*)();

    void OnInitialize() override;
    void Notify(SkinUI::NotifyRecordUI& record) override;
    SkinUI::CControlUI* CreateControl(const wchar_t* tag) override;

    // Low-level hook events while recording.
    void OnKeyboardEvent(WPARAM message, DWORD virtualKey);
    void OnMouseEvent(WPARAM message, const MSLLHOOKSTRUCT& record);

    bool IsRecording() const { return m_recordState != 0; }
    bool HooksInstalled() const { return m_slot.mouse != nullptr && m_slot.keyboard != nullptr; }
    int GetLoopMode() const { return m_options.loop.mode; }
    int GetPlayMode() const { return m_options.playMode; }
    int GetDelayMode() const { return m_delayMode; }
    // The clock of the measured delays (milliseconds).
    void SetClock(Clock clock) { m_clock = clock; }
    // The rows of the step list.
    MacroSteps Steps() const;
    // One row per macro of the family's list.
    void FillMacroNameList();

    void StartRecording();
    void StopRecording();

    // The changes the dialogs confirm, each followed by the file rewrite.
    // Names are kept to the file's name field.
    void AddMacro(const SkinUI::CUIString& name);
    void RenameSelectedMacro(const SkinUI::CUIString& name);
    void DeleteSelectedMacro();
    void SetSelectedDelay(int milliseconds);
    void SetSelectedKey(int keyCode);
    // Removes the selected row; a row of a three-byte move goes with its
    // partner.
    void DeleteSelectedStep();
    // Inserts after the selected row (after the Y row of a three-byte move
    // whose X row is selected; at the end with none) when the macro keeps
    // within its field; false when refused.
    bool InsertSteps(const MacroSteps& steps);
    bool InsertClick(int buttonBit);
    // The combo's step kind: its dialog, then the insert.
    void InsertStepFromCombo();

protected:
    MouseMacroManager(SkinUI::CWindowWnd* owner, const MouseMacroTraits& traits, MacroHookSlot& slot,
                      HOOKPROC mouseProcedure, HOOKPROC keyboardProcedure);
    ~MouseMacroManager() override;

private:
    SkinUI::CControlUI* Find(const wchar_t* baseName) const;
    SkinUI::CListUI* NameList() const;
    MarcoListUI* StepList() const;
    MacroList& Macros() const;
    int SelectedMacro() const;
    int SelectedStep() const;
    bool IsOwnList(SkinUI::CControlUI* sender) const;
    bool IsNamed(SkinUI::CControlUI* control, const wchar_t* baseName) const;
    MoveRowTypes Moves() const { return {m_traits.moveX, m_traits.moveY}; }
    SkinUI::CUIString StoredName(const SkinUI::CUIString& name) const;

    void ShowMacroSteps(int index);
    void ShowLoop(const MacroLoop& loop);
    void ShowPlayMode(int mode);
    void EncodeMacro(int index);
    // Rewrites the family's file. A failed save is said in a box once, not
    // again until a save succeeds; while recording, the save that ends the
    // recording says it.
    void WriteMacroFile();
    void ChangedSelectedMacro();
    void AppendRow(const MacroStep& step);
    void InsertRow(int at, const MacroStep& step);
    void RecordStep(const MacroStep& step);

    void OnClick(SkinUI::CControlUI* sender);
    void OnMenuItem(const SkinUI::CUIString& item);
    void OnTextChanged(SkinUI::CControlUI* sender);
    void SetLoopMode(int mode);
    void SetDelayMode(int mode);
    void ShowMenu(SkinUI::NotifyRecordUI& record);
    void SetRecordButtonLook(bool recording);
    // Disables the locked control while recording; unlocking leaves what
    // was disabled in it before disabled.
    void Lock();
    void Unlock();
    void InstallHooks();
    void RemoveHooks();

    void NewMacro();
    void RenameMacro();
    void DeleteMacro();
    void ExportMacros();
    void ImportMacros();
    void EditStep();
    void DeleteStep();
    void InsertFromDialog(int mode, int type);

    SkinUI::CWindowWnd* m_owner;
    const MouseMacroTraits& m_traits;
    MacroHookSlot& m_slot;
    HOOKPROC m_mouseProcedure;
    HOOKPROC m_keyboardProcedure;
    Clock m_clock;
    int m_recordState = 0;  // 0 idle, 1 recording with nothing yet, 2 recording
    int m_delayMode = 0;    // 0 measured, 1 fixed from the edit, 2 none
    MacroPlayOptions m_options;  // the repeat count is read from its edit when encoding
    int64_t m_lastEventTime = 0;
    bool m_pointerOverRecordButton = false;
    MacroSaveNotice m_saveNotice;
    std::set<SkinUI::CControlUI*> m_disabledBeforeLock;  // compared with live controls only
};

// One manager class: its own hook slot and its hook procedures, which hand
// each event to the recording manager and always pass it on.
template <class Member>
class MouseMacroManagerOf : public MouseMacroManager {
public:
    static LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HC_ACTION && s_hooks.current != nullptr)
            s_hooks.current->OnMouseEvent(wParam, *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam));
        return CallNextHookEx(s_hooks.mouse, code, wParam, lParam);
    }

    static LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HC_ACTION && s_hooks.current != nullptr)
            s_hooks.current->OnKeyboardEvent(wParam, reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode);
        return CallNextHookEx(s_hooks.keyboard, code, wParam, lParam);
    }

protected:
    MouseMacroManagerOf(SkinUI::CWindowWnd* owner, const MouseMacroTraits& traits)
        : MouseMacroManager(owner, traits, s_hooks, &MouseHookProc, &KeyboardHookProc)
    {
    }

private:
    static inline MacroHookSlot s_hooks;
};
