#include "ui/controls/check_box.h"

#include <cwchar>

namespace SkinUI {

const wchar_t* CCheckBoxUI::GetClassName() const
{
    return L"CheckBox";
}

void* CCheckBoxUI::GetInterfaceByName(const wchar_t* name)
{
    if (name != nullptr && wcscmp(name, L"CheckBox") == 0)
        return this;
    return COptionUI::GetInterfaceByName(name);
}

}  // namespace SkinUI
