#include <cwchar>

#include "ui/core/xml_document.h"

namespace SkinUI {

CXmlNodeUI::CXmlNodeUI() : m_element(0), m_attributeCount(0), m_attributes(), m_document(nullptr) {}

CXmlNodeUI::CXmlNodeUI(CXmlDocumentUI* document, int element)
    : m_element(element), m_attributeCount(0), m_attributes(), m_document(document)
{
}

const wchar_t* CXmlNodeUI::GetName() const
{
    if (!m_document)
        return nullptr;
    return m_document->m_text + m_document->m_elements[m_element].name;
}

CXmlNodeUI CXmlNodeUI::GetFirstChild() const
{
    if (!m_document)
        return CXmlNodeUI();
    const int child = m_document->m_elements[m_element].firstChild;
    return child > 0 ? CXmlNodeUI(m_document, child) : CXmlNodeUI();
}

CXmlNodeUI CXmlNodeUI::GetNextSibling() const
{
    if (!m_document)
        return CXmlNodeUI();
    const int sibling = m_document->m_elements[m_element].nextSibling;
    return sibling > 0 ? CXmlNodeUI(m_document, sibling) : CXmlNodeUI();
}

bool CXmlNodeUI::HasChildren() const
{
    return m_document && m_document->m_elements[m_element].firstChild > 0;
}

void CXmlNodeUI::MapAttributes() const
{
    const wchar_t* text = m_document->m_text;
    const CXmlDocumentUI::ElementRecord& element = m_document->m_elements[m_element];
    const wchar_t* end = text + element.data;
    const wchar_t* p = text + element.name;
    m_attributeCount = 0;
    while (m_attributeCount < MAX_ATTRIBUTES) {
        p += std::wcslen(p) + 1;
        if (p >= end)
            break;
        CXmlDocumentUI::SkipWhitespace(p);
        if (p >= end || *p == L'>' || *p == L'/')
            break;
        const wchar_t* name = p;
        p += std::wcslen(p) + 1;
        if (p >= end)
            break;
        CXmlDocumentUI::SkipWhitespace(p);
        if (p >= end || *p != L'"')
            break;
        ++p;
        m_attributes[m_attributeCount].name = static_cast<int>(name - text);
        m_attributes[m_attributeCount].value = static_cast<int>(p - text);
        ++m_attributeCount;
    }
}

int CXmlNodeUI::GetAttributeCount() const
{
    if (!m_document)
        return 0;
    if (m_attributeCount == 0)
        MapAttributes();
    return m_attributeCount;
}

const wchar_t* CXmlNodeUI::AttributeText(int index, bool value) const
{
    if (!m_document)
        return nullptr;
    if (index < 0 || index >= GetAttributeCount())
        return L"";
    return m_document->m_text + (value ? m_attributes[index].value : m_attributes[index].name);
}

const wchar_t* CXmlNodeUI::GetAttributeName(int index) const
{
    return AttributeText(index, false);
}

const wchar_t* CXmlNodeUI::GetAttributeValue(int index) const
{
    return AttributeText(index, true);
}

bool CXmlNodeUI::GetAttributeValueByName(const wchar_t* name, wchar_t* buffer, int size) const
{
    if (!m_document || !name)
        return false;
    const int count = GetAttributeCount();
    for (int i = 0; i < count; ++i) {
        if (std::wcscmp(m_document->m_text + m_attributes[i].name, name) != 0)
            continue;
        if (buffer && size > 0) {
            std::wcsncpy(buffer, m_document->m_text + m_attributes[i].value, static_cast<size_t>(size) - 1);
            buffer[size - 1] = L'\0';
        }
        return true;
    }
    return false;
}

}  // namespace SkinUI
