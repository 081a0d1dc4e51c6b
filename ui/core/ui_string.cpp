#include "ui/core/ui_string.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <functional>

#include "ui/core/wide_format.h"

namespace SkinUI {
namespace {

const wchar_t* OrEmpty(const wchar_t* text)
{
    return text ? text : L"";
}

wchar_t* AllocateText(int length)
{
    return static_cast<wchar_t*>(std::malloc((static_cast<size_t>(length) + 1) * sizeof(wchar_t)));
}

}  // namespace

CUIString::CUIString() : m_text(m_inline)
{
    m_inline[0] = L'\0';
}

CUIString::CUIString(wchar_t ch) : m_text(m_inline)
{
    m_inline[0] = ch;
    m_inline[1] = L'\0';
}

CUIString::CUIString(const wchar_t* text, int length) : m_text(m_inline)
{
    m_inline[0] = L'\0';
    Assign(text, length);
}

CUIString::CUIString(const CUIString& other) : m_text(m_inline)
{
    m_inline[0] = L'\0';
    Assign(other.m_text);
}

CUIString::~CUIString()
{
    FreeHeap();
}

int CUIString::GetLength() const
{
    return static_cast<int>(std::wcslen(m_text));
}

bool CUIString::PointsIntoSelf(const wchar_t* text) const
{
    const std::less_equal<const wchar_t*> lessEqual;
    return lessEqual(m_text, text) && lessEqual(text, m_text + GetLength());
}

void CUIString::FreeHeap()
{
    if (m_text != m_inline) {
        std::free(m_text);
        m_text = m_inline;
    }
}

void CUIString::Clear()
{
    FreeHeap();
    m_inline[0] = L'\0';
}

void CUIString::Assign(const wchar_t* text, int length)
{
    text = OrEmpty(text);
    length = length < 0 ? static_cast<int>(std::wcslen(text))
                        : static_cast<int>(wcsnlen(text, static_cast<size_t>(length)));
    if (PointsIntoSelf(text)) {
        const CUIString copy(text, length);
        Assign(copy.m_text, length);
        return;
    }
    if (length <= MAX_INLINE_LENGTH) {
        FreeHeap();
    } else if (m_text == m_inline) {
        m_text = AllocateText(length);
    } else if (GetLength() < length) {
        m_text = static_cast<wchar_t*>(
            std::realloc(m_text, (static_cast<size_t>(length) + 1) * sizeof(wchar_t)));
    }
    std::memcpy(m_text, text, static_cast<size_t>(length) * sizeof(wchar_t));
    m_text[length] = L'\0';
}

void CUIString::Append(const wchar_t* text)
{
    text = OrEmpty(text);
    if (PointsIntoSelf(text)) {
        const CUIString copy(text);
        Append(copy.m_text);
        return;
    }
    const int oldLength = GetLength();
    const int newLength = oldLength + static_cast<int>(std::wcslen(text));
    if (newLength > MAX_INLINE_LENGTH) {
        if (m_text == m_inline) {
            wchar_t* block = AllocateText(newLength);
            std::memcpy(block, m_inline, (static_cast<size_t>(oldLength) + 1) * sizeof(wchar_t));
            m_text = block;
        } else {
            m_text = static_cast<wchar_t*>(
                std::realloc(m_text, (static_cast<size_t>(newLength) + 1) * sizeof(wchar_t)));
        }
    }
    std::wcscpy(m_text + oldLength, text);
}

CUIString& CUIString::operator=(const CUIString& other)
{
    Assign(other.m_text);
    return *this;
}

CUIString& CUIString::operator=(const wchar_t* text)
{
    if (text)
        Assign(text);
    else
        Clear();
    return *this;
}

CUIString& CUIString::operator+=(const CUIString& other)
{
    Append(other.m_text);
    return *this;
}

CUIString& CUIString::operator+=(const wchar_t* text)
{
    if (text)
        Append(text);
    return *this;
}

CUIString& CUIString::operator+=(wchar_t ch)
{
    const wchar_t text[2] = {ch, L'\0'};
    Append(text);
    return *this;
}

CUIString CUIString::operator+(const CUIString& other) const
{
    CUIString result(*this);
    result.Append(other.m_text);
    return result;
}

CUIString CUIString::operator+(const wchar_t* text) const
{
    CUIString result(*this);
    result += text;
    return result;
}

int CUIString::Compare(const wchar_t* text) const
{
    return std::wcscmp(m_text, OrEmpty(text));
}

int CUIString::CompareNoCase(const wchar_t* text) const
{
    return SkinUI::CompareNoCase(m_text, text);
}

int CompareNoCase(const wchar_t* a, const wchar_t* b)
{
    a = OrEmpty(a);
    b = OrEmpty(b);
    const auto lower = [](wchar_t ch) {
        return ch >= L'A' && ch <= L'Z' ? static_cast<wchar_t>(ch + (L'a' - L'A')) : ch;
    };
    wchar_t ca, cb;
    do {
        ca = lower(*a++);
        cb = lower(*b++);
    } while (ca != L'\0' && ca == cb);
    return static_cast<int>(ca) - static_cast<int>(cb);
}

void CUIString::MakeLower()
{
    _wcslwr(m_text);
}

int CUIString::FindChar(wchar_t ch, int start) const
{
    if (start != 0 && (start < 0 || start >= GetLength()))
        return -1;
    const wchar_t* found = std::wcschr(m_text + start, ch);
    return found ? static_cast<int>(found - m_text) : -1;
}

int CUIString::FindText(const wchar_t* text, int start) const
{
    if (start != 0 && (start < 0 || start > GetLength()))
        return -1;
    text = OrEmpty(text);
    if (text[0] == L'\0')
        return start;
    const wchar_t* found = std::wcsstr(m_text + start, text);
    return found ? static_cast<int>(found - m_text) : -1;
}

int CUIString::ReverseFindChar(wchar_t ch) const
{
    const wchar_t* found = std::wcsrchr(m_text, ch);
    return found ? static_cast<int>(found - m_text) : -1;
}

CUIString CUIString::Left(int count) const
{
    const int length = GetLength();
    if (count < 0)
        count = 0;
    if (count > length)
        count = length;
    return CUIString(m_text, count);
}

CUIString CUIString::Mid(int start, int count) const
{
    const int length = GetLength();
    if (start < 0 || start > length)
        return CUIString();
    if (count < 0 || count > length - start)
        count = length - start;
    if (count <= 0)
        return CUIString();
    return CUIString(m_text + start, count);
}

int CUIString::Replace(const wchar_t* oldText, const wchar_t* newText)
{
    const CUIString search(oldText);
    const CUIString replacement(newText);
    if (search.IsEmpty())
        return 0;
    const int searchLength = search.GetLength();
    const int replacementLength = replacement.GetLength();
    int count = 0;
    int position = FindText(search.m_text, 0);
    while (position >= 0) {
        CUIString rebuilt = Left(position);
        rebuilt.Append(replacement.m_text);
        rebuilt.Append(m_text + position + searchLength);
        Assign(rebuilt.m_text);
        ++count;
        position = FindText(search.m_text, position + replacementLength);
    }
    return count;
}

int CUIString::Format(const wchar_t* format, ...)
{
    const CUIString pattern(format);
    va_list args;
    va_start(args, format);
    va_list measureArgs;
    va_copy(measureArgs, args);
    const int length = CountWideFormat(pattern.m_text, measureArgs);
    va_end(measureArgs);
    int written = -1;
    if (length >= 0) {
        wchar_t* block = static_cast<wchar_t*>(
            std::calloc(static_cast<size_t>(length) + 1, sizeof(wchar_t)));
        written = WriteWideFormat(block, static_cast<size_t>(length), pattern.m_text, args);
        Assign(block, length);
        std::free(block);
    } else {
        Clear();
    }
    va_end(args);
    return written;
}

int CUIString::FormatShort(const wchar_t* format, ...)
{
    const CUIString pattern(format);
    wchar_t buffer[INLINE_CAPACITY] = {};
    va_list args;
    va_start(args, format);
    wvnsprintfW(buffer, INLINE_CAPACITY, pattern.m_text, args);
    va_end(args);
    buffer[INLINE_CAPACITY - 1] = L'\0';
    Assign(buffer);
    return GetLength();
}

}  // namespace SkinUI
