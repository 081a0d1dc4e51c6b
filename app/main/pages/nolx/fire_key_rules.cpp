#include "app/main/pages/nolx/fire_key_rules.h"

#include <cwchar>

namespace {

constexpr uint8_t kFireEntryType = 6;

int TextValue(const wchar_t* text) { return text ? static_cast<int>(wcstol(text, nullptr, 10)) : 0; }

SkinUI::CUIString Decimal(int value) {
    SkinUI::CUIString text;
    text.Format(L"%d", value);
    return text;
}

}  // namespace

FireEditVerdict CheckFireCountText(const wchar_t* text) {
    const int value = TextValue(text);
    if (value > kFireCountLimit) return {Decimal(kFireCountLimit), false};
    return {SkinUI::CUIString(), value != 1};
}

FireEditVerdict CheckFireTimeText(const wchar_t* text) {
    const int value = TextValue(text);
    if (value > kFireTimeLimit) return {Decimal(kFireTimeLimit), false};
    return {SkinUI::CUIString(), true};
}

bool FireCountTextOnLeaving(const wchar_t* text, SkinUI::CUIString* replacement) {
    if (TextValue(text) != 1) return false;
    *replacement = L"0";
    return true;
}

FireKeyInput FireKeyInputFromTexts(const wchar_t* countText, const wchar_t* timeText, bool continued) {
    return {TextValue(countText) - 1, TextValue(timeText), continued};
}

std::vector<EntryRef> ApplyFireKeyInput(const FireKeyInput& input, FireKeyEntry& key,
                                        const std::vector<RecordList<MacroKeyEntry>*>& tables) {
    std::vector<EntryRef> changed;
    const size_t count = tables.empty() ? 0 : tables.front()->size();
    for (size_t i = 0; i < count; ++i) {
        for (size_t t = 0; t < tables.size(); ++t) {
            MacroKeyEntry* e = RecordAt(*tables[t], static_cast<int>(i));
            if (!e || e->bytes[0] != kFireEntryType || (e->bytes[1] & 0x0F) != key.code) continue;
            key.value = e->bytes[2] << 8 | e->bytes[3];
            if (key.value == 0) continue;
            e->bytes[1] = static_cast<uint8_t>((input.count | 0x10) & 0x7F) | (input.continued ? 0x80 : 0);
            e->bytes[2] = static_cast<uint8_t>(input.time >> 8);
            e->bytes[3] = static_cast<uint8_t>(input.time);
            changed.emplace_back(static_cast<int>(t), static_cast<int>(i));
        }
    }
    key.code = input.count;
    key.value = input.time;
    return changed;
}
