#include "app/dialogs/assignment/key_capture.h"

#include "app/core/keys/key_codes.h"

#include <windows.h>

#include <string>

using SkinUI::CUIString;

namespace {

bool IsModifierKey(int vk) { return vk == VK_LWIN || vk == VK_RWIN || (vk >= VK_LSHIFT && vk <= VK_RMENU); }

std::wstring RemoveAll(std::wstring text, const std::wstring& part) {
    for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at)) text.erase(at, part.size());
    return text;
}

}  // namespace

bool KeyCapture::OnKeyPress(unsigned message, int virtualKey, int64_t now) {
    if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN) return false;
    if (IsModifierKey(virtualKey)) return false;
    const int code = VirtualKeyToKeyCode(virtualKey);
    const bool chord = chords_ && lastKeyTime_ != 0 && now - lastKeyTime_ < kChordMilliseconds;
    if (chord) {
        text_ = GetKeyName(keyCode_) + L"+" + GetKeyName(code);
        keyCode_ = keyCode_ * 256 + code;
        lastKeyTime_ = 0;
    } else {
        keyCode_ = code;
        text_ = GetKeyName(code);
        lastKeyTime_ = now;
    }
    return true;
}

CUIString WithModifiers(const CUIString& keyText, bool ctrl, bool alt, bool shift, bool win) {
    CUIString text = keyText;
    if (ctrl) text = CUIString(L"Ctrl+") + text;
    if (alt) text = CUIString(L"Alt+") + text;
    if (shift) text = CUIString(L"Shift+") + text;
    if (win) text = CUIString(L"Win+") + text;
    return text;
}

CUIString ToggleModifierText(const CUIString& text, const wchar_t* word, bool wasChecked) {
    const std::wstring current = text.GetData();
    if (!wasChecked) return current.empty() ? CUIString(word) : CUIString(word) + L"+" + text;
    const std::wstring joined = std::wstring(word) + L"+";
    if (current.find(joined) != std::wstring::npos) return RemoveAll(current, joined).c_str();
    return RemoveAll(current, word).c_str();
}
