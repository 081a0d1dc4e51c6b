#pragma once

#include <windows.h>

namespace SkinUI {

class CWindowManagerUI;
struct FontRecordUI;

// Fonts that markup asks for: found among the manager's fonts or created in
// it under ids counted from 30000 for the whole process.
class MarkupFontsUI {
public:
    enum Attribute { Bold, Underline, Italic };

    static FontRecordUI* Find(CWindowManagerUI* manager, const wchar_t* face, int size, bool bold,
                              bool underline, bool italic);
    // The form of the font with the attribute added; the font itself when it
    // already has it (or the form cannot be made).
    static FontRecordUI* WithAttribute(CWindowManagerUI* manager, FontRecordUI* font, Attribute attribute);
    // "id", or "face [size] [bold] [underline] [italic]" (size 10 when absent).
    static FontRecordUI* FromTagArgument(CWindowManagerUI* manager, const wchar_t* argument, int length);
};

}  // namespace SkinUI
