#pragma once

// Before the class: windows.h maps FindText to FindTextW, and every user of
// the class must see the same name.
#include <windows.h>

namespace SkinUI {

// Wide-character string of the framework. Texts of up to 62 characters live
// in the inline buffer; longer ones in a heap block owned by the string.
// A negative length argument means the whole text; a null text counts as "".
class CUIString {
public:
    enum { INLINE_CAPACITY = 64, MAX_INLINE_LENGTH = 62 };

    CUIString();
    explicit CUIString(wchar_t ch);
    CUIString(const wchar_t* text, int length = -1);
    CUIString(const CUIString& other);
    ~CUIString();

    const wchar_t* GetData() const { return m_text; }
    operator const wchar_t*() const { return m_text; }
    int GetLength() const;
    bool IsEmpty() const { return m_text[0] == L'\0'; }
    // The caller keeps the index within 0..length.
    wchar_t GetAt(int index) const { return m_text[index]; }
    bool IsInline() const { return m_text == m_inline; }

    void Clear();
    void Assign(const wchar_t* text, int length = -1);
    void Append(const wchar_t* text);

    CUIString& operator=(const CUIString& other);
    CUIString& operator=(const wchar_t* text);  // null clears
    CUIString& operator+=(const CUIString& other);
    CUIString& operator+=(const wchar_t* text);  // null is ignored
    CUIString& operator+=(wchar_t ch);
    CUIString operator+(const CUIString& other) const;
    CUIString operator+(const wchar_t* text) const;

    int Compare(const wchar_t* text) const;
    int CompareNoCase(const wchar_t* text) const;
    bool operator==(const wchar_t* text) const { return Compare(text) == 0; }
    bool operator!=(const wchar_t* text) const { return Compare(text) != 0; }
    bool operator<(const wchar_t* text) const { return Compare(text) < 0; }

    void MakeLower();

    // Each returns an index or -1.
    int FindChar(wchar_t ch, int start = 0) const;
    int FindText(const wchar_t* text, int start = 0) const;
    int ReverseFindChar(wchar_t ch) const;

    CUIString Left(int count) const;
    // A start outside 0..length gives an empty string.
    CUIString Mid(int start, int count = -1) const;

    // Replaces every occurrence; an empty old text replaces nothing.
    int Replace(const wchar_t* oldText, const wchar_t* newText);

    // printf-style; "%s" takes a wide text. Returns the characters written.
    int Format(const wchar_t* format, ...);
    // Formats through wvnsprintfW into 64 characters (longer output is cut).
    int FormatShort(const wchar_t* format, ...);

private:
    bool PointsIntoSelf(const wchar_t* text) const;
    void FreeHeap();

    wchar_t* m_text;
    wchar_t m_inline[INLINE_CAPACITY];
};

// Compares as _wcsicmp does in the C locale, which the program never leaves
// (only A-Z fold to a-z), without the runtime's locale bookkeeping on every
// call. Null counts as "".
int CompareNoCase(const wchar_t* a, const wchar_t* b);

// Keep a literal on the left from turning into a pointer comparison.
inline bool operator==(const wchar_t* text, const CUIString& s) { return s == text; }
inline bool operator!=(const wchar_t* text, const CUIString& s) { return s != text; }

}  // namespace SkinUI
