#include "ui/core/layout_controls.h"

#include "ui/core/scrollbar.h"
#include "ui/core/child_layout.h"
#include "ui/core/control_registry.h"
#include "ui/core/horizontal_layout.h"
#include "ui/core/tab_layout.h"
#include "ui/core/tile_layout.h"
#include "ui/core/vertical_layout.h"

namespace SkinUI {

void RegisterLayoutControls()
{
    CControlRegistryUI::Register(L"Container", &CreateControl<CContainerUI>);
    CControlRegistryUI::Register(L"VerticalLayout", &CreateControl<CVerticalLayoutUI>);
    CControlRegistryUI::Register(L"VBox", &CreateControl<CVerticalLayoutUI>);
    CControlRegistryUI::Register(L"HorizontalLayout", &CreateControl<CHorizontalLayoutUI>);
    CControlRegistryUI::Register(L"HBox", &CreateControl<CHorizontalLayoutUI>);
    CControlRegistryUI::Register(L"TabLayout", &CreateControl<CTabLayoutUI>);
    CControlRegistryUI::Register(L"TileLayout", &CreateControl<CTileLayoutUI>);
    CControlRegistryUI::Register(L"ChildLayout", &CreateControl<CChildLayoutUI>);
    // Containers own scroll bars; a layout may hold free ones too.
    RegisterScrollBarControl();
}

}  // namespace SkinUI
