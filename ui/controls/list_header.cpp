#include "ui/controls/list_header.h"

#include "ui/controls/list_interfaces.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

const wchar_t* CListHeaderUI::GetClassName() const
{
    return L"ListHeader";
}

void* CListHeaderUI::GetInterfaceByName(const wchar_t* name)
{
    if (NameIs(name, L"ListHeader"))
        return this;
    return CHorizontalLayoutUI::GetInterfaceByName(name);
}

SIZE CListHeaderUI::GetDesiredSize(SIZE available)
{
    SIZE size = {0, m_fixedSize.cy};
    int tallest = 0;
    for (int i = 0; i < GetCount(); ++i) {
        const SIZE item = GetItemAt(i)->GetDesiredSize(available);
        size.cx += item.cx;
        if (item.cy > tallest)
            tallest = item.cy;
    }
    if (size.cy == 0 && m_manager != nullptr) {
        const int fontLine = m_manager->GetDefaultFontRecord()->metrics.tmHeight + 8;
        size.cy = tallest > fontLine ? tallest : fontLine;
    }
    return size;
}

}  // namespace SkinUI
