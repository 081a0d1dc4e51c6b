#pragma once
// The files of a page's file commands (export, import, a reset's default
// image), one per command: commands kept while a progress window is open
// each run with the file chosen for them, the last one chosen when the same
// command was asked again.

#include "ui/core/ui_string.h"

#include <map>

class CommandFiles {
public:
    void Set(int command, const wchar_t* path);
    // Empty when none was chosen.
    SkinUI::CUIString Of(int command) const;

private:
    std::map<int, SkinUI::CUIString> files_;
};
