#include "ui/controls/combo.h"

#include "ui/controls/combo_wnd.h"
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
    if (m_window == nullptr)
        ClearItemPlaces();
    CControlUI::SetPosition(rect, invalidate);
}

void CComboUI::ClearItemPlaces()
{
    for (int i = 0; i < m_items.GetSize(); ++i)
        static_cast<CControlUI*>(m_items.ItemAt(i))->SetPosition(RECT{0, 0, 0, 0}, false);
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

void RegisterComboControls()
{
    auto make = []() -> CControlUI* { return new CComboUI; };
    CControlRegistryUI::Register(L"Combo", make);
    CControlRegistryUI::Register(L"ComboBox", make);
}

}  // namespace SkinUI
