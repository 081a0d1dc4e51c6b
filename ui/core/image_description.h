#pragma once

#include <windows.h>

#include "ui/core/renderer.h"

namespace SkinUI {

// How the image of a description is to be loaded.
struct ImageLoadRequestUI {
    CUIString name;
    CUIString type;         // resource type, or "*COLOR*"
    bool resource = false;  // "res" or "color" asked for a resource load
    DWORD mask = 0;
    bool adjust = false;    // "hsl='true'"
};

// Reads the key='value' pairs of info.description into the drawing fields of
// info and the load request. A text without pairs names the image itself.
void ParseImageDescription(ImageDrawInfoUI& info, ImageLoadRequestUI& request);

// Reads up to count decimal numbers separated by one character each; those
// the text does not reach are 0. Never reads past the end of the text.
void ReadNumberList(LPCWSTR text, LONG* values, int count);

}  // namespace SkinUI
