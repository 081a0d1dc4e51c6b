#pragma once
// Acting on the program's windows in the test's own process, as a user does:
// mouse and key messages at a control's place (found by name), the message
// pump, scripts that act inside a modal dialog's own message loop, real key
// presses for low-level hooks, and screenshots.
//
// Every framework window works the same way: the main window, a dialog, a
// pop-up menu or a combo box's drop-down list. A click that opens a modal
// dialog returns only once the dialog has closed: start a ModalScript with
// what to do inside the dialog before that click.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace SkinUI {
class CControlUI;
class CWindowManagerUI;
}  // namespace SkinUI

namespace program_test {

// Dispatches this thread's messages (through the window managers'
// pre-translation, as the program's loop does) until `done` holds; false
// when `ms` passed first.
bool PumpUntil(const std::function<bool()>& done, DWORD ms = 5000);
// Dispatches messages for `ms`.
void Settle(DWORD ms);
// Whether a pump met a WM_QUIT since the last call (which clears it).
bool TakeQuitSeen();

// A window of the framework and its window manager.
class UiWindow {
public:
    UiWindow() = default;
    explicit UiWindow(HWND window);
    // The visible top-level window of this thread with that window class,
    // e.g. "KeyEdit_Qiro", "ColorPicker", "MarcoEdit_Qiro", "MenuWnd"; not
    // open when there is none.
    static UiWindow OfClass(const wchar_t* className);

    // A live window that a window manager serves.
    bool IsOpen() const;
    HWND Handle() const { return window_; }
    SkinUI::CWindowManagerUI* Manager() const;
    SkinUI::CControlUI* Find(const wchar_t* name) const;
    template <class Control>
    Control* FindAs(const wchar_t* name) const {
        return dynamic_cast<Control*>(Find(name));
    }

    // What a user reads off a control: its text ("<missing>" when there is
    // no such control), whether an option or check box is selected, where a
    // slider stands (-1 for no slider), its font (-1 for no button).
    std::wstring TextOf(const wchar_t* name) const;
    bool IsSelected(const wchar_t* name) const;
    int SliderValue(const wchar_t* name) const;
    int FontOf(const wchar_t* name) const;

    // A left click at the control's vertical centre and at that fraction of
    // its width (options and check boxes: 0.05 hits their box); false when
    // the control is missing, hidden or not laid out, or when the window is
    // disabled: like a user's, the clicks, drags and typing here reach only
    // a window that takes input.
    bool Click(const wchar_t* name, double xFraction = 0.5) const;
    bool RightClick(const wchar_t* name) const;
    // Where Click aims on the control in client coordinates; false when it
    // would not click.
    bool CentreOf(const wchar_t* name, double xFraction, POINT* point) const;
    void ClickAt(POINT client) const;
    // A left click on the row of a list.
    bool ClickRow(const wchar_t* listName, int row) const;
    // Opens the combo box with a click and clicks the item in its drop-down
    // list; true when the combo then shows that item. `clicked`, when given,
    // receives where the item was clicked in the drop-down list's window.
    bool ChooseComboItem(const wchar_t* comboName, int item, POINT* clicked = nullptr) const;
    // Drags the slider's thumb to the place of the value; true when the
    // slider then holds it.
    bool MoveSlider(const wchar_t* sliderName, int value) const;
    // Clicks into the edit and types the text over what it holds, one
    // character after the other, then gives the focus back to the window.
    bool TypeText(const wchar_t* editName, const wchar_t* text) const;
    // Key down and up, posted to the window holding the keyboard focus (the
    // message loop's pre-translation sees them, as it sees the keyboard's).
    void PressKey(WORD virtualKey) const;

    // The client area as drawn, saved as "<build>\screenshots\<name>.png".
    bool Screenshot(const std::wstring& name) const;

private:
    bool TakesInput() const;

    HWND window_ = nullptr;
};

// A ModalScript step for the system's open and save dialogs: puts the path
// into the file name box of the one open on this thread and accepts it;
// false while none is open.
bool AnswerFileDialog(const std::wstring& path);

// Answers every message box the program shows (its "MessageBox" window)
// with OK while the watch lives, inside whatever loop runs, and keeps the
// texts they showed, language tokens unreplaced.
class MessageBoxWatch {
public:
    MessageBoxWatch();
    ~MessageBoxWatch();
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

    // The texts of the boxes answered since the last call.
    std::vector<std::wstring> Take();

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    std::vector<std::wstring> texts_;
    UINT_PTR timer_ = 0;
};

// Key presses through the system's input queue (SendInput): low-level
// keyboard hooks see them as they see the keyboard's. They arrive once the
// thread pumps its messages.
void SendKeyDown(WORD virtualKey);
void SendKeyUp(WORD virtualKey);
void SendKeyPress(WORD virtualKey);

// Steps run one after the other from a thread timer, so they run inside
// whatever message loop is running, a modal dialog's own included. A step
// that returns false is tried again at the next tick; one that keeps
// failing (about 3 seconds) stalls the script, which then closes every open
// dialog of the thread, file dialogs included, with cancel. Only the script
// made last runs.
class ModalScript {
public:
    using Step = std::function<bool()>;
    explicit ModalScript(std::vector<Step> steps);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    bool Finished() const { return next_ == steps_.size() && stalledAt_ < 0; }
    // The step that never succeeded, -1 for none.
    int StalledAt() const { return stalledAt_; }
    // Pumps until the script finished or stalled; true when it finished.
    bool Wait(DWORD ms = 10000);

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    std::vector<Step> steps_;
    size_t next_ = 0;
    int tries_ = 0;
    int stalledAt_ = -1;
    bool running_ = false;
    UINT_PTR timer_ = 0;
};

}  // namespace program_test
