#pragma once
// The modal dialog a mouse page opens on one of its button fields: it shows
// what the button does, offers the option groups, captures keyboard keys
// while the user-defined option is chosen, and on OK encodes the choice into
// the button's entry once the window is gone.
//
// No lock is held while the window is open: a read on a worker may replace
// the family's button tables meanwhile. The dialog keeps where its entry
// sits and finds it there again, under the family's lock, to show and to
// change it.

#include "app/dialogs/assignment/assignment_choice.h"
#include "app/dialogs/assignment/key_capture.h"
#include "app/dialogs/assignment/mouse_family.h"
#include "app/windows/page_services.h"
#include "ui/core/window_impl_base.h"

#include <optional>
#include <utility>

class KeyEditDialog;

// The box a page shows when the dialog closed with OK but a read meanwhile
// left no entry at the edited button's place: nothing was assigned.
inline constexpr wchar_t kAssignmentNotMade[] = L"%{085}";

// One per member class: its low-level keyboard hook and the dialog it serves
// (the one constructed last).
struct KeyboardHookSlot {
    HHOOK hook = nullptr;
    KeyEditDialog* dialog = nullptr;
};

class KeyEditDialog : public SkinUI::WindowImplBase {
public:
    // Creates the window over the owner, runs it modally, encodes the choice
    // when it closed with OK or reset, and deletes the dialog. True exactly
    // when it closed with OK or reset.
    bool RunDialog();

    // One low-level keyboard event: a key press shows the captured key.
    void OnKeyboardEvent(UINT message, int virtualKey);
    bool IsCapturingKeys() const { return HookSlot().hook != nullptr; }
    // The controls' state as the window closed with OK or reset.
    const AssignmentChoice& ClosingChoice() const { return choice_; }

protected:
    // The entry is one of the family's button tables' and must stay in place
    // while the constructor runs: its caller holds the family's lock, or no
    // read runs.
    KeyEditDialog(MouseFamily family, const PageServices& services, ButtonAssignmentEntry* kelvoEntry,
                  MacroKeyEntry* nolxEntry);

    virtual KeyboardHookSlot& HookSlot() const = 0;
    virtual HOOKPROC HookProcedure() const = 0;

    void InitWindow() override;
    void Notify(SkinUI::NotifyRecordUI& record) override;
    void OnDestroyed(HWND formerWindow) override;
    SkinUI::CUIString GetSkinFolder() override;
    SkinUI::CUIString GetSkinFile() override;

    // The hook procedure of every member: hands the event to the slot's dialog.
    static LRESULT ServeHook(KeyboardHookSlot& slot, int code, WPARAM wParam, LPARAM lParam);

private:
    DeviceLibraryBinder::Guard LockFamily() const;
    // The entry at the edited entry's place as the tables hold it now, null
    // when there is none; only under the family's lock.
    ButtonAssignmentEntry* KelvoEntry() const;
    MacroKeyEntry* NolxEntry() const;
    SkinUI::CUIString Named(const wchar_t* base) const;
    bool IsNamed(const SkinUI::CUIString& name, const wchar_t* base) const;
    SkinUI::CControlUI* Find(const wchar_t* base);
    void ShowCurrentAssignment();
    void FillMacroList();
    void ShowPaneOf(const SkinUI::CUIString& option);
    bool IsChecked(const wchar_t* base);
    void CaptureChoice();
    void ApplyChoice();
    void InstallKeyboardHook();
    void RemoveKeyboardHook();

    const MouseFamily family_;
    PageServices services_;
    // Where the edited entry sits: the index of its table among the family's
    // button tables and its position there; none for an entry of no table.
    std::optional<std::pair<size_t, int>> place_;
    MacroList deviceMacroSnapshot_;  // Dolv, Mesk, Qiro: the controller's macros at opening
    KeyCapture capture_;
    AssignmentChoice choice_;
};
