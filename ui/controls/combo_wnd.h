#pragma once

#include "ui/core/window_manager.h"
#include "ui/core/window_wnd.h"

namespace SkinUI {

class CComboUI;
class CComboBodyUI;
class CControlUI;

// The pop-up of an open combo box: a tool window under (or above) the combo
// with a window manager of its own whose root is a scrolling body holding
// the combo's items while it is open. Deletes itself after its last message.
class CComboWnd : public CWindowWnd {
public:
    // Places, creates and shows the pop-up of the combo; null when no window
    // could be made.
    static CComboWnd* Open(CComboUI* owner);
    // Scrolls the body so that the item lies inside it.
    void EnsureVisible(int index);
    void Scroll(int dx, int dy);

    CWindowManagerUI& GetManager() { return m_manager; }
    CComboBodyUI* GetBody() const { return m_body; }

    // The combo removed items while the pop-up shows them.
    void ForgetItem(CControlUI* item);
    void ForgetAllItems();
    // The combo goes away while open: the items go back and the window closes now.
    void DetachOwner();

    // Sum of the visible items' desired heights for the width, plus the
    // border, at most the drop box height.
    static int DropHeight(CComboUI& combo, int width);
    // Below the combo, or above it when it would pass the work area's bottom.
    static RECT PlaceDropRect(const RECT& comboOnScreen, int width, int height, const RECT& workArea);

protected:
    const wchar_t* GetWindowClassName() const override;
    LRESULT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND formerWindow) override;

private:
    CComboWnd() = default;
    ~CComboWnd() override = default;

    bool Init(CComboUI* owner);
    void OnCreate();
    // Takes the items out of the body and gives them back to the combo's
    // manager, without places and found by name there again; once only.
    void ReturnItems();
    void OnKeyDown(WPARAM key);
    void OnWheel(WPARAM wParam);
    bool IsScrollBarAt(LPARAM lParam);
    bool KeepsFocus(HWND gaining) const;

    CComboUI* m_owner = nullptr;
    CComboBodyUI* m_body = nullptr;
    int m_selectionAtOpening = -1;
    bool m_scrollBarPressed = false;
    bool m_itemsLent = false;
    CWindowManagerUI m_manager;
};

}  // namespace SkinUI
