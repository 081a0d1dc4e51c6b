#pragma once
// The modal dialog that gives one key of the Wenk keyboard, or one of its FN
// buttons, a new function: a key or key combination captured from the real
// keyboard, a macro, a multimedia function, or its default back. On OK it
// rewrites the key's record and renumbers the macro and combination tables.

#include "app/dialogs/keyboard/key_assignment.h"
#include "app/dialogs/keyboard/key_choice.h"
#include "app/windows/page_services.h"
#include "ui/core/window_impl_base.h"

#include <vector>

class KeyEdit : public SkinUI::WindowImplBase {
public:
    // The dialog serves the keyboard hook from here on.
    KeyEdit(SkinUI::CWindowWnd* owner, KeyAssignmentRecord& record, IMessageBoxPresenter* messages);
    ~KeyEdit() override;

    // Runs the dialog over the owner, applies the choice on OK and deletes
    // the dialog. True for OK.
    bool RunDialog();
    // The same for the FN buttons of the keyboard's active key set, starting
    // with "FN_1".
    bool RunDialogForFnKey();

    // A low-level keyboard event while the key page captures.
    void OnKeyboardHook(UINT message, int virtualKey);

    // The window over the owner, built but not yet run.
    HWND CreateOverOwner();
    void Notify(SkinUI::NotifyRecordUI& record) override;
    const KeyAssignmentRecord& EditedRecord() const { return *record_; }
    int ChoiceState() const { return choice_.State(); }

protected:
    const wchar_t* GetWindowClassName() const override { return L"KeyEdit"; }
    SkinUI::CUIString GetSkinFolder() override { return SkinUI::CUIString(); }
    SkinUI::CUIString GetSkinFile() override { return L"XML\\KeyEdit.xml"; }
    void InitWindow() override;

private:
    bool Run();
    void ShowCurrentValue();
    void ShowPane(int state);
    void OnClick(const SkinUI::CUIString& name);
    void OnFunctionButtonSelected();
    void TakeChoice();
    void ApplyChoice();
    ModifierBoxes CheckedModifiers();
    bool IsChecked(const wchar_t* name);
    SkinUI::CControlUI* Find(const wchar_t* name);

    SkinUI::CWindowWnd* owner_;
    KeyAssignmentRecord* record_;
    IMessageBoxPresenter* messages_;
    KeyChoice choice_;
    KeyChoiceResult taken_;
    std::vector<MacroRef> macroRows_;
};
