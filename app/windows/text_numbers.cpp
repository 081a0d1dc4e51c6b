#include "app/windows/text_numbers.h"

#include <climits>

int LeadingInteger(const wchar_t* text) {
    if (text == nullptr) return 0;
    while (*text == L' ' || *text == L'\t') ++text;
    bool negative = false;
    if (*text == L'-' || *text == L'+') {
        negative = *text == L'-';
        ++text;
    }
    long long value = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        value = value * 10 + (*text - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}
