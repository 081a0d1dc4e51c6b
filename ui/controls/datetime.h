#pragma once

#include <windows.h>

#include "ui/controls/label.h"

namespace SkinUI {

class CDateTimeWnd;

// What the closing picker does to the control's date and text.
enum DateTimeUpdateModeUI : int {
    kDateTimeKeep = 0,       // nothing yet: losing the focus takes the picker's date
    kDateTimeTakeDate = 1,   // the text shows the date
    kDateTimeCleared = 2,    // the text is empty
    kDateTimeCancelled = 3,  // the text stays as it was
};

// A label showing a date as "yyyy-mm-dd". With the focus it lays the
// system's date picker over itself; the picker's date comes back when the
// picker loses the focus. Backspace or Delete there clears the text, Escape
// keeps it. The date starts as the local time.
class CDateTimeUI : public CLabelUI {
public:
    CDateTimeUI();

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    HWND GetNativeWindow() const override;
    void SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize = true) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void MoveBy(int dx, int dy, bool invalidate = true) override;
    void HandleEvent(EventRecordUI& event) override;

    const SYSTEMTIME& GetTime() const { return m_time; }
    // Stores the date and shows it.
    void SetTime(const SYSTEMTIME& time);
    int GetUpdateMode() const { return m_updateMode; }
    // By the update mode: the date's text, an empty text, or no change.
    void UpdateText();

protected:
    ~CDateTimeUI() override;

private:
    friend class CDateTimeWnd;

    // Creates the picker (when none is open), initialises it and shows it with the focus.
    void OpenPicker();
    // Ends an open picker at once.
    void ClosePicker();
    void PlacePicker();
    bool HandleMouseEvent(EventRecordUI& event);

    SYSTEMTIME m_time;
    int m_updateMode = kDateTimeKeep;
    CDateTimeWnd* m_window = nullptr;
};

}  // namespace SkinUI
