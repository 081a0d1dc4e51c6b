#include "ui/core/layout_controls.h"

#include "ui/controls/scrollbar.h"
#include "ui/core/child_layout.h"
#include "ui/core/control_registry.h"
#include "ui/core/horizontal_layout.h"
#include "ui/core/tab_layout.h"
#include "ui/core/tile_layout.h"
#include "ui/core/vertical_layout.h"

namespace SkinUI {

namespace {

template <typename Control>
CControlUI* Make()
{
    return new Control;
}

}  // namespace

void RegisterLayoutControls()
{
    CControlRegistryUI::Register(L"Container", &Make<CContainerUI>);
    CControlRegistryUI::Register(L"VerticalLayout", &Make<CVerticalLayoutUI>);
    CControlRegistryUI::Register(L"VBox", &Make<CVerticalLayoutUI>);
    CControlRegistryUI::Register(L"HorizontalLayout", &Make<CHorizontalLayoutUI>);
    CControlRegistryUI::Register(L"HBox", &Make<CHorizontalLayoutUI>);
    CControlRegistryUI::Register(L"TabLayout", &Make<CTabLayoutUI>);
    CControlRegistryUI::Register(L"TileLayout", &Make<CTileLayoutUI>);
    CControlRegistryUI::Register(L"ChildLayout", &Make<CChildLayoutUI>);
    // Containers own scroll bars; a layout may hold free ones too.
    RegisterScrollBarControl();
}

}  // namespace SkinUI
