#pragma once

#include <windows.h>

#include "ui/core/xml_document.h"

namespace SkinUI {

class CControlUI;
class CWindowManagerUI;

// Makes the controls of the layout tags that the framework does not know.
class IDialogBuilderCallback {
public:
    // A new control for the tag, or null to skip the element and its children.
    virtual CControlUI* CreateControl(const wchar_t* tag) = 0;

protected:
    virtual ~IDialogBuilderCallback() = default;
};

// An extra control factory of the process-wide plug-in list
// (CWindowManagerUI::GetPlugins), asked before the callback.
typedef CControlUI* (*PluginCreatorUI)(const wchar_t* tag);

// Turns an XML layout of the skin into a tree of controls: hands the layout's
// images, fonts, default attribute lists, language texts and window
// attributes to the window manager, creates one control per element by tag,
// applies the attributes in document order and returns the first top-level
// control (owned by the given parent, else by the caller). Controls are left
// without a manager until the caller attaches the finished tree.
//
// A build that cannot place a control (a parent that holds no items, a tree
// node outside a tree view) deletes what it made and returns null.
class CLayoutBuilderUI {
public:
    // Includes nested deeper than this, asking for a larger count, or beyond
    // the builds that one layout build may make of included layouts are
    // skipped like an include that failed to load.
    enum { MAX_INCLUDE_DEPTH = 8, MAX_INCLUDE_COUNT = 64, MAX_INCLUDE_BUILDS = 256 };

    CLayoutBuilderUI();
    CLayoutBuilderUI(const CLayoutBuilderUI&) = delete;
    CLayoutBuilderUI& operator=(const CLayoutBuilderUI&) = delete;

    // `layout`: an integer resource id (MAKEINTRESOURCE) of `resourceType` in
    // the manager's resource module, XML text starting with '<', or a skin
    // file name such as "XML\\main_frame.xml". Null when loading fails.
    CControlUI* Create(const wchar_t* layout, const wchar_t* resourceType = nullptr,
                       IDialogBuilderCallback* callback = nullptr, CWindowManagerUI* manager = nullptr,
                       CControlUI* parent = nullptr);
    // Builds the loaded document again.
    CControlUI* BuildFromDocument(IDialogBuilderCallback* callback, CWindowManagerUI* manager,
                                  CControlUI* parent = nullptr);

    // "Image", "Font", "Default" and "MultiLanguage", in any case: elements
    // of the root that feed the manager instead of making controls.
    static bool IsResourceTag(const wchar_t* tag);

    CXmlDocumentUI& GetDocument() { return m_document; }
    const wchar_t* GetLastErrorMessage() const { return m_document.GetLastErrorMessage(); }
    const wchar_t* GetLastErrorLocation() const { return m_document.GetLastErrorLocation(); }

private:
    bool Load(const wchar_t* layout, const wchar_t* resourceType);
    bool LoadFromResource(const wchar_t* id, const wchar_t* resourceType);
    void ApplyResources(CXmlNodeUI root, CWindowManagerUI* manager);

    CControlUI* BuildChildren(CXmlNodeUI element, CControlUI* parent, CWindowManagerUI* manager);
    void BuildInclude(CXmlNodeUI element, CControlUI* parent, CWindowManagerUI* manager);
    void BuildTreeNode(CXmlNodeUI element, CControlUI* parent, CWindowManagerUI* manager);
    CControlUI* CreateControlForTag(const wchar_t* tag);
    // Attaches to the parent as cover or item; false when the element ends.
    bool AttachToParent(CXmlNodeUI element, CControlUI* control, CControlUI* parent);
    void ApplyAttributes(CXmlNodeUI element, CControlUI* control, CWindowManagerUI* manager,
                         const wchar_t* defaultsTag);

    CXmlDocumentUI m_document;
    IDialogBuilderCallback* m_callback = nullptr;
    const wchar_t* m_resourceType = nullptr;
    int m_includeDepth = 0;
    // The builder whose build includes this one, counting the included builds.
    CLayoutBuilderUI* m_outermost = this;
    int m_includeBuilds = 0;
    bool m_aborted = false;
};

}  // namespace SkinUI
