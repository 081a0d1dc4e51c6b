#include "app/dialogs/keyboard/key_choice.h"

#include "app/core/keys/key_codes.h"

using SkinUI::CUIString;

bool KeyChoice::OnKeyDown(int keyCode, int64_t now, const ModifierBoxes& boxes) {
    if (keyCode <= 0 || keyCode > 0xFF) return false;
    const int64_t previous = lastKeyTime_;
    lastKeyTime_ = now;
    if (previous == 0 || now - previous >= kChordMilliseconds) {
        captured_ = keyCode;
        text_ = GetKeyName(keyCode);
        state_ = kKeyChosen;
    } else {
        text_ = GetKeyName(captured_ & 0xFF) + L"+" + GetKeyName(keyCode);
        captured_ = keyCode + 256 * (captured_ & 0xFF);
        state_ = kCombinationChosen;
        lastKeyTime_ = 0;
    }
    const struct {
        bool checked;
        const wchar_t* prefix;
        int state;
    } modifiers[] = {{boxes.ctrl, L"Ctrl+", kModifierChosen},
                     {boxes.alt, L"Alt+", kModifierChosen},
                     {boxes.shift, L"Shift+", kCombinationChosen},
                     {boxes.win, L"Win+", kModifierChosen}};
    for (const auto& modifier : modifiers) {
        if (!modifier.checked) continue;
        text_ = CUIString(modifier.prefix) + text_;
        state_ = modifier.state;
        if (modifier.state == kModifierChosen) lastKeyTime_ = 0;
    }
    return true;
}

void KeyChoice::OnModifierClick(const wchar_t* word, bool wasChecked) {
    if (wasChecked) {
        const CUIString withPlus = CUIString(word) + L"+";
        if (text_.FindText(withPlus) >= 0) {
            text_.Replace(withPlus, L"");
        } else {
            text_.Replace(word, L"");
        }
    } else if (state_ == kCombinationChosen) {
        // A modifier after a chord starts the choice over with that modifier.
        text_ = word;
        captured_ = 0;
        state_ = kKeyChosen;
    } else {
        text_ = text_.IsEmpty() ? CUIString(word) : CUIString(word) + L"+" + text_;
        state_ = kModifierChosen;
    }
}
