#include <cwchar>

#include "ui/core/control.h"
#include "ui/core/control_values.h"

namespace SkinUI {

namespace {

// Background colours skip leading blanks and one '#'.
DWORD ReadBackgroundColor(const wchar_t* value)
{
    while (*value > L'\0' && *value <= L' ')
        ++value;
    return ReadHexColor(value);
}

int ReadInt(const wchar_t* value)
{
    return static_cast<int>(wcstol(value, nullptr, 10));
}

}  // namespace

CUIString CControlUI::GetAttribute(const wchar_t*) const
{
    return CUIString();
}

CUIString CControlUI::GetAttributeList() const
{
    return CUIString();
}

void CControlUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    if (wcscmp(name, L"pos") == 0) {
        RECT pos = ReadRect(value);
        SetFixedXY(SIZE{pos.left, pos.top});
        SetFixedWidth(pos.right - pos.left);
        SetFixedHeight(pos.bottom - pos.top);
    } else if (wcscmp(name, L"padding") == 0) {
        SetPadding(ReadRect(value));
    } else if (wcscmp(name, L"bkcolor") == 0 || wcscmp(name, L"bkcolor1") == 0) {
        SetBackgroundColor(ReadBackgroundColor(value));
    } else if (wcscmp(name, L"bkcolor2") == 0) {
        SetBackgroundColor2(ReadBackgroundColor(value));
    } else if (wcscmp(name, L"bkcolor3") == 0) {
        SetBackgroundColor3(ReadBackgroundColor(value));
    } else if (wcscmp(name, L"bordercolor") == 0) {
        SetBorderColor(ReadHexColor(value));
    } else if (wcscmp(name, L"focusbordercolor") == 0) {
        SetFocusBorderColor(ReadHexColor(value));
    } else if (wcscmp(name, L"colorhsl") == 0) {
        SetColorHsl(IsTrueValue(value));
    } else if (wcscmp(name, L"bordersize") == 0) {
        if (wcschr(value, L',') != nullptr)
            SetBorderSizeRect(ReadRect(value));
        else
            SetBorderSize(ReadInt(value));
    } else if (wcscmp(name, L"borderstyle") == 0) {
        SetBorderStyle(ReadInt(value));
    } else if (wcscmp(name, L"borderround") == 0) {
        SetBorderRound(ReadSize(value));
    } else if (wcscmp(name, L"bkimage") == 0) {
        SetBackgroundImage(value);
    } else if (wcscmp(name, L"width") == 0) {
        SetFixedWidth(ReadInt(value));
    } else if (wcscmp(name, L"height") == 0) {
        SetFixedHeight(ReadInt(value));
    } else if (wcscmp(name, L"minwidth") == 0) {
        SetMinWidth(ReadInt(value));
    } else if (wcscmp(name, L"minheight") == 0) {
        SetMinHeight(ReadInt(value));
    } else if (wcscmp(name, L"maxwidth") == 0) {
        SetMaxWidth(ReadInt(value));
    } else if (wcscmp(name, L"maxheight") == 0) {
        SetMaxHeight(ReadInt(value));
    } else if (wcscmp(name, L"name") == 0) {
        SetName(value);
    } else if (wcscmp(name, L"text") == 0) {
        SetText(value);
    } else if (wcscmp(name, L"tooltip") == 0) {
        SetToolTip(value);
    } else if (wcscmp(name, L"userdata") == 0) {
        SetUserData(value);
    } else if (wcscmp(name, L"tag") == 0) {
        SetTag(static_cast<UINT_PTR>(wcstol(value, nullptr, 10)));
    } else if (wcscmp(name, L"enabled") == 0) {
        SetEnabled(IsTrueValue(value));
    } else if (wcscmp(name, L"mouse") == 0) {
        SetMouseEnabled(IsTrueValue(value));
    } else if (wcscmp(name, L"keyboard") == 0) {
        SetKeyboardEnabled(IsTrueValue(value));
    } else if (wcscmp(name, L"visible") == 0) {
        SetVisible(IsTrueValue(value));
    } else if (wcscmp(name, L"float") == 0) {
        if (wcschr(value, L',') != nullptr) {
            double percent[4];
            ReadFractionList(value, percent, 4);
            SetFloatPercent(percent);
            SetFloating(true);
        } else {
            SetFloating(IsTrueValue(value));
        }
    } else if (wcscmp(name, L"shortcut") == 0) {
        SetShortcutKey(value[0]);
    } else if (wcscmp(name, L"menu") == 0) {
        SetContextMenuEnabled(IsTrueValue(value));
    } else if (wcscmp(name, L"virtualwnd") == 0) {
        SetVirtualWindowName(value);
    } else {
        AddCustomAttribute(name, value);
    }
}

// Pairs name="value" separated by one blank; the list ends silently at the
// first pair that breaks this form, keeping the pairs applied before.
void CControlUI::SetAttributeList(const wchar_t* list)
{
    const wchar_t* p = list;
    while (p != nullptr && *p != L'\0') {
        const wchar_t* nameStart = p;
        while (*p != L'\0' && *p != L'=')
            p = CharNextW(p);
        if (*p != L'=')
            return;
        const CUIString name(nameStart, static_cast<int>(p - nameStart));
        p = CharNextW(p);
        if (*p != L'"')
            return;
        p = CharNextW(p);
        const wchar_t* valueStart = p;
        while (*p != L'\0' && *p != L'"')
            p = CharNextW(p);
        if (*p != L'"')
            return;
        const CUIString value(valueStart, static_cast<int>(p - valueStart));
        SetAttribute(name, value);
        p = CharNextW(p);
        if (*p != L' ')
            return;
        p = CharNextW(p);
    }
}

}  // namespace SkinUI
