#include "ui/core/layout_builder.h"

#include <cstdlib>
#include <cwchar>

#include "ui/core/container.h"
#include "ui/core/control.h"
#include "ui/core/control_registry.h"
#include "ui/core/layout_controls.h"
#include "ui/core/skin_preload.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

const int kMaxIncludeSource = 500;  // 499 characters and the terminator
const int kMaxCoverValue = 256;

bool IsTag(const wchar_t* tag, const wchar_t* name)
{
    return CompareNoCase(tag, name) == 0;
}

// The value of an attribute of a resource element, named ignoring case;
// null when absent.
const wchar_t* ResourceAttribute(const CXmlNodeUI& element, const wchar_t* name)
{
    for (int i = 0; i < element.GetAttributeCount(); ++i)
        if (CompareNoCase(element.GetAttributeName(i), name) == 0)
            return element.GetAttributeValue(i);
    return nullptr;
}

const wchar_t* TextAttribute(const CXmlNodeUI& element, const wchar_t* name)
{
    const wchar_t* value = ResourceAttribute(element, name);
    return value != nullptr ? value : L"";
}

bool FlagAttribute(const CXmlNodeUI& element, const wchar_t* name)
{
    return CompareNoCase(TextAttribute(element, name), L"true") == 0;
}

int NumberAttribute(const CXmlNodeUI& element, const wchar_t* name, int missing)
{
    const wchar_t* value = ResourceAttribute(element, name);
    return value != nullptr ? static_cast<int>(wcstol(value, nullptr, 10)) : missing;
}

DWORD ColorAttribute(const CXmlNodeUI& element, const wchar_t* name)
{
    const wchar_t* value = TextAttribute(element, name);
    if (*value == L'#')
        ++value;
    return wcstoul(value, nullptr, 16);
}

void ApplyResourceElement(const CXmlNodeUI& element, CWindowManagerUI* manager)
{
    const wchar_t* tag = element.GetName();
    if (IsTag(tag, L"Image")) {
        const wchar_t* name = TextAttribute(element, L"name");
        const wchar_t* type = TextAttribute(element, L"restype");
        if (*name != L'\0')
            manager->AddImage(name, *type != L'\0' ? type : nullptr, ColorAttribute(element, L"mask"),
                              FlagAttribute(element, L"shared"), false);
    } else if (IsTag(tag, L"Font")) {
        const int id = NumberAttribute(element, L"id", -1);
        const wchar_t* face = TextAttribute(element, L"name");
        if (id < 0 || *face == L'\0')
            return;
        const int size = NumberAttribute(element, L"size", 12);
        const bool bold = FlagAttribute(element, L"bold");
        const bool underline = FlagAttribute(element, L"underline");
        const bool italic = FlagAttribute(element, L"italic");
        const bool shared = FlagAttribute(element, L"shared");
        manager->AddFont(id, face, size, bold, underline, italic, shared);
        if (FlagAttribute(element, L"default"))
            manager->SetDefaultFont(face, size, bold, underline, italic, shared);
    } else if (IsTag(tag, L"Default")) {
        const wchar_t* name = TextAttribute(element, L"name");
        if (*name != L'\0')
            manager->AddDefaultAttributeList(name, TextAttribute(element, L"value"),
                                             FlagAttribute(element, L"shared"));
    } else if (IsTag(tag, L"MultiLanguage")) {
        const int id = NumberAttribute(element, L"id", -1);
        const wchar_t* text = TextAttribute(element, L"value");
        if (id >= 0 && *text != L'\0')
            CWindowManagerUI::AddLanguageText(id, text);
    }
}

IContainerUI* ContainerOf(CControlUI* control)
{
    return static_cast<IContainerUI*>(control->GetInterfaceByName(L"IContainer"));
}

}  // namespace

bool CLayoutBuilderUI::IsResourceTag(const wchar_t* tag)
{
    return IsTag(tag, L"Image") || IsTag(tag, L"Font") || IsTag(tag, L"Default") ||
           IsTag(tag, L"MultiLanguage");
}

CLayoutBuilderUI::CLayoutBuilderUI()
{
    static const bool registered = (RegisterLayoutControls(), true);
    (void)registered;
}

CControlUI* CLayoutBuilderUI::Create(const wchar_t* layout, const wchar_t* resourceType,
                                     IDialogBuilderCallback* callback, CWindowManagerUI* manager,
                                     CControlUI* parent)
{
    if (!Load(layout, resourceType))
        return nullptr;
    return BuildFromDocument(callback, manager, parent);
}

bool CLayoutBuilderUI::Load(const wchar_t* layout, const wchar_t* resourceType)
{
    if (IS_INTRESOURCE(layout)) {
        if (!LoadFromResource(layout, resourceType))
            return false;
        m_resourceType = resourceType;
        return true;
    }
    if (layout[0] == L'<')
        return m_document.LoadFromText(layout);
    if (CSkinPreloadUI::TakeLayout(layout, m_document))
        return true;
    return m_document.LoadFromFile(layout, CXmlDocumentUI::XML_ENCODING_UTF8);
}

bool CLayoutBuilderUI::LoadFromResource(const wchar_t* id, const wchar_t* resourceType)
{
    const HMODULE module = CWindowManagerUI::GetResourceModule();
    HRSRC resource = FindResourceW(module, id, resourceType);
    if (resource == nullptr)
        return false;
    HGLOBAL loaded = ::LoadResource(module, resource);
    const BYTE* data = loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (data == nullptr)
        return false;
    return m_document.LoadFromMemory(data, SizeofResource(module, resource),
                                     CXmlDocumentUI::XML_ENCODING_UTF8);
}

CControlUI* CLayoutBuilderUI::BuildFromDocument(IDialogBuilderCallback* callback,
                                                CWindowManagerUI* manager, CControlUI* parent)
{
    m_callback = callback;
    m_aborted = false;
    if (m_outermost == this)
        m_includeBuilds = 0;
    CXmlNodeUI root = m_document.GetRoot();
    if (!root.IsValid())
        return nullptr;
    if (manager != nullptr)
        ApplyResources(root, manager);
    return BuildChildren(root, parent, manager);
}

void CLayoutBuilderUI::ApplyResources(CXmlNodeUI root, CWindowManagerUI* manager)
{
    for (CXmlNodeUI node = root.GetFirstChild(); node.IsValid(); node = node.GetNextSibling())
        if (IsResourceTag(node.GetName()))
            ApplyResourceElement(node, manager);
    if (!IsTag(root.GetName(), L"Window") || manager->GetWindowHandle() == nullptr)
        return;
    for (int i = 0; i < root.GetAttributeCount(); ++i)
        manager->SetWindowAttribute(root.GetAttributeName(i), root.GetAttributeValue(i));
}

CControlUI* CLayoutBuilderUI::BuildChildren(CXmlNodeUI element, CControlUI* parent,
                                            CWindowManagerUI* manager)
{
    CControlUI* first = nullptr;
    for (CXmlNodeUI node = element.GetFirstChild(); node.IsValid() && !m_aborted;
         node = node.GetNextSibling()) {
        const wchar_t* tag = node.GetName();
        if (IsResourceTag(tag))
            continue;
        if (IsTag(tag, L"Include")) {
            BuildInclude(node, parent, manager);
            continue;
        }
        if (IsTag(tag, L"TreeNode")) {
            BuildTreeNode(node, parent, manager);
            continue;
        }
        CControlUI* control = CreateControlForTag(tag);
        if (control == nullptr)
            continue;
        // Children exist and are attached before their parent is configured.
        if (node.HasChildren())
            BuildChildren(node, control, manager);
        if (m_aborted || (parent != nullptr && !AttachToParent(node, control, parent))) {
            control->Delete();
            continue;
        }
        ApplyAttributes(node, control, manager, tag);
        if (manager != nullptr)
            control->SetManager(nullptr, nullptr, false);
        if (first == nullptr)
            first = control;
        else if (parent == nullptr)
            control->Delete();  // nothing would own it
    }
    if (!m_aborted)
        return first;
    if (first != nullptr && parent == nullptr)
        first->Delete();
    return nullptr;
}

void CLayoutBuilderUI::BuildInclude(CXmlNodeUI element, CControlUI* parent, CWindowManagerUI* manager)
{
    if (!element.HasAttributes() || m_includeDepth >= MAX_INCLUDE_DEPTH)
        return;
    wchar_t countText[16] = L"";
    const int count = element.GetAttributeValueByName(L"count", countText, 16)
                          ? static_cast<int>(wcstol(countText, nullptr, 10))
                          : 1;
    int& builds = m_outermost->m_includeBuilds;
    if (count > MAX_INCLUDE_COUNT || builds >= MAX_INCLUDE_BUILDS)
        return;
    wchar_t source[kMaxIncludeSource] = L"";
    if (!element.GetAttributeValueByName(L"source", source, kMaxIncludeSource) || source[0] == L'\0')
        return;

    CLayoutBuilderUI nested;
    nested.m_includeDepth = m_includeDepth + 1;
    nested.m_outermost = m_outermost;
    const bool fromResource = m_resourceType != nullptr;
    if (count > 0 && !nested.Load(fromResource ? MAKEINTRESOURCEW(_wtoi(source)) : source,
                                  fromResource ? m_resourceType : nullptr))
        return;
    for (int i = 0; i < count && !m_aborted && builds < MAX_INCLUDE_BUILDS; ++i) {
        ++builds;
        CControlUI* made = nested.BuildFromDocument(m_callback, manager, parent);
        // What an include makes is never the build's result.
        if (made != nullptr && parent == nullptr)
            made->Delete();
        m_aborted = nested.m_aborted;
    }
}

void CLayoutBuilderUI::BuildTreeNode(CXmlNodeUI element, CControlUI* parent, CWindowManagerUI* manager)
{
    CControlUI* node = CreateControlForTag(element.GetName());
    if (node == nullptr)
        return;
    const bool underNode = parent != nullptr && parent->GetInterfaceByName(L"TreeNode") != nullptr;
    IContainerUI* view = nullptr;
    if (underNode) {
        IContainerUI* parentNode = ContainerOf(parent);
        if (parentNode == nullptr || !parentNode->AddItem(node)) {
            node->Delete();
            return;
        }
    } else {
        if (parent != nullptr && parent->GetInterfaceByName(L"TreeView") != nullptr)
            view = ContainerOf(parent);
        if (view == nullptr) {
            // A node outside a tree view ends the build.
            node->Delete();
            m_aborted = true;
            return;
        }
    }
    ApplyAttributes(element, node, manager, L"TreeNode");
    BuildChildren(element, node, manager);
    if (manager != nullptr)
        node->SetManager(nullptr, nullptr, false);
    // Under a node, the parent node owns it whatever happened below; a top
    // node joins the view with its children.
    if (!underNode && (m_aborted || !view->AddItem(node)))
        node->Delete();
}

CControlUI* CLayoutBuilderUI::CreateControlForTag(const wchar_t* tag)
{
    CControlUI* control = CControlRegistryUI::Create(tag);
    CPtrArrayUI* plugins = CWindowManagerUI::GetPlugins();
    for (int i = 0; control == nullptr && i < plugins->GetSize(); ++i)
        control = reinterpret_cast<PluginCreatorUI>(plugins->ItemAt(i))(tag);
    if (control == nullptr && m_callback != nullptr)
        control = m_callback->CreateControl(tag);
    return control;
}

bool CLayoutBuilderUI::AttachToParent(CXmlNodeUI element, CControlUI* control, CControlUI* parent)
{
    wchar_t cover[kMaxCoverValue] = L"";
    if (element.GetAttributeValueByName(L"cover", cover, kMaxCoverValue) && wcscmp(cover, L"true") == 0) {
        parent->SetCover(control);
        return true;
    }
    // Tree nodes and containers both take items through their container part.
    IContainerUI* container = ContainerOf(parent);
    if (container == nullptr) {
        m_aborted = true;
        return false;
    }
    return container->AddItem(control);
}

void CLayoutBuilderUI::ApplyAttributes(CXmlNodeUI element, CControlUI* control,
                                       CWindowManagerUI* manager, const wchar_t* defaultsTag)
{
    if (manager != nullptr) {
        control->SetManager(manager, nullptr, false);
        const wchar_t* defaults = manager->GetDefaultAttributes(defaultsTag);
        if (defaults != nullptr)
            control->SetAttributeList(defaults);
    }
    for (int i = 0; i < element.GetAttributeCount(); ++i)
        control->SetAttribute(element.GetAttributeName(i), element.GetAttributeValue(i));
}

}  // namespace SkinUI
