#include "app/macro/editors/marco_edit_rules.h"


namespace {

constexpr int kMoveLimit = 128;

SkinUI::CUIString NumberText(int value)
{
    SkinUI::CUIString text;
    text.Format(L"%d", value);
    return text;
}

}  // namespace

SkinUI::CUIString MoveValueCorrection(const wchar_t* text)
{
    const int value = LeadingInteger(text);
    if (value > kMoveLimit)
        return NumberText(kMoveLimit);
    if (value < -kMoveLimit)
        return NumberText(-kMoveLimit);
    return SkinUI::CUIString();
}

SkinUI::CUIString DelayValueCorrection(const wchar_t* text, int limit)
{
    if (limit == 0)
        return SkinUI::CUIString();
    const int value = LeadingInteger(text);
    if (value < 0)
        return NumberText(0);
    if (value > limit)
        return NumberText(limit);
    return SkinUI::CUIString();
}
