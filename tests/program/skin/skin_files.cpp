#include "tests/program/skin/skin_files.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>

#include "ui/core/window_manager.h"
#include "ui/core/xml_document.h"

namespace vastemor {
namespace test {

using SkinUI::CXmlDocumentUI;
using SkinUI::CXmlNodeUI;

std::wstring SkinFolder()
{
    return std::wstring(SkinUI::CWindowManagerUI::GetInstanceFolder().GetData()) + L"res\\Skin\\";
}

std::vector<std::wstring> SkinFiles(const std::wstring& folder, const std::wstring& pattern)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((SkinFolder() + folder + L"\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

const std::wstring* SkinElement::Attribute(const wchar_t* name) const
{
    for (const auto& attribute : attributes)
        if (attribute.first == name)
            return &attribute.second;
    return nullptr;
}

namespace {

void Collect(CXmlNodeUI node, std::vector<std::wstring>& ancestors, std::vector<SkinElement>& elements)
{
    SkinElement element;
    element.tag = node.GetName();
    element.ancestors = ancestors;
    for (int i = 0; i < node.GetAttributeCount(); ++i)
        element.attributes.emplace_back(node.GetAttributeName(i), node.GetAttributeValue(i));
    elements.push_back(element);
    ancestors.push_back(element.tag);
    for (CXmlNodeUI child = node.GetFirstChild(); child.IsValid(); child = child.GetNextSibling())
        Collect(child, ancestors, elements);
    ancestors.pop_back();
}

}  // namespace

bool ReadSkinElements(const std::wstring& relativePath, std::vector<SkinElement>& elements)
{
    CXmlDocumentUI document;
    if (!document.LoadFromFile(relativePath.c_str()))
        return false;
    std::vector<std::wstring> ancestors;
    Collect(document.GetRoot(), ancestors, elements);
    return true;
}

bool ReadLanguageTexts(const std::wstring& relativePath, std::map<int, std::wstring>& texts,
                       std::vector<int>& duplicates)
{
    std::vector<SkinElement> elements;
    if (!ReadSkinElements(relativePath, elements))
        return false;
    for (const SkinElement& element : elements) {
        const std::wstring* id = element.Attribute(L"id");
        const std::wstring* value = element.Attribute(L"value");
        if (_wcsicmp(element.tag.c_str(), L"MultiLanguage") != 0 || id == nullptr || value == nullptr)
            continue;
        const int number = static_cast<int>(wcstol(id->c_str(), nullptr, 10));
        if (!texts.emplace(number, *value).second)
            duplicates.push_back(number);
    }
    return true;
}

std::vector<int> LanguageTokens(const std::wstring& text)
{
    std::vector<int> ids;
    for (size_t at = text.find(L"%{"); at != std::wstring::npos; at = text.find(L"%{", at + 2)) {
        size_t end = at + 2;
        while (end < text.size() && iswdigit(text[end]))
            ++end;
        if (end > at + 2 && end < text.size() && text[end] == L'}')
            ids.push_back(static_cast<int>(wcstol(text.substr(at + 2, end - at - 2).c_str(), nullptr, 10)));
    }
    return ids;
}

}  // namespace test
}  // namespace vastemor
