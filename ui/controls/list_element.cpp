#include "ui/controls/list_element.h"

namespace SkinUI {

const wchar_t* CListElementUI::GetClassName() const
{
    return L"ListElement";
}

void* CListElementUI::GetInterfaceByName(const wchar_t* name)
{
    if (NameIs(name, L"IListItem"))
        return static_cast<IListItemUI*>(this);
    if (NameIs(name, L"ListElement"))
        return this;
    return CControlUI::GetInterfaceByName(name);
}

UINT CListElementUI::GetBehaviorFlags() const
{
    return kBehaviorListItem;
}

bool CListElementUI::Activate()
{
    return ListRowUI::Activate(*this);
}

void CListElementUI::SetVisible(bool visible)
{
    CControlUI::SetVisible(visible);
    if (!visible)
        ListRowUI::AfterHidden(m_row);
}

void CListElementUI::SetEnabled(bool enabled)
{
    CControlUI::SetEnabled(enabled);
    if (!enabled)
        m_row.buttonState = 0;
}

void CListElementUI::HandleEvent(EventRecordUI& event)
{
    if (ListRowUI::ForwardsMouseEvents(*this, event)) {
        if (!ListRowUI::ForwardToOwner(m_row, event))
            CControlUI::HandleEvent(event);
        return;
    }
    if (ListRowUI::HandleActivation(*this, event))
        return;
    if (!ListRowUI::ForwardToOwner(m_row, event))
        CControlUI::HandleEvent(event);
}

void CListElementUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    // Any value selects, "false" included.
    if (NameIs(name, L"selected"))
        Select(true, true);
    else
        CControlUI::SetAttribute(name, value);
}

void CListElementUI::SetOwner(CControlUI* owner)
{
    m_row.owner = AsListOwner(owner);
}

bool CListElementUI::Select(bool select, bool takeFocus)
{
    return ListRowUI::Select(*this, m_row, select, takeFocus);
}

bool CListElementUI::Expand(bool)
{
    return false;
}

void CListElementUI::DrawItemBackground(HDC dc)
{
    if (m_row.owner != nullptr && m_row.owner->GetItemStyle() != nullptr)
        ListRowUI::DrawBackground(dc, *this, *m_row.owner->GetItemStyle(), m_row);
}

}  // namespace SkinUI
