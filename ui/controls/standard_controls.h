#pragma once

namespace SkinUI {

// Registers the layout tags of the controls library with the control
// registry. The program and tests call it once before building layouts;
// further calls change nothing.
void RegisterStandardControls();

}  // namespace SkinUI
