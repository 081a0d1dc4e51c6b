#pragma once

namespace SkinUI {

// Registers the container and layout tags with the control registry:
// "Container", "VerticalLayout", "VBox", "HorizontalLayout", "HBox",
// "TabLayout", "TileLayout" and "ChildLayout". Repeated calls do nothing.
void RegisterLayoutControls();

}  // namespace SkinUI
