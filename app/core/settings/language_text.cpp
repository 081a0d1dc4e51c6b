#include "app/core/settings/language_text.h"

#include "ui/core/window_manager.h"

SkinUI::CUIString LanguageText(const wchar_t* text) {
    SkinUI::CUIString replaced(text);
    SkinUI::CWindowManagerUI::ReplaceLanguageTokens(replaced);
    return replaced;
}
