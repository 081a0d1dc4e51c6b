#include "ui/controls/combo.h"

#include "ui/controls/combo_wnd.h"
#include "ui/controls/list_row_index.h"
#include "ui/core/control_registry.h"
#include "ui/core/control_values.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

CComboUI::CComboUI() = default;

CComboUI::~CComboUI()
{
    if (m_window != nullptr) {
        CComboWnd* window = m_window;
        m_window = nullptr;
        window->DetachOwner();
    }
}

const wchar_t* CComboUI::GetClassName() const
{
    return L"Combo";
}

void* CComboUI::GetInterfaceByName(const wchar_t* name)
{
    if (NameIs(name, L"IListOwner"))
        return static_cast<IListOwnerUI*>(this);
    if (NameIs(name, L"Combo"))
        return this;
    return CContainerUI::GetInterfaceByName(name);
}

bool CComboUI::Activate()
{
    if (!CControlUI::Activate())
        return false;
    if (m_window != nullptr)
        return true;
    // The pop-up is placed relative to the combo's window.
    if (m_manager == nullptr || m_manager->GetWindowHandle() == nullptr)
        return false;
    m_window = CComboWnd::Open(this);
    if (m_window == nullptr)
        return false;
    m_manager->SendNotification(this, L"dropdown");
    Invalidate();
    return true;
}

void CComboUI::OnDropWindowGone()
{
    m_window = nullptr;
    m_buttonState &= ~kStatePushed;
    Invalidate();
}

CUIString CComboUI::GetText() const
{
    CControlUI* selected = GetItemAt(m_curSel);
    return selected != nullptr ? selected->GetText() : CUIString();
}

void CComboUI::SetPosition(RECT rect, bool invalidate)
{
    // The items are never laid out inside the closed combo; while the
    // pop-up shows them they keep the places its body gave them.
    if (m_window == nullptr) {
        for (int i = 0; i < m_items.GetSize(); ++i)
            static_cast<CControlUI*>(m_items.ItemAt(i))->SetPosition(RECT{0, 0, 0, 0}, false);
    }
    CControlUI::SetPosition(rect, invalidate);
}

void CComboUI::MoveBy(int dx, int dy, bool invalidate)
{
    CControlUI::MoveBy(dx, dy, invalidate);
}

void CComboUI::SetEnabled(bool enabled)
{
    CContainerUI::SetEnabled(enabled);
    if (!IsEnabled())
        m_buttonState = 0;
}

SIZE CComboUI::GetDesiredSize(SIZE available)
{
    if (m_fixedSize.cy != 0)
        return CControlUI::GetDesiredSize(available);
    const FontRecordUI* font = m_manager != nullptr ? m_manager->GetDefaultFontRecord() : nullptr;
    return SIZE{m_fixedSize.cx, (font != nullptr ? font->metrics.tmHeight : 0) + 8};
}

bool CComboUI::PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl)
{
    return CControlUI::PaintContent(dc, paintRect, stopControl);
}

void CComboUI::PaintStatusImage(HDC dc)
{
    if (IsFocused())
        m_buttonState |= kStateFocused;
    else
        m_buttonState &= ~kStateFocused;
    if (IsEnabled())
        m_buttonState &= ~kStateDisabled;
    else
        m_buttonState |= kStateDisabled;

    ImageDrawInfoUI* image = nullptr;
    if ((m_buttonState & kStateDisabled) != 0)
        image = &m_disabledImage;
    else if ((m_buttonState & kStatePushed) != 0)
        image = &m_pushedImage;
    else if ((m_buttonState & kStateHot) != 0)
        image = &m_hotImage;
    else if ((m_buttonState & kStateFocused) != 0)
        image = &m_focusedImage;
    if (image == nullptr || !DrawImage(dc, *image))
        DrawImage(dc, m_normalImage);
}

void CComboUI::PaintText(HDC dc)
{
    CControlUI* selected = GetItemAt(m_curSel);
    if (!m_showText || selected == nullptr)
        return;
    const RECT area = {m_position.left + m_textPadding.left, m_position.top + m_textPadding.top,
                       m_position.right - m_textPadding.right,
                       m_position.bottom - m_textPadding.bottom};
    IListItemUI* row = AsListItem(selected);
    if (row != nullptr) {
        row->DrawItemText(dc, area);
        return;
    }
    const RECT old = selected->GetPosition();
    selected->SetPosition(area, false);
    selected->Paint(dc, area, nullptr);
    selected->SetPosition(old, false);
}

void CComboUI::SetShowText(bool show)
{
    m_showText = show;
    Invalidate();
}

void CComboUI::SetTextPadding(RECT padding)
{
    m_textPadding = padding;
    Invalidate();
}

void CComboUI::SetImage(ImageDrawInfoUI& image, const wchar_t* description)
{
    if (ReplaceImageDescription(image, description))
        Invalidate();
}

void CComboUI::SetNormalImage(const wchar_t* description)
{
    SetImage(m_normalImage, description);
}

void CComboUI::SetHotImage(const wchar_t* description)
{
    SetImage(m_hotImage, description);
}

void CComboUI::SetPushedImage(const wchar_t* description)
{
    SetImage(m_pushedImage, description);
}

void CComboUI::SetFocusedImage(const wchar_t* description)
{
    SetImage(m_focusedImage, description);
}

void CComboUI::SetDisabledImage(const wchar_t* description)
{
    SetImage(m_disabledImage, description);
}

void CComboUI::OnItemStyleChanged(ItemStyleFieldUI field)
{
    if (field == ItemStyleFieldUI::TextPadding || field == ItemStyleFieldUI::TextColor ||
        field == ItemStyleFieldUI::ShowHtml)
        Invalidate();
}

void CComboUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    if (NameIs(name, L"textpadding"))
        SetTextPadding(ReadRect(value));
    else if (NameIs(name, L"showtext"))
        SetShowText(IsTrueValue(value));
    else if (NameIs(name, L"normalimage"))
        SetNormalImage(value);
    else if (NameIs(name, L"hotimage"))
        SetHotImage(value);
    else if (NameIs(name, L"pushedimage"))
        SetPushedImage(value);
    else if (NameIs(name, L"focusedimage"))
        SetFocusedImage(value);
    else if (NameIs(name, L"disabledimage"))
        SetDisabledImage(value);
    else if (NameIs(name, L"dropbox"))
        SetDropBoxAttributeList(value);
    else if (NameIs(name, L"dropboxsize"))
        SetDropBoxSize(ReadSize(value));
    else if (!SetItemStyleAttribute(name, value))
        CContainerUI::SetAttribute(name, value);
}

// Items: every row knows the combo as its owner and its own index.

bool CComboUI::AddItem(CControlUI* control)
{
    IListItemUI* row = AsListItem(control);
    if (row != nullptr) {
        row->SetOwner(this);
        row->SetIndex(m_items.GetSize());
    }
    // The container's add would come back to the combo's insert.
    return CContainerUI::InsertItemAt(control, m_items.GetSize());
}

bool CComboUI::InsertItemAt(CControlUI* control, int index)
{
    if (!CContainerUI::InsertItemAt(control, index))
        return false;
    IListItemUI* row = AsListItem(control);
    if (row != nullptr) {
        row->SetOwner(this);
        row->SetIndex(index);
    }
    ListRowIndexUI::RenumberRows(*this, index + 1, GetCount() - 1);
    m_curSel = ListRowIndexUI::AfterInsert(m_curSel, index);
    return true;
}

bool CComboUI::RemoveItem(CControlUI* control, bool keepAlive)
{
    const int index = GetItemIndex(control);
    if (index < 0)
        return false;
    if (m_window != nullptr)
        m_window->ForgetItem(control);
    if (!CContainerUI::RemoveItem(control, keepAlive))
        return false;
    ListRowIndexUI::RenumberRows(*this, index, GetCount() - 1);
    const bool wasSelected = m_curSel == index;
    m_curSel = ListRowIndexUI::AfterRemoval(m_curSel, index);
    if (wasSelected)
        SelectItem(FindSelectableItem(index, false), false, true);
    return true;
}

bool CComboUI::RemoveItemAt(int index, bool keepAlive)
{
    CControlUI* control = GetItemAt(index);
    return control != nullptr && CComboUI::RemoveItem(control, keepAlive);
}

void CComboUI::RemoveAllItems()
{
    m_curSel = -1;
    if (m_window != nullptr)
        m_window->ForgetAllItems();
    CContainerUI::RemoveAllItems();
}

void CComboUI::FollowMovedItems(CControlUI* selected)
{
    if (selected != nullptr)
        m_curSel = GetItemIndex(selected);
}

bool CComboUI::SetItemIndex(CControlUI* control, int newIndex)
{
    const int oldIndex = GetItemIndex(control);
    // A target outside the items would take the item out without putting it back.
    if (oldIndex < 0 || newIndex < 0 || newIndex >= GetCount())
        return false;
    CControlUI* selected = GetItemAt(m_curSel);
    if (!CContainerUI::SetItemIndex(control, newIndex))
        return false;
    ListRowIndexUI::RenumberRows(*this, oldIndex < newIndex ? oldIndex : newIndex,
                                 oldIndex < newIndex ? newIndex : oldIndex);
    FollowMovedItems(selected);
    return true;
}

bool CComboUI::SetItemRangeIndex(CControlUI* control, int count, int newIndex)
{
    const int oldIndex = GetItemIndex(control);
    if (!ListRowIndexUI::RangeMoveFits(oldIndex, count, newIndex, GetCount()))
        return false;
    CControlUI* selected = GetItemAt(m_curSel);
    if (!CContainerUI::SetItemRangeIndex(control, count, newIndex))
        return false;
    ListRowIndexUI::RenumberRows(*this, oldIndex < newIndex ? oldIndex : newIndex,
                                 (oldIndex < newIndex ? newIndex : oldIndex) + count - 1);
    FollowMovedItems(selected);
    return true;
}

// Selection and input.

bool CComboUI::SelectItem(int index, bool takeFocus, bool sendNotification)
{
    if (m_closeOnSelect && m_window != nullptr)
        m_window->Close(1);
    // Past the end means the last item, also when that one is selected already.
    const int count = GetCount();
    if (index >= count && count > 0)
        index = count - 1;
    if (index == m_curSel)
        return true;
    const int oldSel = m_curSel;
    if (m_curSel >= 0) {
        CControlUI* current = GetItemAt(m_curSel);
        if (current == nullptr)
            return false;
        IListItemUI* row = AsListItem(current);
        if (row != nullptr)
            row->Select(false, sendNotification);
        m_curSel = -1;
    }
    if (index < 0 || count == 0)
        return false;
    CControlUI* control = GetItemAt(index);
    IListItemUI* row = AsListItem(control);
    if (row == nullptr || !control->IsVisible() || !control->IsEnabled())
        return false;
    m_curSel = index;
    if (m_window != nullptr || takeFocus)
        control->SetFocus();
    row->Select(true, sendNotification);
    if (sendNotification && m_manager != nullptr)
        m_manager->SendNotification(this, L"itemselect", static_cast<WPARAM>(m_curSel),
                                    static_cast<LPARAM>(oldSel));
    Invalidate();
    return true;
}

void CComboUI::ForwardEvent(EventRecordUI& event)
{
    HandleEvent(event);
}

bool CComboUI::ExpandItem(int, bool)
{
    return false;
}

void CComboUI::SelectKeepingOpen(int index)
{
    m_closeOnSelect = false;
    SelectItem(index, false, true);
    m_closeOnSelect = true;
}

void CComboUI::HandleEvent(EventRecordUI& event)
{
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        if (m_parent != nullptr)
            m_parent->HandleEvent(event);
        else
            CContainerUI::HandleEvent(event);
        return;
    }
    const bool inside = PtInRect(&m_position, event.mousePoint) != FALSE;
    switch (event.type) {
    case EventTypeUI::SetFocus:
    case EventTypeUI::KillFocus:
        Invalidate();
        break;
    case EventTypeUI::ButtonDown:
        if (IsEnabled()) {
            Activate();
            m_buttonState |= kStatePushed | kStateCaptured;
        }
        return;
    case EventTypeUI::ButtonUp:
        if ((m_buttonState & kStateCaptured) != 0) {
            m_buttonState &= ~kStateCaptured;
            Invalidate();
        }
        return;
    case EventTypeUI::MouseMove:
    case EventTypeUI::ContextMenu:
        return;
    case EventTypeUI::KeyDown:
        if (!IsKeyboardEnabled() || !IsEnabled())
            break;
        switch (event.keyChar) {
        case VK_F4:
            Activate();
            break;
        case VK_UP:
        case VK_PRIOR:
            SelectKeepingOpen(FindSelectableItem(m_curSel - 1, false));
            break;
        case VK_DOWN:
        case VK_NEXT:
            SelectKeepingOpen(FindSelectableItem(m_curSel + 1, true));
            break;
        case VK_HOME:
            SelectKeepingOpen(FindSelectableItem(0, false));
            break;
        case VK_END:
            SelectKeepingOpen(FindSelectableItem(GetCount() - 1, true));
            break;
        default:
            break;
        }
        return;
    case EventTypeUI::ScrollWheel:
        if (!IsEnabled())
            break;
        if (LOWORD(event.wParam) == SB_LINEDOWN)
            SelectKeepingOpen(FindSelectableItem(m_curSel + 1, true));
        else
            SelectKeepingOpen(FindSelectableItem(m_curSel - 1, false));
        return;
    case EventTypeUI::MouseEnter:
        if (inside && IsEnabled() && (m_buttonState & kStateHot) == 0) {
            m_buttonState |= kStateHot;
            Invalidate();
        }
        break;
    case EventTypeUI::MouseLeave:
        if (inside) {
            if (m_manager != nullptr)
                m_manager->AddMouseLeaveListener(this);
            return;
        }
        if (IsEnabled() && (m_buttonState & kStateHot) != 0) {
            m_buttonState &= ~kStateHot;
            Invalidate();
        }
        if (m_manager != nullptr)
            m_manager->RemoveMouseLeaveListener(this);
        break;
    default:
        break;
    }
    CControlUI::HandleEvent(event);
}

void RegisterComboControls()
{
    auto make = []() -> CControlUI* { return new CComboUI; };
    CControlRegistryUI::Register(L"Combo", make);
    CControlRegistryUI::Register(L"ComboBox", make);
}

}  // namespace SkinUI
