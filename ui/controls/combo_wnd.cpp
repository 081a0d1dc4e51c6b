#include "ui/controls/combo_wnd.h"

#include <windowsx.h>

#include "ui/controls/combo.h"
#include "ui/controls/combo_body.h"
#include "ui/core/scrollbar.h"

namespace SkinUI {

namespace {

constexpr int kDropBorder = 4;

}  // namespace

CComboWnd* CComboWnd::Open(CComboUI* owner)
{
    CComboWnd* window = new CComboWnd;
    if (window->Init(owner))
        return window;
    delete window;
    return nullptr;
}

const wchar_t* CComboWnd::GetWindowClassName() const
{
    return L"ComboWnd";
}

int CComboWnd::DropHeight(CComboUI& combo, int width)
{
    const SIZE dropBox = combo.GetDropBoxSize();
    int height = kDropBorder;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CControlUI* item = combo.GetItemAt(i);
        if (item->IsVisible())
            height += item->GetDesiredSize(SIZE{width, dropBox.cy}).cy;
    }
    return height < dropBox.cy ? height : dropBox.cy;
}

RECT CComboWnd::PlaceDropRect(const RECT& comboOnScreen, int width, int height,
                              const RECT& workArea)
{
    RECT rect = {comboOnScreen.left, comboOnScreen.bottom, comboOnScreen.left + width,
                 comboOnScreen.bottom + height};
    if (rect.bottom > workArea.bottom) {
        rect.top = comboOnScreen.top - height;
        rect.bottom = comboOnScreen.top;
    }
    return rect;
}

bool CComboWnd::Init(CComboUI* owner)
{
    m_owner = owner;
    m_selectionAtOpening = owner->GetCurSel();
    m_scrollBarPressed = false;

    RECT combo = owner->GetPosition();
    const SIZE dropBox = owner->GetDropBoxSize();
    const int width = dropBox.cx > 0 ? dropBox.cx : combo.right - combo.left;
    const int height = DropHeight(*owner, width);
    HWND ownerWindow = owner->GetManager()->GetWindowHandle();
    MapWindowPoints(ownerWindow, HWND_DESKTOP, reinterpret_cast<POINT*>(&combo), 2);
    RECT workArea = {0, 0, 0, 0};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const RECT place = PlaceDropRect(combo, width, height, workArea);
    if (CreateInRect(ownerWindow, nullptr, WS_POPUP, WS_EX_TOOLWINDOW, place) == nullptr)
        return false;
    ::ShowWindow(m_hwnd, SW_SHOW);
    return true;
}

void CComboWnd::OnCreate()
{
    m_manager.SetResourcesShared(true);
    // The list shows its items in the fonts of the window the combo sits in.
    m_manager.SetFontSource(m_owner->GetManager());
    m_manager.AttachWindow(m_hwnd);
    m_body = new CComboBodyUI(m_owner);
    m_body->SetManager(&m_manager, nullptr, true);
    const wchar_t* defaults = m_owner->GetManager()->GetDefaultAttributes(L"VerticalLayout");
    if (defaults != nullptr)
        m_body->SetAttributeList(defaults);
    m_body->SetInset(RECT{1, 1, 1, 1});
    m_body->SetBackgroundColor(0xFFFFFFFF);
    m_body->SetBorderColor(0xFFC6C7D2);
    m_body->SetBorderSize(1);
    // The items stay the combo's.
    m_body->SetAutoDestroy(false);
    m_body->EnableScrollBars();
    m_body->SetAttributeList(m_owner->GetDropBoxAttributeList());
    for (int i = 0; i < m_owner->GetCount(); ++i)
        m_body->AddItem(m_owner->GetItemAt(i));
    m_itemsLent = true;
    m_manager.AttachRoot(m_body);
}

void CComboWnd::ReturnItems()
{
    if (!m_itemsLent)
        return;
    m_itemsLent = false;
    // Rows come back without the hover the list gave them.
    m_manager.EndHover();
    // The body lets go of them too, so that nothing of the pop-up keeps them.
    ForgetAllItems();
    CWindowManagerUI* home = m_owner->GetManager();
    for (int i = 0; i < m_owner->GetCount(); ++i) {
        CControlUI* item = m_owner->GetItemAt(i);
        item->SetManager(home, m_owner, false);
        if (home != nullptr)
            home->RegisterControlNames(item);
    }
    // Rows of the list must not answer clicks on the closed box.
    m_owner->ClearItemPlaces();
}

void CComboWnd::ForgetItem(CControlUI* item)
{
    if (m_body != nullptr)
        m_body->RemoveItem(item, true);
}

void CComboWnd::ForgetAllItems()
{
    if (m_body != nullptr)
        m_body->RemoveAllItems();
}

void CComboWnd::DetachOwner()
{
    if (m_owner == nullptr)
        return;
    ReturnItems();
    m_owner = nullptr;
    if (m_hwnd != nullptr)
        DestroyWindow(m_hwnd);
}

void CComboWnd::EnsureVisible(int index)
{
    if (m_owner == nullptr || m_body == nullptr || m_owner->GetCurSel() < 0)
        return;
    CControlUI* item = m_owner->GetItemAt(index);
    if (item == nullptr)
        return;
    RECT band = m_body->GetPosition();
    CScrollBarUI* horizontal = m_body->GetHorizontalScrollBar();
    if (horizontal != nullptr && horizontal->IsVisible())
        band.bottom -= horizontal->GetFixedHeight();
    const RECT& place = item->GetPosition();
    if (place.top >= band.top && place.bottom < band.bottom)
        return;
    int dy = 0;
    if (place.top < band.top)
        dy = place.top - band.top;
    if (place.bottom > band.bottom)
        dy = place.bottom - band.bottom;
    Scroll(0, dy);
}

void CComboWnd::Scroll(int dx, int dy)
{
    if ((dx == 0 && dy == 0) || m_body == nullptr)
        return;
    const SIZE position = m_body->GetScrollPosition();
    m_body->SetScrollPosition(SIZE{position.cx + dx, position.cy + dy});
}

void CComboWnd::OnKeyDown(WPARAM key)
{
    switch (key) {
    case VK_RETURN:
        PostWindowMessage(WM_KILLFOCUS);
        break;
    case VK_ESCAPE:
        m_owner->SelectItem(m_selectionAtOpening, true, true);
        EnsureVisible(m_selectionAtOpening);
        PostWindowMessage(WM_KILLFOCUS);
        break;
    default: {
        EventRecordUI event;
        event.type = EventTypeUI::KeyDown;
        event.sender = m_owner;
        event.keyChar = static_cast<wchar_t>(key);
        event.wParam = key;
        event.timestamp = GetTickCount();
        m_owner->HandleEvent(event);
        EnsureVisible(m_owner->GetCurSel());
        break;
    }
    }
}

void CComboWnd::OnWheel(WPARAM wParam)
{
    EventRecordUI event;
    event.type = EventTypeUI::ScrollWheel;
    event.sender = m_owner;
    event.wParam = MAKEWPARAM(GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? SB_LINEDOWN : SB_LINEUP, 0);
    event.timestamp = GetTickCount();
    m_owner->HandleEvent(event);
    EnsureVisible(m_owner->GetCurSel());
}

bool CComboWnd::IsScrollBarAt(LPARAM lParam)
{
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    CControlUI* control = m_manager.FindControlAt(point);
    return control != nullptr && wcscmp(control->GetClassName(), L"ScrollBar") == 0;
}

bool CComboWnd::KeepsFocus(HWND gaining) const
{
    if (gaining == m_hwnd)
        return true;
    HWND focus = GetFocus();
    return focus != nullptr && IsChild(m_hwnd, focus);
}

LRESULT CComboWnd::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_owner != nullptr) {
        switch (message) {
        case WM_CREATE:
            OnCreate();
            break;
        case WM_CLOSE:
            ReturnItems();
            m_owner->SetPosition(m_owner->IsFloating() ? m_owner->GetRelativePosition()
                                                       : m_owner->GetPosition(),
                                 false);
            m_owner->SetFocus();
            break;
        case WM_KEYDOWN:
            // Handled here only: the focused item would hand the key to the combo again.
            OnKeyDown(wParam);
            return 0;
        case WM_MOUSEWHEEL:
            OnWheel(wParam);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (IsScrollBarAt(lParam))
                m_scrollBarPressed = true;
            break;
        case WM_LBUTTONUP:
            if (m_scrollBarPressed) {
                m_scrollBarPressed = false;
            } else {
                const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                if (m_manager.FindControlAt(point) != nullptr && !IsScrollBarAt(lParam))
                    PostWindowMessage(WM_KILLFOCUS);
            }
            break;
        case WM_KILLFOCUS:
            if (!KeepsFocus(reinterpret_cast<HWND>(wParam)))
                PostWindowMessage(WM_CLOSE);
            break;
        default:
            break;
        }
    }
    LRESULT result = 0;
    if (m_manager.HandleWindowMessage(message, wParam, lParam, result))
        return result;
    return CWindowWnd::ProcessMessage(message, wParam, lParam);
}

void CComboWnd::OnFinalMessage(HWND)
{
    if (m_owner != nullptr) {
        // Destroyed without WM_CLOSE (with its owner window), the items are still lent.
        ReturnItems();
        m_owner->OnDropWindowGone();
    }
    delete this;
}

}  // namespace SkinUI
