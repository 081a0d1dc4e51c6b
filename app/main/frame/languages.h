#pragma once
// Interface languages: language files read into the process-wide text table,
// and the fonts of a window re-faced for the chosen language.

#include "ui/core/window_manager.h"

#include <map>

// The window manager the layout builder reads language files with; made on
// the first call, kept for the life of the program, attached to no window.
SkinUI::CWindowManagerUI& LanguageTable();

// Adds the texts of "Languages\<fileName>" (below the skin's resource folder)
// to the text table, replacing those of the same ids; a file that cannot be
// read or parsed adds none.
void ReadLanguageFile(const wchar_t* fileName);

// Makes the font's face, with its size and styles, the manager's default
// font, and gives every font of the manager's own table the font's face with
// its own size and styles, except the fonts of `keptFonts` (its values).
void ReFaceFonts(SkinUI::CWindowManagerUI& manager, const SkinUI::FontRecordUI& font,
                 const std::map<int, int>& keptFonts);
