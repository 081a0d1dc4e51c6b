#include "ui/controls/standard_controls.h"

#include "ui/controls/activex.h"
#include "ui/controls/animation_button.h"
#include "ui/controls/animation_tab_layout.h"
#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/combo.h"
#include "ui/controls/datetime.h"
#include "ui/controls/edit.h"
#include "ui/controls/gif_anim.h"
#include "ui/controls/label.h"
#include "ui/controls/list.h"
#include "ui/controls/option.h"
#include "ui/controls/progress.h"
#include "ui/controls/richedit.h"
#include "ui/core/scrollbar.h"
#include "ui/controls/slider.h"
#include "ui/controls/text.h"
#include "ui/controls/tree_node.h"
#include "ui/controls/tree_view.h"
#include "ui/controls/webbrowser.h"
#include "ui/core/control_registry.h"

namespace SkinUI {

void RegisterStandardControls()
{
    CControlRegistryUI::Register(L"Label", &CreateControl<CLabelUI>);
    CControlRegistryUI::Register(L"Text", &CreateControl<CTextUI>);
    CControlRegistryUI::Register(L"Button", &CreateControl<CButtonUI>);
    CControlRegistryUI::Register(L"Option", &CreateControl<COptionUI>);
    CControlRegistryUI::Register(L"CheckBox", &CreateControl<CCheckBoxUI>);
    CControlRegistryUI::Register(L"Edit", &CreateControl<CEditUI>);
    CControlRegistryUI::Register(L"Progress", &CreateControl<CProgressUI>);
    CControlRegistryUI::Register(L"Slider", &CreateControl<CSliderUI>);
    CControlRegistryUI::Register(L"GifAnim", &CreateControl<CGifAnimUI>, true);
    CControlRegistryUI::Register(L"DateTime", &CreateControl<CDateTimeUI>);
    CControlRegistryUI::Register(L"AnimationTabLayout", &CreateControl<CAnimationTabLayoutUI>);
    CControlRegistryUI::Register(L"AnimationButton", &CreateControl<CAnimationButtonUI>);
    CControlRegistryUI::Register(L"TreeView", &CreateControl<CTreeViewUI>);
    CControlRegistryUI::Register(L"Tree", &CreateControl<CTreeViewUI>);
    CControlRegistryUI::Register(L"TreeNode", &CreateControl<CTreeNodeUI>);
    CControlRegistryUI::Register(L"RichEdit", &CreateControl<CRichEditUI>);
    CControlRegistryUI::Register(L"ActiveX", &CreateControl<CActiveXUI>);
    CControlRegistryUI::Register(L"WebBrowser", &CreateControl<CWebBrowserUI>);
    RegisterScrollBarControl();
    RegisterListControls();
    RegisterComboControls();
}

}  // namespace SkinUI
