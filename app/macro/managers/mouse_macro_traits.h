#pragma once
// What one mouse family's macro manager is made of: its layout and control
// names, its byte code, its loop and play options, its step kinds and limits,
// its step editors and its macro file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/core/files/macro_file_format.h"
#include "app/macro/codec/macro_step.h"

namespace SkinUI {
class CWindowWnd;
}
class MarcoEdit;

struct MacroLoop {
    int mode = 0;         // 0 repeat count in every family; the others are the family's own
    int repeatCount = 1;  // used by mode 0
};

// The settings a macro is encoded with, as the options show them.
struct MacroPlayOptions {
    MacroLoop loop;
    int playMode = 1;  // Kelvo families: 0 stop, 1 continue; unused by the others
};

// What the data of a macro gives back; a setting the data holds none of is absent.
struct DecodedMouseMacro {
    MacroSteps steps;
    std::optional<MacroLoop> loop;
    std::optional<int> playMode;
};

struct MouseMacroCodec {
    std::vector<uint8_t> (*encode)(const MacroSteps& steps, const MacroPlayOptions& options);
    DecodedMouseMacro (*decode)(const std::vector<uint8_t>& data);
    // Whether the steps, with `added` inserted before row `at`, keep the
    // macro within its field.
    bool (*hasRoomFor)(const MacroPlayOptions& options, const MacroSteps& steps, size_t at, const MacroSteps& added);
};

// One loop or play option of the layout.
struct MacroOptionControl {
    const wchar_t* name;  // without the family suffix
    bool play;            // a play option, else a loop option
    int mode;
};

struct MouseMacroTraits {
    MacroFileFamily family;
    const wchar_t* layout;
    const wchar_t* suffix;          // of every control name but the two buttons below
    const wchar_t* addButton;
    const wchar_t* deleteButton;
    const wchar_t* recordingImage;  // record button while recording
    const wchar_t* idleImage;
    const wchar_t* lockedControl;   // disabled while recording
    MouseMacroCodec codec;
    std::vector<MacroOptionControl> options;
    int moveX;                // row type of a move's X; its Y row follows it
    int moveY;
    bool modifierSteps;       // Ctrl, Shift, Alt and Win recorded as modifier steps
    int maxDelayMs;           // the largest delay the byte code holds
    int delayEditLimit;
    int repeatCountLimit;
    std::vector<uint8_t> newMacroData;
    MarcoEdit* (*makeEditor)(SkinUI::CWindowWnd* owner, int mode);        // names, confirmations, step edits
    MarcoEdit* (*makeInsertEditor)(SkinUI::CWindowWnd* owner, int mode);  // inserted steps
};

template <class Editor>
MarcoEdit* MakeMarcoEdit(SkinUI::CWindowWnd* owner, int mode)
{
    return new Editor(owner, mode);
}
