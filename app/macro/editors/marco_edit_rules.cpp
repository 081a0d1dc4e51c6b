#include "app/macro/editors/marco_edit_rules.h"

#include <climits>
#include <cwctype>

namespace {

constexpr int kMoveLimit = 128;

SkinUI::CUIString NumberText(int value)
{
    SkinUI::CUIString text;
    text.Format(L"%d", value);
    return text;
}

}  // namespace

int LeadingInteger(const wchar_t* text)
{
    if (text == nullptr)
        return 0;
    while (iswspace(*text))
        ++text;
    bool negative = false;
    if (*text == L'-' || *text == L'+') {
        negative = *text == L'-';
        ++text;
    }
    long long value = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        value = value * 10 + (*text - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    value = negative ? -value : value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

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
