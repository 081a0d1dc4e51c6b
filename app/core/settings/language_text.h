#pragma once

#include "ui/core/ui_string.h"

// The text with its language tokens replaced by the current language's
// texts; empty for a null text.
SkinUI::CUIString LanguageText(const wchar_t* text);
