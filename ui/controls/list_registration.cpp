#include "ui/controls/list.h"
#include "ui/controls/list_container_element.h"
#include "ui/controls/list_header.h"
#include "ui/controls/list_header_item.h"
#include "ui/controls/list_text_element.h"
#include "ui/core/control_registry.h"

namespace SkinUI {

void RegisterListControls()
{
    CControlRegistryUI::Register(L"List", &CreateControl<CListUI>);
    CControlRegistryUI::Register(L"ListHeader", &CreateControl<CListHeaderUI>);
    CControlRegistryUI::Register(L"ListHeaderItem", &CreateControl<CListHeaderItemUI>);
    CControlRegistryUI::Register(L"ListLabelElement", &CreateControl<CListLabelElementUI>);
    CControlRegistryUI::Register(L"ListTextElement", &CreateControl<CListTextElementUI>);
    CControlRegistryUI::Register(L"ListContainerElement", &CreateControl<CListContainerElementUI>);
    CControlRegistryUI::Register(L"ListHBoxElement", &CreateControl<CListHBoxElementUI>);
}

}  // namespace SkinUI
