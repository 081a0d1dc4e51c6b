#pragma once
// Keyboard keys captured for a user-defined assignment, and the modifier
// words of the text that shows them.

#include "ui/core/ui_string.h"

#include <cstdint>

class KeyCapture {
public:
    // Two presses less than this apart form a chord (Dolv, Mesk, Qiro).
    static constexpr int64_t kChordMilliseconds = 500;

    explicit KeyCapture(bool chords) : chords_(chords) {}

    // One key press at `now` (milliseconds). Returns false for messages other
    // than key presses and for the Win, Shift, Ctrl and Alt keys, which come
    // only from the check boxes.
    bool OnKeyPress(unsigned message, int virtualKey, int64_t now);

    int KeyCode() const { return keyCode_; }
    // The captured key's name, or the chord's two names joined by "+".
    const SkinUI::CUIString& KeyText() const { return text_; }

private:
    bool chords_;
    int keyCode_ = 0;
    int64_t lastKeyTime_ = 0;
    SkinUI::CUIString text_;
};

// The captured text with the ticked modifiers in front: Win+Shift+Alt+Ctrl+.
SkinUI::CUIString WithModifiers(const SkinUI::CUIString& keyText, bool ctrl, bool alt, bool shift, bool win);

// The key text as a modifier box is ticked (wasChecked false: the word goes in
// front) or cleared (every word + "+" is taken out, or the bare word).
SkinUI::CUIString ToggleModifierText(const SkinUI::CUIString& text, const wchar_t* word, bool wasChecked);
