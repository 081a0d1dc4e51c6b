#pragma once

namespace SkinUI {

// Registers the container and layout tags with the control registry:
// "Container", "VerticalLayout", "VBox", "HorizontalLayout", "HBox",
// "TabLayout", "TileLayout", "ChildLayout", and "ScrollBar". Repeated calls
// do nothing.
void RegisterLayoutControls();

}  // namespace SkinUI
