#include "ui/controls/list.h"
#include "ui/controls/list_container_element.h"
#include "ui/controls/list_header.h"
#include "ui/controls/list_header_item.h"
#include "ui/controls/list_text_element.h"
#include "ui/core/control_registry.h"

namespace SkinUI {

namespace {

template <class Control>
CControlUI* Make()
{
    return new Control;
}

}  // namespace

void RegisterListControls()
{
    CControlRegistryUI::Register(L"List", &Make<CListUI>);
    CControlRegistryUI::Register(L"ListHeader", &Make<CListHeaderUI>);
    CControlRegistryUI::Register(L"ListHeaderItem", &Make<CListHeaderItemUI>);
    CControlRegistryUI::Register(L"ListLabelElement", &Make<CListLabelElementUI>);
    CControlRegistryUI::Register(L"ListTextElement", &Make<CListTextElementUI>);
    CControlRegistryUI::Register(L"ListContainerElement", &Make<CListContainerElementUI>);
    CControlRegistryUI::Register(L"ListHBoxElement", &Make<CListHBoxElementUI>);
}

}  // namespace SkinUI
