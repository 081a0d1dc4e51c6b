#pragma once
// Mouse buttons as the low-level mouse hook reports them, as button bits
// (1 left, 2 right, 4 middle, 8 and 16 the side buttons) and as the macro
// byte code's mouse events (press 0xA0 | bit, release 0x20 | bit).

#include "ui/core/ui_string.h"

#include <windows.h>

// The button of a button message, 0 for other messages.
int MouseMessageToButtonBit(UINT message, const MSLLHOOKSTRUCT& record);
// The macro event of a button message, 0 for other messages.
int MouseMessageToMacroEvent(UINT message, const MSLLHOOKSTRUCT& record);

// The button's language token ("%{054}" for the left button): the texts that
// hold it follow the language when they are drawn. Empty for other values.
SkinUI::CUIString GetMouseButtonToken(int buttonBit);
SkinUI::CUIString GetMacroMouseEventToken(int macroEvent);
