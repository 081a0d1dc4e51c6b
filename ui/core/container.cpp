#include "ui/core/container.h"

#include <cwchar>

#include "ui/core/scrollbar.h"
#include "ui/core/control_values.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

CContainerUI::CContainerUI() = default;

CContainerUI::~CContainerUI()
{
    m_delayedDestroy = false;
    // Children of a container that does not auto-destroy belong to someone else.
    if (m_autoDestroy)
        DestroyChildren();
    DeleteScrollBar(m_verticalScrollBar);
    DeleteScrollBar(m_horizontalScrollBar);
}

const wchar_t* CContainerUI::GetClassName() const
{
    return L"Container";
}

void* CContainerUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"IContainer") == 0)
        return static_cast<IContainerUI*>(this);
    if (name != nullptr && wcscmp(name, L"Container") == 0)
        return this;
    return CControlUI::GetInterfaceByName(name);
}

void CContainerUI::SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize)
{
    for (int i = 0; i < m_items.GetSize(); ++i)
        static_cast<CControlUI*>(m_items.ItemAt(i))->SetManager(manager, this, initialize);
    if (m_verticalScrollBar != nullptr)
        m_verticalScrollBar->SetManager(manager, this, initialize);
    if (m_horizontalScrollBar != nullptr)
        m_horizontalScrollBar->SetManager(manager, this, initialize);
    CControlUI::SetManager(manager, parent, initialize);
}

CControlUI* CContainerUI::GetItemAt(int index) const
{
    return static_cast<CControlUI*>(m_items.GetAt(index));
}

int CContainerUI::GetItemIndex(CControlUI* control) const
{
    return control != nullptr ? m_items.Find(control) : -1;
}

bool CContainerUI::SetItemIndex(CControlUI* control, int newIndex)
{
    const int index = GetItemIndex(control);
    // An index outside the array would drop the child on the way.
    if (index < 0 || newIndex < 0 || newIndex >= m_items.GetSize())
        return false;
    RequestLayout();
    m_items.RemoveRange(index, 1);
    return m_items.InsertAt(newIndex, control);
}

bool CContainerUI::SetItemRangeIndex(CControlUI* control, int count, int newIndex)
{
    if (control == nullptr || count < 0 || newIndex < 0)
        return false;
    const int index = GetItemIndex(control);
    if (index < 0)
        return false;
    if (index == newIndex)
        return true;
    const int size = m_items.GetSize();
    if (index + count > size || newIndex + count > size)
        return false;
    CPtrArrayUI moving;
    for (int i = 0; i < count; ++i)
        moving.Add(m_items.ItemAt(index + i));
    m_items.RemoveRange(index, count);
    for (int i = 0; i < count; ++i)
        if (!m_items.InsertAt(newIndex + i, moving.ItemAt(i)))
            return false;
    RequestLayout();
    return true;
}

int CContainerUI::GetCount() const
{
    return m_items.GetSize();
}

bool CContainerUI::AddItem(CControlUI* control)
{
    // Not the virtual insert: a class that extends both would act twice.
    return CContainerUI::InsertItemAt(control, m_items.GetSize());
}

bool CContainerUI::InsertItemAt(CControlUI* control, int index)
{
    if (control == nullptr || index < 0 || index > m_items.GetSize())
        return false;
    if (m_manager != nullptr)
        m_manager->InitControls(control, this);
    if (IsVisible())
        RequestLayout();
    else
        control->SetInternalVisible(false);
    return m_items.InsertAt(index, control);
}

bool CContainerUI::RemoveItem(CControlUI* control, bool keepAlive)
{
    const int index = GetItemIndex(control);
    if (index < 0)
        return false;
    RequestLayout();
    const bool removed = m_items.RemoveRange(index, 1);
    if (!keepAlive && m_autoDestroy)
        DestroyChild(control);
    return removed;
}

bool CContainerUI::RemoveItemAt(int index, bool keepAlive)
{
    CControlUI* control = GetItemAt(index);
    return control != nullptr && RemoveItem(control, keepAlive);
}

void CContainerUI::RemoveAllItems()
{
    if (m_autoDestroy)
        DestroyChildren();
    m_items.Clear();
    RequestLayout();
}

void CContainerUI::DestroyChildren()
{
    // The array is emptied first: a child's destruction never sees itself
    // or its siblings as items of this container.
    CPtrArrayUI children(m_items);
    m_items.Clear();
    for (int i = 0; i < children.GetSize(); ++i)
        DestroyChild(static_cast<CControlUI*>(children.ItemAt(i)));
}

void CContainerUI::DestroyChild(CControlUI* child)
{
    if (m_delayedDestroy && m_manager != nullptr)
        m_manager->AddDelayedCleanup(child);
    else
        child->Delete();
}

RECT CContainerUI::GetInset() const
{
    return m_inset;
}

void CContainerUI::SetInset(RECT inset)
{
    m_inset = inset;
    RequestLayout();
}

int CContainerUI::GetChildPadding() const
{
    return m_childPadding;
}

void CContainerUI::SetChildPadding(int padding)
{
    m_childPadding = padding < 0 ? 0 : padding;
    RequestLayout();
}

int CContainerUI::GetChildAlign() const
{
    return m_childAlign;
}

void CContainerUI::SetChildAlign(int align)
{
    m_childAlign = align;
    RequestLayout();
}

int CContainerUI::GetChildVAlign() const
{
    return m_childVAlign;
}

void CContainerUI::SetChildVAlign(int align)
{
    m_childVAlign = align;
    RequestLayout();
}

bool CContainerUI::IsAutoDestroy() const
{
    return m_autoDestroy;
}

void CContainerUI::SetAutoDestroy(bool autoDestroy)
{
    m_autoDestroy = autoDestroy;
}

bool CContainerUI::IsDelayedDestroy() const
{
    return m_delayedDestroy;
}

void CContainerUI::SetDelayedDestroy(bool delayed)
{
    m_delayedDestroy = delayed;
}

bool CContainerUI::IsMouseChildEnabled() const
{
    return m_mouseChildEnabled;
}

void CContainerUI::SetMouseChildEnabled(bool enabled)
{
    m_mouseChildEnabled = enabled;
}

void CContainerUI::SetVisible(bool visible)
{
    if (m_visible == visible)
        return;
    CControlUI::SetVisible(visible);
    for (int i = 0; i < m_items.GetSize(); ++i)
        static_cast<CControlUI*>(m_items.ItemAt(i))->SetInternalVisible(IsVisible());
}

void CContainerUI::SetInternalVisible(bool visible)
{
    CControlUI::SetInternalVisible(visible);
    for (int i = 0; i < m_items.GetSize(); ++i)
        static_cast<CControlUI*>(m_items.ItemAt(i))->SetInternalVisible(IsVisible());
}

void CContainerUI::SetEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    for (int i = 0; i < m_items.GetSize(); ++i)
        static_cast<CControlUI*>(m_items.ItemAt(i))->SetEnabled(enabled);
    Invalidate();
}

void CContainerUI::SetMouseEnabled(bool enabled)
{
    if (m_verticalScrollBar != nullptr)
        m_verticalScrollBar->SetMouseEnabled(enabled);
    if (m_horizontalScrollBar != nullptr)
        m_horizontalScrollBar->SetMouseEnabled(enabled);
    CControlUI::SetMouseEnabled(enabled);
}

int CContainerUI::FindSelectableItem(int index, bool forward) const
{
    // Through the item operations, so that a container that keeps its
    // items elsewhere (a list's body) or filters them is searched as it shows them.
    const int count = GetCount();
    if (count == 0)
        return -1;
    if (index < 0)
        index = 0;
    if (index >= count)
        index = count - 1;
    auto selectable = [this](int i) {
        CControlUI* child = GetItemAt(i);
        return child != nullptr && child->GetInterfaceByName(L"IListItem") != nullptr &&
               child->IsVisible() && child->IsEnabled();
    };
    if (!forward) {
        for (int i = index; i >= 0; --i)
            if (selectable(i))
                return i;
        index = 0;
    }
    for (int i = index; i < count; ++i)
        if (selectable(i))
            return i;
    return -1;
}

void CContainerUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    if (wcscmp(name, L"inset") == 0) {
        SetInset(ReadRect(value));
    } else if (wcscmp(name, L"mousechild") == 0) {
        SetMouseChildEnabled(IsTrueValue(value));
    } else if (wcscmp(name, L"vscrollbar") == 0) {
        // The bars through their virtual getters: a list keeps them on its body.
        EnableScrollBars(IsTrueValue(value), GetHorizontalScrollBar() != nullptr);
    } else if (wcscmp(name, L"vscrollbarstyle") == 0) {
        EnableScrollBars(true, GetHorizontalScrollBar() != nullptr);
        if (CScrollBarUI* bar = GetVerticalScrollBar())
            bar->SetAttributeList(value);
    } else if (wcscmp(name, L"hscrollbar") == 0) {
        EnableScrollBars(GetVerticalScrollBar() != nullptr, IsTrueValue(value));
    } else if (wcscmp(name, L"hscrollbarstyle") == 0) {
        EnableScrollBars(GetVerticalScrollBar() != nullptr, true);
        if (CScrollBarUI* bar = GetHorizontalScrollBar())
            bar->SetAttributeList(value);
    } else if (wcscmp(name, L"childpadding") == 0) {
        SetChildPadding(static_cast<int>(wcstol(value, nullptr, 10)));
    } else if (wcscmp(name, L"childalign") == 0) {
        if (wcscmp(value, L"left") == 0)
            m_childAlign = kAlignLeft;
        else if (wcscmp(value, L"center") == 0)
            m_childAlign = kAlignCenter;
        else if (wcscmp(value, L"right") == 0)
            m_childAlign = kAlignRight;
    } else if (wcscmp(name, L"childvalign") == 0) {
        if (wcscmp(value, L"top") == 0)
            m_childVAlign = kAlignTop;
        else if (wcscmp(value, L"vcenter") == 0)
            m_childVAlign = kAlignVCenter;
        else if (wcscmp(value, L"bottom") == 0)
            m_childVAlign = kAlignBottom;
    } else {
        CControlUI::SetAttribute(name, value);
    }
}

}  // namespace SkinUI
