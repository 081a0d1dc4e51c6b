#include "tests/ui/support/skin_lint.h"

#include <cwchar>

#include "ui/core/control.h"
#include "ui/core/control_registry.h"
#include "ui/core/layout_builder.h"
#include "ui/core/window_manager.h"
#include "ui/core/xml_document.h"

namespace SkinUI {
namespace test {

namespace {

bool IsTag(const wchar_t* tag, const wchar_t* name)
{
    return _wcsicmp(tag, name) == 0;
}

class AcceptingCallback : public IDialogBuilderCallback {
public:
    explicit AcceptingCallback(const std::vector<std::wstring>& tags) : m_tags(tags) {}

    CControlUI* CreateControl(const wchar_t* tag) override
    {
        for (const std::wstring& accepted : m_tags)
            if (accepted == tag)
                return CControlRegistryUI::Create(L"Container");
        unknown.push_back(tag);
        return nullptr;
    }

    std::vector<std::wstring> unknown;

private:
    const std::vector<std::wstring>& m_tags;
};

bool Load(CXmlDocumentUI& document, const std::wstring& layout)
{
    if (!layout.empty() && layout[0] == L'<')
        return document.LoadFromText(layout.c_str());
    return document.LoadFromFile(layout.c_str());
}

std::wstring LoadProblem(const std::wstring& name, const CXmlDocumentUI& document)
{
    std::wstring problem = name + L": " + document.GetLastErrorMessage();
    if (*document.GetLastErrorLocation() != L'\0')
        problem += std::wstring(L" at \"") + document.GetLastErrorLocation() + L"\"";
    return problem;
}

// Every Include below `element`, and the includes of what it includes.
void CheckIncludes(CXmlNodeUI element, int depth, std::vector<std::wstring>& problems)
{
    for (CXmlNodeUI node = element.GetFirstChild(); node.IsValid(); node = node.GetNextSibling()) {
        wchar_t source[500] = L"";
        if (IsTag(node.GetName(), L"Include") && node.GetAttributeValueByName(L"source", source, 500) &&
            source[0] != L'\0' && depth < CLayoutBuilderUI::MAX_INCLUDE_DEPTH) {
            CXmlDocumentUI included;
            if (Load(included, source))
                CheckIncludes(included.GetRoot(), depth + 1, problems);
            else
                problems.push_back(LoadProblem(std::wstring(L"include ") + source, included));
        }
        CheckIncludes(node, depth, problems);
    }
}

void CheckImages(CXmlNodeUI root, CWindowManagerUI& manager, std::vector<std::wstring>& problems)
{
    for (CXmlNodeUI node = root.GetFirstChild(); node.IsValid(); node = node.GetNextSibling()) {
        wchar_t name[MAX_PATH] = L"";
        if (IsTag(node.GetName(), L"Image") && node.GetAttributeValueByName(L"name", name, MAX_PATH) &&
            name[0] != L'\0' && manager.GetImage(name) == nullptr)
            problems.push_back(std::wstring(L"image does not load: ") + name);
    }
}

bool HasControlElements(CXmlNodeUI root)
{
    for (CXmlNodeUI node = root.GetFirstChild(); node.IsValid(); node = node.GetNextSibling())
        if (!CLayoutBuilderUI::IsResourceTag(node.GetName()))
            return true;
    return false;
}

}  // namespace

::testing::AssertionResult LintLayout(const std::wstring& layout, const std::vector<std::wstring>& customTags)
{
    const std::wstring shown = layout.size() > 60 ? layout.substr(0, 60) + L"..." : layout;
    std::vector<std::wstring> problems;
    CXmlDocumentUI document;
    if (!Load(document, layout)) {
        problems.push_back(LoadProblem(shown, document));
    } else {
        CheckIncludes(document.GetRoot(), 0, problems);
        CWindowManagerUI manager;
        AcceptingCallback callback(customTags);
        CLayoutBuilderUI builder;
        CControlUI* root = builder.Create(layout.c_str(), nullptr, &callback, &manager);
        for (const std::wstring& tag : callback.unknown)
            problems.push_back(L"unknown tag <" + tag + L">");
        if (root == nullptr && HasControlElements(document.GetRoot()))
            problems.push_back(L"the build made no control");
        CheckImages(document.GetRoot(), manager, problems);
        if (root != nullptr)
            root->Delete();
    }
    if (problems.empty())
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << "skin layout " << ::testing::PrintToString(shown) << ":";
    for (const std::wstring& problem : problems)
        failure << "\n  " << ::testing::PrintToString(problem);
    return failure;
}

}  // namespace test
}  // namespace SkinUI
