#include "ui/core/xml_document.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <utility>
#include <vector>

#include "ui/core/skin_resources.h"
#include "ui/core/zip_archive.h"

namespace SkinUI {
namespace {

struct EntityName {
    const wchar_t* name;  // with its ';'
    size_t length;
    wchar_t character;
};

const EntityName ENTITIES[] = {
    {L"amp;", 4, L'&'}, {L"lt;", 3, L'<'}, {L"gt;", 3, L'>'}, {L"quot;", 5, L'"'}, {L"apos;", 5, L'\''},
};

void CopyBounded(wchar_t* target, size_t capacity, const wchar_t* source)
{
    std::wmemset(target, 0, capacity);
    if (source)
        std::wcsncpy(target, source, capacity - 1);
}

}  // namespace

CXmlDocumentUI::CXmlDocumentUI(const wchar_t* text)
    : m_text(nullptr), m_elements(nullptr), m_elementCount(0), m_elementCapacity(0),
      m_errorMessage(), m_errorLocation(), m_depth(0)
{
    if (text)
        LoadFromText(text);
}

CXmlDocumentUI::~CXmlDocumentUI()
{
    Release();
}

void CXmlDocumentUI::Release()
{
    std::free(m_text);
    std::free(m_elements);
    m_text = nullptr;
    m_elements = nullptr;
    m_elementCount = 0;
    m_elementCapacity = 0;
}

CXmlNodeUI CXmlDocumentUI::GetRoot()
{
    if (!IsLoaded() || m_elementCount < 2)
        return CXmlNodeUI();
    return CXmlNodeUI(this, 1);
}

bool CXmlDocumentUI::SetError(const wchar_t* message, const wchar_t* location)
{
    CopyBounded(m_errorMessage, sizeof(m_errorMessage) / sizeof(wchar_t), message);
    CopyBounded(m_errorLocation, sizeof(m_errorLocation) / sizeof(wchar_t), location);
    return false;
}

bool CXmlDocumentUI::LoadFromText(const wchar_t* text)
{
    Release();
    const size_t length = std::wcslen(text ? text : L"");
    m_text = static_cast<wchar_t*>(std::malloc((length + 1) * sizeof(wchar_t)));
    if (!m_text)
        return SetError(L"Out of memory", nullptr);
    std::wmemcpy(m_text, text ? text : L"", length + 1);
    if (!Parse()) {
        Release();
        return false;
    }
    return true;
}

bool CXmlDocumentUI::LoadFromMemory(const BYTE* data, DWORD size, int encoding)
{
    Release();
    if (!data && size > 0)
        return SetError(L"No data", nullptr);
    if (size > static_cast<DWORD>(INT_MAX))
        return SetError(L"File too large", nullptr);

    int length = 0;
    if (encoding == XML_ENCODING_UTF8 || encoding == XML_ENCODING_ANSI) {
        const UINT codePage = encoding == XML_ENCODING_UTF8 ? CP_UTF8 : CP_ACP;
        if (encoding == XML_ENCODING_UTF8 && size > 2 && data[0] == 0xEF && data[1] == 0xBB &&
            data[2] == 0xBF) {
            data += 3;
            size -= 3;
        }
        const char* bytes = reinterpret_cast<const char*>(data);
        length = size > 0 ? MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(size), nullptr, 0) : 0;
        m_text = static_cast<wchar_t*>(std::calloc(static_cast<size_t>(length) + 1, sizeof(wchar_t)));
        if (!m_text)
            return SetError(L"Out of memory", nullptr);
        if (length > 0)
            MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(size), m_text, length);
    } else {
        const bool littleEndian = size >= 2 && data[0] == 0xFF && data[1] == 0xFE;
        const bool bigEndian = size >= 2 && data[0] == 0xFE && data[1] == 0xFF;
        if (!littleEndian && !bigEndian)
            return SetError(L"Missing byte-order mark", nullptr);
        length = static_cast<int>(size / 2 - 1);
        m_text = static_cast<wchar_t*>(std::calloc(static_cast<size_t>(length) + 1, sizeof(wchar_t)));
        if (!m_text)
            return SetError(L"Out of memory", nullptr);
        const BYTE* units = data + 2;
        for (int i = 0; i < length; ++i) {
            const BYTE first = units[2 * i];
            const BYTE second = units[2 * i + 1];
            m_text[i] = static_cast<wchar_t>(littleEndian ? first | second << 8 : second | first << 8);
        }
    }
    m_text[length] = L'\0';
    if (!Parse()) {
        Release();
        return false;
    }
    return true;
}

bool CXmlDocumentUI::LoadFromFile(const wchar_t* fileName, int encoding)
{
    Release();
    if (SkinResourcesUI::GetResourceZipName().IsEmpty())
        return LoadFromPath(SkinResourcesUI::GetResourceFolder() + fileName, encoding);
    return LoadFromSkinZip(fileName, encoding);
}

bool CXmlDocumentUI::LoadFromPath(const wchar_t* path, int encoding)
{
    Release();
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return SetError(L"Error opening file", nullptr);
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);
    if (size.QuadPart == 0) {
        CloseHandle(file);
        return SetError(L"File is empty", nullptr);
    }
    if (size.QuadPart > MAX_FILE_SIZE) {
        CloseHandle(file);
        return SetError(L"File too large", nullptr);
    }
    std::vector<BYTE> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    if (!ok || read < bytes.size())
        return SetError(L"Could not read file", nullptr);
    return LoadFromMemory(bytes.data(), read, encoding);
}

void CXmlDocumentUI::Swap(CXmlDocumentUI& other)
{
    std::swap(m_text, other.m_text);
    std::swap(m_elements, other.m_elements);
    std::swap(m_elementCount, other.m_elementCount);
    std::swap(m_elementCapacity, other.m_elementCapacity);
    std::swap(m_errorMessage, other.m_errorMessage);
    std::swap(m_errorLocation, other.m_errorLocation);
    std::swap(m_depth, other.m_depth);
}

bool CXmlDocumentUI::LoadFromSkinZip(const wchar_t* fileName, int encoding)
{
    HZIPUI zip = nullptr;
    const bool keptOpen = SkinResourcesUI::IsResourceZipKeptOpen();
    if (keptOpen) {
        zip = SkinResourcesUI::GetResourceZipHandle();
    } else {
        const CUIString path = SkinResourcesUI::GetResourceFolder() + SkinResourcesUI::GetResourceZipName();
        zip = ZipArchiveUI::Open(path.GetData(), 0, ZIP_STREAM_FILE);
    }
    if (!zip)
        return SetError(L"Error opening zip file", nullptr);

    const wchar_t* error = nullptr;
    std::vector<BYTE> bytes;
    int index = -1;
    ZipEntryUI entry;
    if (ZipArchiveUI::FindItem(zip, fileName, true, &index, &entry) != ZIP_OK) {
        error = L"Could not find ziped file";
    } else if (entry.uncompressedSize == 0) {
        error = L"File is empty";
    } else if (entry.uncompressedSize > MAX_FILE_SIZE) {
        error = L"File too large";
    } else {
        // Zeroed: a truncated entry leaves the unread tail as it is.
        bytes.assign(entry.uncompressedSize, 0);
        const int result = ZipArchiveUI::ExtractItem(zip, index, bytes.data(),
                                                     entry.uncompressedSize, ZIP_STREAM_MEMORY);
        if (result != ZIP_OK && result != ZIP_MORE_DATA)
            error = L"Could not unzip file";
    }
    if (!keptOpen)
        ZipArchiveUI::Close(zip);
    if (error)
        return SetError(error, nullptr);
    return LoadFromMemory(bytes.data(), static_cast<DWORD>(bytes.size()), encoding);
}

int CXmlDocumentUI::AddElement(int name, int parent)
{
    if (m_elementCount == 0)
        m_elementCapacity = 0;
    if (m_elementCount >= m_elementCapacity) {
        const int capacity = m_elementCapacity + m_elementCapacity / 2 + 500;
        ElementRecord* grown = static_cast<ElementRecord*>(
            std::realloc(m_elements, static_cast<size_t>(capacity) * sizeof(ElementRecord)));
        if (!grown)
            return -1;
        m_elements = grown;
        m_elementCapacity = capacity;
    }
    const int index = m_elementCount++;
    m_elements[index] = ElementRecord{name, 0, 0, parent, 0};
    return index;
}

bool CXmlDocumentUI::Parse()
{
    SetError(nullptr, nullptr);
    m_depth = 0;
    if (AddElement(0, 0) < 0)
        return SetError(L"Out of memory", nullptr);
    wchar_t* p = m_text;
    return ParseElements(p, 0);
}

void CXmlDocumentUI::SkipWhitespace(wchar_t*& p)
{
    while (*p != L'\0' && *p <= L' ')
        ++p;
}

void CXmlDocumentUI::SkipWhitespace(const wchar_t*& p)
{
    while (*p != L'\0' && *p <= L' ')
        ++p;
}

void CXmlDocumentUI::SkipIdentifier(wchar_t*& p)
{
    while (*p != L'\0' && (*p == L'_' || *p == L':' || std::iswalnum(*p)))
        ++p;
}

bool CXmlDocumentUI::ParseElements(wchar_t*& p, int parent)
{
    if (++m_depth > MAX_NESTING)
        return SetError(L"Elements nested too deeply", p);
    int previous = 0;
    for (;;) {
        SkipWhitespace(p);
        if (*p == L'\0' && parent <= 1)
            break;
        if (*p != L'<')
            return SetError(L"Expected start tag", p);
        if (p[1] == L'/')
            break;
        *p++ = L'\0';
        SkipWhitespace(p);
        if (*p == L'!' || *p == L'?') {
            const wchar_t closing = *p == L'!' ? L'-' : L'?';
            while (*p != L'\0' && !(p[0] == closing && p[1] == L'>'))
                ++p;
            if (*p != L'\0')
                p += 2;
            continue;
        }
        SkipWhitespace(p);
        const int element = AddElement(static_cast<int>(p - m_text), parent);
        if (element < 0)
            return SetError(L"Out of memory", nullptr);
        if (previous > 0)
            m_elements[previous].nextSibling = element;
        else if (parent > 0)
            m_elements[parent].firstChild = element;
        previous = element;

        wchar_t* name = p;
        SkipIdentifier(p);
        wchar_t* nameEnd = p;
        const size_t nameLength = static_cast<size_t>(nameEnd - name);
        if (*p == L'\0')
            return SetError(L"Error parsing element name", p);
        if (!ParseAttributes(p))
            return false;
        SkipWhitespace(p);
        if (p[0] == L'/' && p[1] == L'>') {
            m_elements[element].data = static_cast<int>(p - m_text);
            *p = L'\0';
            p += 2;
        } else {
            if (*p != L'>')
                return SetError(L"Expected start-tag closing", p);
            m_elements[element].data = static_cast<int>(++p - m_text);
            wchar_t* dataEnd = p;
            ParseData(p, dataEnd, L'<');
            if (*p == L'\0' && parent <= 1) {
                *dataEnd = L'\0';
                *nameEnd = L'\0';
                break;
            }
            if (*p != L'<')
                return SetError(L"Expected end-tag start", p);
            if (p[1] != L'/' && !ParseElements(p, element))
                return false;
            if (p[0] == L'<' && p[1] == L'/') {
                *dataEnd = L'\0';
                *p = L'\0';
                p += 2;
                SkipWhitespace(p);
                if (std::wcsncmp(p, name, nameLength) != 0)
                    return SetError(L"Unmatched closing tag", p);
                p += nameLength;
                SkipWhitespace(p);
                if (*p != L'>')
                    return SetError(L"Unmatched closing tag", p);
                ++p;
            } else {
                *dataEnd = L'\0';
            }
        }
        *nameEnd = L'\0';
    }
    --m_depth;
    return true;
}

bool CXmlDocumentUI::ParseAttributes(wchar_t*& p)
{
    if (*p == L'>' || (p[0] == L'/' && p[1] == L'>'))
        return true;
    *p++ = L'\0';
    for (;;) {
        SkipWhitespace(p);
        if (*p == L'\0' || *p == L'>' || *p == L'/')
            return true;
        SkipIdentifier(p);
        wchar_t* nameEnd = p;
        SkipWhitespace(p);
        if (*p != L'=')
            return SetError(L"Error while parsing attributes", p);
        *p++ = L' ';
        *nameEnd = L'\0';
        SkipWhitespace(p);
        if (*p != L'"')
            return SetError(L"Expected attribute value", p);
        ++p;
        wchar_t* valueEnd = p;
        ParseData(p, valueEnd, L'"');
        if (*p == L'\0')
            return SetError(L"Error while parsing attribute string", p);
        *valueEnd = L'\0';
        if (valueEnd != p)
            *p = L' ';
        ++p;
    }
}

void CXmlDocumentUI::ParseData(wchar_t*& p, wchar_t*& out, wchar_t terminator)
{
    while (*p != L'\0' && *p != terminator) {
        if (*p == L'&')
            ParseEntity(p, out);
        else
            *out++ = *p++;
    }
    for (wchar_t* gap = out + 1; gap < p; ++gap)
        *gap = L' ';
}

void CXmlDocumentUI::ParseEntity(wchar_t*& p, wchar_t*& out)
{
    ++p;
    for (const EntityName& entity : ENTITIES) {
        if (std::wcsncmp(p, entity.name, entity.length) == 0) {
            *out++ = entity.character;
            p += entity.length;
            return;
        }
    }
    *out++ = L'&';
}

}  // namespace SkinUI
