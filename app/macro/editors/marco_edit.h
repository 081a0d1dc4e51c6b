#pragma once

#include "app/macro/editors/marco_edit_rules.h"
#include "ui/core/window_impl_base.h"

class MarcoEdit;

// The process-wide key capture of one step editor kind: the editor the
// hook procedure serves and the hook handle.
struct KeyCaptureSlot {
    MarcoEdit* current = nullptr;
    HHOOK hook = nullptr;
};

// The small modal dialog through which the macro managers ask for one
// thing: a name (modes 0 and 1), a confirmation (2), a key captured from the
// keyboard on its release (3), a mouse move (5) or a delay (6). The mode
// picks the controls shown and the limits kept while the user types. The
// editor is made on the heap; a modal entry runs it and deletes it.
class MarcoEdit : public SkinUI::WindowImplBase {
public:
    // The keyboard macro manager's editor: no name or delay limit.
    MarcoEdit(SkinUI::CWindowWnd* owner, int mode);
    ~MarcoEdit() override;

    // True with the text of "result_value" when the dialog ends with OK.
    bool RunForText(SkinUI::CUIString& text);
    // True when the dialog ends with OK: both edits' texts, and the captured
    // key's code in mode 3, else the leading number of the first text.
    bool RunForValues(SkinUI::CUIString& text1, int& number, SkinUI::CUIString& text2);

    // A low-level keyboard event: a released key becomes the captured key.
    void OnKeyEvent(WPARAM message, DWORD virtualKey);

    int GetKeyCode() const { return m_keyCode; }

    void Notify(SkinUI::NotifyRecordUI& record) override;

protected:
    MarcoEdit(SkinUI::CWindowWnd* owner, int mode, const MarcoEditRules& rules, KeyCaptureSlot& slot,
              HOOKPROC hookProcedure);

    const wchar_t* GetWindowClassName() const override;
    void OnDestroyed(HWND formerWindow) override;
    void InitWindow() override;
    SkinUI::CUIString GetSkinFolder() override;
    SkinUI::CUIString GetSkinFile() override;

private:
    // The layout's control of that name with the kind's suffix.
    SkinUI::CControlUI* Find(const wchar_t* name);
    bool IsControl(const SkinUI::CUIString& controlName, const wchar_t* name) const;
    void CenterOnOwner();
    void ApplyMode();
    void InstallKeyHook();
    void RemoveKeyHook();
    void KeepValuesInRange();
    void Correct(const wchar_t* editName, const SkinUI::CUIString& correction);
    struct Outcome {
        UINT result = 0;  // 1 OK, 2 cancel or close
        SkinUI::CUIString text1;
        SkinUI::CUIString text2;
        int number = 0;
    };
    // Runs the dialog, then deletes the editor.
    Outcome RunAndDelete();
    // What OK confirms, taken while the controls still exist.
    void Confirm();

    SkinUI::CWindowWnd* m_owner;
    int m_mode;
    int m_keyCode = 0;
    const MarcoEditRules& m_rules;
    KeyCaptureSlot& m_slot;
    HOOKPROC m_hookProcedure;
    Outcome m_confirmed;
};

// The hook procedure of one slot: hands every event to the slot's editor
// and always passes it on.
template <KeyCaptureSlot& slot>
LRESULT CALLBACK KeyCaptureProcedure(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && slot.current != nullptr)
        slot.current->OnKeyEvent(wParam, reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode);
    return CallNextHookEx(slot.hook, code, wParam, lParam);
}
