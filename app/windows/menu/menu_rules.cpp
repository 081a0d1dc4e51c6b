#include "app/windows/menu/menu_rules.h"

#include <cwchar>

namespace {

const wchar_t* const kNameLists[] = {L"listex",      L"listex_Qiro",  L"listex_Mesk",
                                     L"listex_Dolv", L"listex_Kelvo", L"listex_Kelvo_Driver"};
const wchar_t* const kContentLists[] = {L"listex1",      L"listex1_Qiro",  L"listex1_Mesk",
                                        L"listex1_Dolv", L"listex1_Kelvo", L"listex1_Kelvo_Driver"};
const wchar_t* const kItems[] = {L"menu_Name_New",    L"menu_Name_ChangeName", L"menu_Name_Delete",
                                 L"menu_Name_Export", L"menu_Name_Import",     L"menu_Content_Edit",
                                 L"menu_Content_Delete"};

template <size_t N>
bool ContainsNoCase(const wchar_t* const (&names)[N], const wchar_t* name)
{
    for (const wchar_t* candidate : names) {
        if (_wcsicmp(candidate, name) == 0)
            return true;
    }
    return false;
}

}  // namespace

const wchar_t* MenuLayoutForList(const wchar_t* listName)
{
    if (listName == nullptr)
        return nullptr;
    if (ContainsNoCase(kNameLists, listName))
        return L"XML\\MarcoNameMenu.xml";
    if (ContainsNoCase(kContentLists, listName))
        return L"XML\\MarcoContentMenu.xml";
    return nullptr;
}

bool IsReportedMenuItem(const wchar_t* itemName)
{
    if (itemName == nullptr)
        return false;
    for (const wchar_t* item : kItems) {
        if (wcscmp(item, itemName) == 0)
            return true;
    }
    return false;
}

RECT FitMenuIntoWorkArea(const RECT& wanted, const RECT& workArea)
{
    RECT fitted = wanted;
    const LONG width = wanted.right - wanted.left;
    const LONG height = wanted.bottom - wanted.top;
    if (fitted.bottom > workArea.bottom) {
        fitted.top = height < workArea.bottom - workArea.top ? workArea.bottom - height : workArea.top;
        fitted.bottom = fitted.top + height;
    }
    if (fitted.right > workArea.right) {
        fitted.left = width < workArea.right - workArea.left ? workArea.right - width : workArea.left;
        fitted.right = fitted.left + width;
    }
    return fitted;
}
