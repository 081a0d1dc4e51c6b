#include "ui/controls/option.h"

#include <cwchar>

#include "ui/core/control_values.h"
#include "ui/core/ptr_array.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

// Clears the pushed bit of a button state for one scope.
class HiddenPushedBit {
public:
    explicit HiddenPushedBit(UINT& state) : m_state(state), m_saved(state & kStatePushed)
    {
        m_state &= ~kStatePushed;
    }
    ~HiddenPushedBit() { m_state |= m_saved; }
    HiddenPushedBit(const HiddenPushedBit&) = delete;
    HiddenPushedBit& operator=(const HiddenPushedBit&) = delete;

private:
    UINT& m_state;
    UINT m_saved;
};

}  // namespace

const wchar_t* COptionUI::GetClassName() const
{
    return L"Option";
}

void* COptionUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"Option") == 0)
        return this;
    return CButtonUI::GetInterfaceByName(name);
}

void COptionUI::SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize)
{
    CButtonUI::SetManager(manager, parent, initialize);
    if (initialize && m_manager != nullptr && !m_group.IsEmpty())
        m_manager->AddOptionToGroup(m_group, this);
}

void COptionUI::SetGroup(const wchar_t* group)
{
    if (group == nullptr ? m_group.IsEmpty() : m_group == group)
        return;
    if (!m_group.IsEmpty() && m_manager != nullptr)
        m_manager->RemoveOptionFromGroup(m_group, this);
    m_group = group;
    if (m_manager != nullptr && !m_group.IsEmpty())
        m_manager->AddOptionToGroup(m_group, this);
}

void COptionUI::Selected(bool selected, bool notify)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    if (selected)
        m_buttonState |= kStateSelected;
    else
        m_buttonState &= ~kStateSelected;
    if (m_manager == nullptr) {
        Invalidate();
        return;
    }
    if (!m_group.IsEmpty()) {
        if (!selected) {
            Invalidate();
            return;
        }
        CPtrArrayUI* members = m_manager->GetOptionGroup(m_group);
        for (int i = 0; members != nullptr && i < members->GetSize(); ++i) {
            CControlUI* member = static_cast<CControlUI*>(members->ItemAt(i));
            COptionUI* option = member != this && member != nullptr
                                    ? static_cast<COptionUI*>(member->GetInterfaceByName(L"Option"))
                                    : nullptr;
            if (option != nullptr)
                option->Selected(false, notify);
        }
    }
    if (notify)
        m_manager->SendNotification(this, L"selectchanged");
    Invalidate();
}

bool COptionUI::Activate()
{
    if (!CButtonUI::Activate())
        return false;
    Selected(m_group.IsEmpty() ? !m_selected : true, true);
    return true;
}

void COptionUI::SetEnabled(bool enabled)
{
    CButtonUI::SetEnabled(enabled);
    if (!IsEnabled())
        m_buttonState = m_selected ? kStateSelected : 0;
}

void COptionUI::SetSelectedImage(const wchar_t* description)
{
    ReplaceImage(m_selectedImage, description);
}

void COptionUI::SetSelectedHotImage(const wchar_t* description)
{
    ReplaceImage(m_selectedHotImage, description);
}

void COptionUI::SetOptionForeImage(const wchar_t* description)
{
    ReplaceImage(m_optionForeImage, description);
}

void COptionUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    if (wcscmp(name, L"group") == 0)
        SetGroup(value);
    else if (wcscmp(name, L"selected") == 0)
        Selected(IsTrueValue(value), true);
    else if (wcscmp(name, L"selectedimage") == 0)
        SetSelectedImage(value);
    else if (wcscmp(name, L"selectedhotimage") == 0)
        SetSelectedHotImage(value);
    else if (wcscmp(name, L"foreimage") == 0)
        SetOptionForeImage(value);
    else if (wcscmp(name, L"selectedbkcolor") == 0)
        SetSelectedBkColor(ReadHexColor(value));
    else if (wcscmp(name, L"selectedtextcolor") == 0)
        SetSelectedTextColor(ReadHexColor(value));
    else
        CButtonUI::SetAttribute(name, value);
}

void COptionUI::PaintUnpushedStatusImage(HDC dc)
{
    HiddenPushedBit hidden(m_buttonState);
    CButtonUI::PaintStatusImage(dc);
}

void COptionUI::PaintUnpushedText(HDC dc)
{
    HiddenPushedBit hidden(m_buttonState);
    CButtonUI::PaintText(dc);
}

// The selected look; false when it has nothing to draw.
bool COptionUI::PaintSelectedImage(HDC dc)
{
    if ((m_buttonState & kStateHot) != 0 && DrawImage(dc, m_selectedHotImage))
        return true;
    if (DrawImage(dc, m_selectedImage))
        return true;
    if (m_selectedBkColor == 0)
        return false;
    CRendererUI::FillColor(dc, m_position, AdjustColor(m_selectedBkColor));
    return true;
}

void COptionUI::PaintStatusImage(HDC dc)
{
    if (!m_selected || !PaintSelectedImage(dc))
        PaintUnpushedStatusImage(dc);
    DrawImage(dc, m_optionForeImage);
}

void COptionUI::PaintText(HDC dc)
{
    if (!m_selected) {
        PaintUnpushedText(dc);
        return;
    }
    if (m_text.IsEmpty())
        return;
    DWORD color = m_selectedTextColor != 0 ? m_selectedTextColor : m_textColor;
    DWORD disabledColor = m_disabledTextColor;
    if (m_manager != nullptr) {
        if (color == 0)
            color = m_manager->GetDefaultTextColor();
        if (disabledColor == 0)
            disabledColor = m_manager->GetDisabledTextColor();
    }
    RECT rect = GetTextRect();
    DrawLabelText(dc, rect, m_text, IsEnabled() ? color : disabledColor, m_textStyle);
}

}  // namespace SkinUI
