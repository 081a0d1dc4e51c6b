#include "app/core/keys/assignment_text_parts.h"

namespace {

struct CodeToken {
    int code;
    const wchar_t* token;
};

constexpr CodeToken kConsumerControlTokens[] = {
    {0x00B5, L"%{019}"}, {0x00B6, L"%{020}"}, {0x00B7, L"%{021}"}, {0x00CD, L"%{022}"},
    {0x00E2, L"%{023}"}, {0x00E9, L"%{024}"}, {0x00EA, L"%{025}"}, {0x018A, L"%{027}"},
    {0x0192, L"%{028}"}, {0x0194, L"%{029}"}, {0x0221, L"%{030}"}, {0x0223, L"%{031}"},
    {0x0224, L"%{032}"}, {0x0225, L"%{033}"}, {0x0226, L"%{034}"}, {0x0227, L"%{035}"},
    {0x022A, L"%{036}"},
};

constexpr CodeToken kButtonTokens[] = {
    {1, L"%{054}"}, {2, L"%{055}"}, {4, L"%{056}"}, {8, L"%{079}"}, {16, L"%{078}"},
};

template <size_t N>
const wchar_t* FindToken(const CodeToken (&table)[N], int code) {
    for (const CodeToken& entry : table) {
        if (entry.code == code) return entry.token;
    }
    return nullptr;
}

}  // namespace

const wchar_t* AssignmentButtonToken(int button) { return FindToken(kButtonTokens, button); }

const wchar_t* ConsumerControlToken(int code) { return FindToken(kConsumerControlTokens, code); }

SkinUI::CUIString ModifierPrefix(int bits) {
    SkinUI::CUIString prefix;
    ForEachModifierName(bits, [&prefix](const wchar_t* name) {
        prefix += name;
        prefix += L"+";
    });
    return prefix;
}
