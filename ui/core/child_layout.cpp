#include "ui/core/child_layout.h"

#include <cwchar>

#include "ui/core/layout_builder.h"

namespace SkinUI {

const wchar_t* CChildLayoutUI::GetClassName() const
{
    return L"ChildLayout";
}

void* CChildLayoutUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"ChildLayout") == 0)
        return this;
    return CControlUI::GetInterfaceByName(name);
}

void CChildLayoutUI::SetChildLayoutXml(const wchar_t* fileName)
{
    m_xmlFile = fileName;
}

void CChildLayoutUI::Initialize()
{
    // Joining another window or container initialises again: the layout is
    // built once.
    if (m_built || m_xmlFile.IsEmpty())
        return;
    m_built = true;
    CLayoutBuilderUI builder;
    CControlUI* root = builder.Create(m_xmlFile, nullptr, nullptr, m_manager, nullptr);
    if (root != nullptr)
        AddItem(root);
    else
        RemoveAllItems();
}

void CChildLayoutUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name != nullptr && wcscmp(name, L"xmlfile") == 0)
        SetChildLayoutXml(value);
    else
        CContainerUI::SetAttribute(name, value);
}

}  // namespace SkinUI
