#include "app/macro/list/marco_list.h"

#include <cmath>
#include <cstdlib>
#include <cwchar>

#include "ui/controls/list_header.h"
#include "ui/controls/list_label_element.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;

namespace {

bool IsLabelRow(CControlUI* control)
{
    return control != nullptr && wcscmp(control->GetClassName(), L"ListLabelElement") == 0;
}

}  // namespace

MarcoListUI::MarcoListUI() : m_root(std::make_unique<MacroStepNode>())
{
    SetItemShowHtml(true);
    // Only rows can be added, so the header never gets columns to show.
    GetHeader()->SetVisible(false);
}

MacroStepNode* MarcoListUI::AddNode(const wchar_t* text, MacroStepNode* parent)
{
    if (parent == nullptr)
        parent = m_root.get();
    if (!m_root->Holds(parent))
        return nullptr;
    return PlaceNode(text, parent, RowAfterLastDescendant(parent), parent->children.size());
}

MacroStepNode* MarcoListUI::InsertNodeAt(const wchar_t* text, int index, MacroStepNode* parent)
{
    if (parent == nullptr)
        parent = m_root.get();
    if (index < 0 || !m_root->Holds(parent))
        return nullptr;
    return PlaceNode(text, parent, index, static_cast<size_t>(index));
}

MacroStepNode* MarcoListUI::PlaceNode(const wchar_t* text, MacroStepNode* parent, int rowIndex,
                                      size_t childIndex)
{
    auto* row = new CListLabelElementUI();
    auto node = std::make_unique<MacroStepNode>();
    node->level = parent->level + 1;
    node->expanded = node->level == 0;
    node->text = text;
    node->row = row;
    if (parent != m_root.get() && (!parent->expanded || !parent->row->IsVisible()))
        row->SetInternalVisible(false);
    row->SetText(MacroStepRowText(*node));
    row->SetTag(reinterpret_cast<UINT_PTR>(node.get()));
    if (!CListUI::InsertItemAt(row, rowIndex)) {
        row->Delete();
        return nullptr;
    }
    MacroStepNode* placed = node.get();
    parent->InsertChild(std::move(node), childIndex);
    return placed;
}

int MarcoListUI::RowAfterLastDescendant(MacroStepNode* parent) const
{
    if (!parent->children.empty())
        return GetItemIndex(parent->LastDescendant()->row) + 1;
    return parent == m_root.get() ? 0 : GetItemIndex(parent->row) + 1;
}

bool MarcoListUI::RemoveNode(MacroStepNode* node)
{
    if (node == nullptr || node == m_root.get() || !m_root->Holds(node))
        return false;
    while (!node->children.empty())
        RemoveNode(node->children.back().get());
    CListUI::RemoveItem(node->row);
    node->parent->RemoveChild(node);
    return true;
}

MacroStepNode* MarcoListUI::NodeOfRow(CControlUI* row) const
{
    auto* label = static_cast<CListLabelElementUI*>(row->GetInterfaceByName(L"ListLabelElement"));
    if (label == nullptr || label->GetTag() == 0)
        return nullptr;
    auto* node = reinterpret_cast<MacroStepNode*>(label->GetTag());
    return m_root->Holds(node) && node->row == label ? node : nullptr;
}

bool MarcoListUI::AddItem(CControlUI* control)
{
    return IsLabelRow(control) && CListUI::AddItem(control);
}

bool MarcoListUI::InsertItemAt(CControlUI* control, int index)
{
    return IsLabelRow(control) && CListUI::InsertItemAt(control, index);
}

bool MarcoListUI::RemoveItem(CControlUI* control, bool keepAlive)
{
    if (!IsLabelRow(control))
        return false;
    MacroStepNode* node = NodeOfRow(control);
    return node != nullptr ? RemoveNode(node) : CListUI::RemoveItem(control, keepAlive);
}

bool MarcoListUI::RemoveItemAt(int index, bool keepAlive)
{
    CControlUI* row = GetItemAt(index);
    return row != nullptr && RemoveItem(row, keepAlive);
}

void MarcoListUI::RemoveAllItems()
{
    CListUI::RemoveAllItems();
    m_root = std::make_unique<MacroStepNode>();
}

void MarcoListUI::SetVisible(bool visible)
{
    if (m_visible == visible)
        return;
    CControlUI::SetVisible(visible);
}

void MarcoListUI::SetInternalVisible(bool visible)
{
    CControlUI::SetInternalVisible(visible);
}

int MarcoListUI::CurrentScrollDistance() const
{
    if (m_stepsTotal == 0)
        return 0;
    const double fraction = static_cast<double>(m_stepsLeft) / static_cast<double>(m_stepsTotal);
    return static_cast<int>(fraction * fraction * m_pendingScroll);
}

void MarcoListUI::StopScrolling()
{
    m_pendingScroll = 0;
    m_stepsTotal = 0;
    m_stepsLeft = 0;
    if (m_manager != nullptr)
        m_manager->StopTimer(this, kScrollTimer);
}

void MarcoListUI::OnScrollTick()
{
    if (m_stepsLeft > 0) {
        --m_stepsLeft;
        const SIZE position = GetScrollPosition();
        const int distance = CurrentScrollDistance();
        if ((distance > 0 && position.cy != 0) || (distance < 0 && position.cy != GetScrollRange().cy)) {
            SetScrollPosition(SIZE{position.cx, position.cy - distance});
            return;
        }
    }
    StopScrolling();
}

void MarcoListUI::OnWheel(const EventRecordUI& event)
{
    const int current = CurrentScrollDistance();
    switch (LOWORD(event.wParam)) {
    case SB_LINEUP:
        m_pendingScroll = current + (m_pendingScroll >= 0 ? 8 : 12);
        break;
    case SB_LINEDOWN:
        m_pendingScroll = current - (m_pendingScroll <= 0 ? 8 : 12);
        break;
    default:
        break;
    }
    if (m_pendingScroll > 100)
        m_pendingScroll = 100;
    if (m_pendingScroll < -100)
        m_pendingScroll = -100;
    m_stepsTotal = m_stepsLeft = 5u * static_cast<unsigned>(std::sqrt(std::abs(m_pendingScroll)));
    if (m_manager != nullptr)
        m_manager->StartTimer(this, kScrollTimer, 50);
}

void MarcoListUI::HandleEvent(EventRecordUI& event)
{
    if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
        if (m_parent != nullptr)
            m_parent->HandleEvent(event);
        else
            CVerticalLayoutUI::HandleEvent(event);
        return;
    }
    if (event.type == EventTypeUI::Timer && event.wParam == kScrollTimer) {
        OnScrollTick();
        return;
    }
    if (event.type == EventTypeUI::ScrollWheel) {
        OnWheel(event);
        return;
    }
    CListUI::HandleEvent(event);
}

CControlUI* CreateMacroListControl(const wchar_t* tag)
{
    if (tag != nullptr && _wcsicmp(tag, L"MarcoList") == 0)
        return new MarcoListUI();
    return nullptr;
}
