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
#include "ui/controls/scrollbar.h"
#include "ui/controls/slider.h"
#include "ui/controls/text.h"
#include "ui/controls/tree_node.h"
#include "ui/controls/tree_view.h"
#include "ui/controls/webbrowser.h"
#include "ui/core/control_registry.h"

namespace SkinUI {

namespace {

template <typename Control>
CControlUI* Create()
{
    return new Control;
}

}  // namespace

void RegisterStandardControls()
{
    CControlRegistryUI::Register(L"Label", &Create<CLabelUI>);
    CControlRegistryUI::Register(L"Text", &Create<CTextUI>);
    CControlRegistryUI::Register(L"Button", &Create<CButtonUI>);
    CControlRegistryUI::Register(L"Option", &Create<COptionUI>);
    CControlRegistryUI::Register(L"CheckBox", &Create<CCheckBoxUI>);
    CControlRegistryUI::Register(L"Edit", &Create<CEditUI>);
    CControlRegistryUI::Register(L"Progress", &Create<CProgressUI>);
    CControlRegistryUI::Register(L"Slider", &Create<CSliderUI>);
    CControlRegistryUI::Register(L"GifAnim", &Create<CGifAnimUI>, true);
    CControlRegistryUI::Register(L"DateTime", &Create<CDateTimeUI>);
    CControlRegistryUI::Register(L"AnimationTabLayout", &Create<CAnimationTabLayoutUI>);
    CControlRegistryUI::Register(L"AnimationButton", &Create<CAnimationButtonUI>);
    CControlRegistryUI::Register(L"TreeView", &Create<CTreeViewUI>);
    CControlRegistryUI::Register(L"Tree", &Create<CTreeViewUI>);
    CControlRegistryUI::Register(L"TreeNode", &Create<CTreeNodeUI>);
    CControlRegistryUI::Register(L"RichEdit", &Create<CRichEditUI>);
    CControlRegistryUI::Register(L"ActiveX", &Create<CActiveXUI>);
    CControlRegistryUI::Register(L"WebBrowser", &Create<CWebBrowserUI>);
    RegisterScrollBarControl();
    RegisterListControls();
    RegisterComboControls();
}

}  // namespace SkinUI
