#pragma once

#include <windows.h>

namespace SkinUI {

class CXmlDocumentUI;

// A by-value handle of one element; valid while its document stays loaded.
class CXmlNodeUI {
public:
    enum { MAX_ATTRIBUTES = 64 };

    CXmlNodeUI();
    CXmlNodeUI(CXmlDocumentUI* document, int element);

    bool IsValid() const { return m_document != nullptr; }
    const wchar_t* GetName() const;
    CXmlNodeUI GetFirstChild() const;
    CXmlNodeUI GetNextSibling() const;
    bool HasChildren() const;

    int GetAttributeCount() const;
    bool HasAttributes() const { return GetAttributeCount() > 0; }
    // "" for an index out of range; null for an invalid node.
    const wchar_t* GetAttributeName(int index) const;
    const wchar_t* GetAttributeValue(int index) const;
    // Copies the value of the first attribute of that name (case-sensitive)
    // into `buffer`: at most size - 1 characters, always terminated.
    bool GetAttributeValueByName(const wchar_t* name, wchar_t* buffer, int size) const;

private:
    void MapAttributes() const;
    const wchar_t* AttributeText(int index, bool value) const;

    struct AttributePosition {
        int name;
        int value;
    };

    int m_element;
    mutable int m_attributeCount;
    mutable AttributePosition m_attributes[MAX_ATTRIBUTES];
    CXmlDocumentUI* m_document;
};

// Skin layouts and language files parsed in place into one text buffer.
class CXmlDocumentUI {
public:
    enum {
        XML_ENCODING_UTF8 = 0,
        XML_ENCODING_UTF16 = 1,  // with a byte-order mark
        XML_ENCODING_ANSI = 2,
    };
    enum { MAX_FILE_SIZE = 0x400000, MAX_NESTING = 512 };

    explicit CXmlDocumentUI(const wchar_t* text = nullptr);
    CXmlDocumentUI(const CXmlDocumentUI&) = delete;
    CXmlDocumentUI& operator=(const CXmlDocumentUI&) = delete;
    ~CXmlDocumentUI();

    void Release();
    bool IsLoaded() const { return m_elements != nullptr; }
    CXmlNodeUI GetRoot();

    bool LoadFromText(const wchar_t* text);
    bool LoadFromMemory(const BYTE* data, DWORD size, int encoding);
    // A skin file: below the resource folder, or an entry of the resource zip.
    bool LoadFromFile(const wchar_t* fileName, int encoding = XML_ENCODING_UTF8);
    // A file by its full path, as LoadFromFile reads one of the skin folder.
    bool LoadFromPath(const wchar_t* path, int encoding = XML_ENCODING_UTF8);
    // Exchanges the loaded documents (and their errors); no node of either
    // may be in use.
    void Swap(CXmlDocumentUI& other);

    const wchar_t* GetLastErrorMessage() const { return m_errorMessage; }
    // The text where parsing stopped; empty for file and archive errors.
    const wchar_t* GetLastErrorLocation() const { return m_errorLocation; }

private:
    friend class CXmlNodeUI;

    struct ElementRecord {
        int name;
        int firstChild;
        int nextSibling;
        int parent;
        int data;
    };

    bool Parse();
    bool ParseElements(wchar_t*& p, int parent);
    bool ParseAttributes(wchar_t*& p);
    void ParseData(wchar_t*& p, wchar_t*& out, wchar_t terminator);
    void ParseEntity(wchar_t*& p, wchar_t*& out);
    static void SkipWhitespace(wchar_t*& p);
    static void SkipWhitespace(const wchar_t*& p);
    static void SkipIdentifier(wchar_t*& p);
    int AddElement(int name, int parent);
    bool SetError(const wchar_t* message, const wchar_t* location);
    bool LoadFromSkinZip(const wchar_t* fileName, int encoding);

    wchar_t* m_text;
    ElementRecord* m_elements;
    int m_elementCount;
    int m_elementCapacity;
    wchar_t m_errorMessage[100];
    wchar_t m_errorLocation[50];
    int m_depth;
};

}  // namespace SkinUI
