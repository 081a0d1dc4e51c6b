#include "tests/ui/support/control_walk.h"

#include <windows.h>

#include "ui/controls/button.h"
#include "ui/controls/combo.h"
#include "ui/controls/edit.h"
#include "ui/controls/gif_anim.h"
#include "ui/controls/label.h"
#include "ui/controls/list_interfaces.h"
#include "ui/controls/option.h"
#include "ui/controls/slider.h"
#include "ui/core/container.h"
#include "ui/core/renderer.h"
#include "ui/core/scrollbar.h"
#include "ui/core/window_manager.h"

namespace SkinUI {
namespace test {

namespace {

// DrawText styles that shorten a text instead of showing it whole.
constexpr UINT kShortening = DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS;

std::wstring Quoted(const CUIString& text)
{
    return L"\"" + std::wstring(text.GetData()) + L"\"";
}

std::wstring Number(LONG value)
{
    return std::to_wstring(value);
}

// How a control draws one text: where, in which font and style, as markup
// or plain.
struct TextPlace {
    RECT area;
    int font;
    UINT style;
    bool markup;
};

class Walk {
public:
    explicit Walk(CWindowManagerUI& manager) : m_manager(manager), m_dc(manager.GetWindowDC())
    {
        GetClientRect(manager.GetWindowHandle(), &m_client);
    }

    void Visit(CControlUI* control)
    {
        if (control == nullptr || !control->IsVisible())
            return;
        CheckTokens(control);
        CheckImages(control);
        CheckPlace(control);
        if (auto* combo = static_cast<CComboUI*>(control->GetInterfaceByName(L"Combo"))) {
            CheckCombo(*combo);
            return;  // its items are laid out only in the drop-down window
        }
        CheckText(control);
        auto* container = static_cast<IContainerUI*>(control->GetInterfaceByName(L"IContainer"));
        if (container == nullptr)
            return;
        for (int i = 0; i < container->GetCount(); ++i)
            Visit(container->GetItemAt(i));
    }

    std::vector<std::wstring> faults;

private:
    std::wstring Name(CControlUI* control) const
    {
        const CUIString name = control->GetName();
        return name.IsEmpty() ? std::wstring(L"<") + control->GetClassName() + L">" : std::wstring(name.GetData());
    }

    void Fault(CControlUI* control, const std::wstring& what) { faults.push_back(Name(control) + L": " + what); }

    void CheckTokens(CControlUI* control)
    {
        for (CUIString text : {control->GetText(), control->GetToolTip()}) {
            CWindowManagerUI::ReplaceLanguageTokens(text);
            if (text.FindText(L"%{") >= 0)
                Fault(control, L"token left in " + Quoted(text));
        }
    }

    void CheckImage(CControlUI* control, const CUIString& description)
    {
        if (description.IsEmpty())
            return;
        ImageDrawInfoUI info;
        info.description = description;
        const RECT none = {0, 0, 0, 0};
        if (!CRendererUI::DrawImageDescription(nullptr, &m_manager, none, none, info))
            Fault(control, L"no image " + Quoted(description));
    }

    void CheckImages(CControlUI* control)
    {
        CheckImage(control, control->GetBackgroundImage());
        CheckImage(control, control->GetForeImage());
        if (auto* button = static_cast<CButtonUI*>(control->GetInterfaceByName(L"Button"))) {
            for (const CUIString* image : {&button->GetNormalImage(), &button->GetHotImage(), &button->GetHotForeImage(),
                                           &button->GetPushedImage(), &button->GetFocusedImage(),
                                           &button->GetDisabledImage()})
                CheckImage(control, *image);
        }
        if (auto* option = static_cast<COptionUI*>(control->GetInterfaceByName(L"Option"))) {
            for (const CUIString* image :
                 {&option->GetSelectedImage(), &option->GetSelectedHotImage(), &option->GetOptionForeImage()})
                CheckImage(control, *image);
        }
        if (auto* slider = static_cast<CSliderUI*>(control->GetInterfaceByName(L"Slider"))) {
            for (const CUIString* image :
                 {&slider->GetThumbImage(), &slider->GetThumbHotImage(), &slider->GetThumbPushedImage()})
                CheckImage(control, *image);
        }
        if (auto* edit = static_cast<CEditUI*>(control->GetInterfaceByName(L"Edit"))) {
            for (const CUIString* image : {&edit->GetNormalImage(), &edit->GetHotImage(), &edit->GetFocusedImage(),
                                           &edit->GetDisabledImage()})
                CheckImage(control, *image);
        }
        if (auto* animation = static_cast<CGifAnimUI*>(control->GetInterfaceByName(L"GifAnim")))
            CheckImage(control, animation->GetBkImage());
        if (IListOwnerUI* owner = AsListOwner(control)) {
            const ListItemStyleUI& style = *owner->GetItemStyle();
            for (const ImageDrawInfoUI* image :
                 {&style.bkImage, &style.selectedImage, &style.hotImage, &style.disabledImage})
                CheckImage(control, image->description);
        }
    }

    // Inside the window, and inside the part of the parent that clips it: a
    // container draws its children within its client area. A floating child
    // is placed where its point is (the colour picker's marker sits centred
    // on its colour) and may hang over its parent's edge, not lie beyond it.
    // What a scrolling container holds shows by scrolling and may lie
    // anywhere.
    void CheckPlace(CControlUI* control)
    {
        const RECT& position = control->GetPosition();
        if (IsRectEmpty(&position))
            return;
        for (CControlUI* ancestor = control->GetParent(); ancestor != nullptr; ancestor = ancestor->GetParent())
            if (const CContainerUI* container = AsContainer(ancestor))
                if (Scrolls(*container))
                    return;
        if (!Inside(position, m_client))
            Fault(control, L"leaves the window: " + Rect(position));
        CControlUI* parent = control->GetParent();
        const CContainerUI* container = AsContainer(parent);
        if (container == nullptr)
            return;
        const RECT clip = container->GetClientPosition();
        if (!control->IsFloating() && !Inside(position, clip))
            Fault(control, L"leaves " + Name(parent) + L" " + Rect(clip) + L": " + Rect(position));
        RECT common;
        if (control->IsFloating() && !IntersectRect(&common, &position, &container->GetPosition()))
            Fault(control, L"lies beyond " + Name(parent) + L": " + Rect(position));
    }

    static const CContainerUI* AsContainer(CControlUI* control)
    {
        return control != nullptr ? static_cast<CContainerUI*>(control->GetInterfaceByName(L"Container")) : nullptr;
    }

    static bool Scrolls(const CContainerUI& container)
    {
        for (const CScrollBarUI* bar : {container.GetVerticalScrollBar(), container.GetHorizontalScrollBar()})
            if (bar != nullptr && bar->IsVisible())
                return true;
        return false;
    }

    static bool Inside(const RECT& inner, const RECT& outer)
    {
        return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
               inner.bottom <= outer.bottom;
    }

    static std::wstring Rect(const RECT& r)
    {
        return L"(" + Number(r.left) + L"," + Number(r.top) + L")-(" + Number(r.right) + L"," + Number(r.bottom) + L")";
    }

    void CheckText(CControlUI* control)
    {
        const RECT& position = control->GetPosition();
        if (IsRectEmpty(&position) || control->GetText().IsEmpty())
            return;
        if (auto* label = static_cast<CLabelUI*>(control->GetInterfaceByName(L"Label"))) {
            const RECT padding = label->GetTextPadding();
            const bool edit = control->GetInterfaceByName(L"Edit") != nullptr;
            const UINT style = edit ? label->GetTextStyle() | DT_SINGLELINE : label->GetTextStyle();
            CheckFit(control, control->GetText(), {Less(position, padding), label->GetFont(), style, label->IsShowHtml()});
            return;
        }
        IListItemUI* item = AsListItem(control);
        if (item == nullptr || item->GetOwner() == nullptr)
            return;
        const ListItemStyleUI& style = *item->GetOwner()->GetItemStyle();
        CheckFit(control, control->GetText(), {Less(position, style.textPadding), style.font, style.textStyle, style.showHtml});
    }

    // The closed box shows the selected item within both paddings; the
    // drop-down list shows every item across its width.
    void CheckCombo(CComboUI& combo)
    {
        const ListItemStyleUI& style = *combo.GetItemStyle();
        const RECT& position = combo.GetPosition();
        if (IsRectEmpty(&position))
            return;
        if (combo.IsShowText() && combo.GetCurSel() >= 0)
            CheckFit(&combo, combo.GetText(),
                     {Less(Less(position, combo.GetTextPadding()), style.textPadding), style.font, style.textStyle,
                      style.showHtml});
        // The list's body has a one-pixel inset all round.
        const LONG width = combo.GetDropBoxSize().cx > 0 ? combo.GetDropBoxSize().cx : position.right - position.left;
        const RECT row = {1, 0, width - 1, style.itemHeight > 0 ? style.itemHeight : 9999};
        for (int i = 0; i < combo.GetCount(); ++i) {
            CControlUI* item = combo.GetItemAt(i);
            if (item == nullptr || !item->IsVisible() || item->GetText().IsEmpty())
                continue;
            CheckTokens(item);
            CheckFit(item, item->GetText(), {Less(row, style.textPadding), style.font, style.textStyle, style.showHtml},
                     L" in the drop-down list of " + Name(&combo));
        }
    }

    static RECT Less(const RECT& r, const RECT& padding)
    {
        return {r.left + padding.left, r.top + padding.top, r.right - padding.right, r.bottom - padding.bottom};
    }

    // Measures as the renderer draws: a one-line text across unbounded
    // width, a multi-line one broken at the area's width.
    void CheckFit(CControlUI* control, const CUIString& text, const TextPlace& place, const std::wstring& where = L"")
    {
        const LONG width = place.area.right - place.area.left;
        const LONG height = place.area.bottom - place.area.top;
        const bool singleLine = (place.style & DT_SINGLELINE) != 0;
        const UINT style = (place.style & ~(kShortening | DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT;
        RECT measured = singleLine ? RECT{0, 0, 9999, 100} : RECT{0, 0, width > 0 ? width : 1, 9999};
        if (place.markup) {
            int noLinks = 0;
            CRendererUI::DrawMarkupText(m_dc, &m_manager, measured, text, 0, nullptr, nullptr, noLinks, place.font, style);
        } else {
            CRendererUI::DrawPlainText(m_dc, &m_manager, measured, text, 0, place.font, style);
        }
        CUIString shown = text;
        CWindowManagerUI::ReplaceLanguageTokens(shown);
        const LONG needWidth = measured.right - measured.left;
        const LONG needHeight = measured.bottom - measured.top;
        if (needWidth > width)
            Fault(control, Quoted(shown) + where + L" needs " + Number(needWidth) + L" px across, has " + Number(width));
        else if (!singleLine && needHeight > height)
            Fault(control, Quoted(shown) + where + L" needs " + Number(needHeight) + L" px down, has " + Number(height));
    }

    CWindowManagerUI& m_manager;
    HDC m_dc;
    RECT m_client = {0, 0, 0, 0};
};

}  // namespace

std::vector<std::wstring> UnfinishedControls(CWindowManagerUI& manager)
{
    Walk walk(manager);
    walk.Visit(manager.GetRoot());
    return walk.faults;
}

::testing::AssertionResult LooksFinished(CWindowManagerUI& manager, const std::wstring& window)
{
    const std::vector<std::wstring> faults = UnfinishedControls(manager);
    if (faults.empty())
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << ::testing::PrintToString(window) << " looks unfinished:";
    for (const std::wstring& fault : faults)
        failure << "\n  " << ::testing::PrintToString(fault);
    return failure;
}

}  // namespace test
}  // namespace SkinUI
