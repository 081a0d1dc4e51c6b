#include "app/main/pages/common/control_names.h"

SkinUI::CUIString SuffixedName(const wchar_t* base, const wchar_t* suffix, int number) {
    SkinUI::CUIString pattern(base);
    pattern += suffix;
    if (pattern.FindText(L"%d") < 0) return pattern;
    SkinUI::CUIString name;
    name.Format(pattern.GetData(), number);
    return name;
}
