#pragma once

#include <windows.h>

#include <cwchar>

#include "ui/core/control.h"
#include "ui/core/renderer.h"

namespace SkinUI {

class CListHeaderUI;
class CListBodyUI;

constexpr int kMaxListColumns = 64;

// Behaviour flag of list rows.
constexpr UINT kBehaviorListItem = 0x4;

// Row looks shared by every row of a list or combo box: font, text style,
// colours and images per state, and the separator lines.
struct ListItemStyleUI {
    int columnCount = 0;
    RECT columns[kMaxListColumns] = {};  // client coordinates, follow horizontal scrolling
    int itemHeight = 0;
    int font = -1;
    UINT textStyle = DT_VCENTER | DT_SINGLELINE;
    RECT textPadding = {0, 0, 0, 0};
    DWORD textColor = 0xFF000000;
    DWORD bkColor = 0;
    ImageDrawInfoUI bkImage;
    bool alternateBk = false;
    DWORD selectedTextColor = 0xFF000000;
    DWORD selectedBkColor = 0xFFC1E3FF;
    ImageDrawInfoUI selectedImage;
    DWORD hotTextColor = 0xFF000000;
    DWORD hotBkColor = 0xFFE9F5FF;
    ImageDrawInfoUI hotImage;
    DWORD disabledTextColor = 0xFFCCCCCC;
    DWORD disabledBkColor = 0xFFFFFFFF;
    ImageDrawInfoUI disabledImage;
    int hLineSize = 0;
    DWORD hLineColor = 0xFF3C3C3C;
    int vLineSize = 0;
    DWORD vLineColor = 0xFF3C3C3C;
    bool showHtml = false;
    bool multiExpanding = false;
};

// What rows need of the control that holds them (a list or a combo box).
class IListOwnerUI {
public:
    virtual ListItemStyleUI* GetItemStyle() = 0;
    virtual int GetCurSel() const = 0;
    virtual bool SelectItem(int index, bool takeFocus = false, bool sendNotification = true) = 0;
    // Events a row does not consume; keys and the wheel over a row act on the owner.
    virtual void ForwardEvent(EventRecordUI& event) = 0;
    virtual bool ExpandItem(int index, bool expand = true) = 0;
    virtual int GetExpandedItem() const = 0;

protected:
    ~IListOwnerUI() = default;
};

class CControlUI;

// Supplies the text of a cell of a text row.
class IListTextProviderUI {
public:
    virtual CUIString GetItemText(CControlUI* row, int index, int column) = 0;

protected:
    ~IListTextProviderUI() = default;
};

// The list's own part of the owner protocol: header, body and text provider.
class IListUI : public IListOwnerUI {
public:
    virtual CListHeaderUI* GetHeader() const = 0;
    virtual CListBodyUI* GetBody() const = 0;
    virtual IListTextProviderUI* GetTextProvider() const = 0;
    virtual void SetTextProvider(IListTextProviderUI* provider) = 0;

protected:
    ~IListUI() = default;
};

// A row of a list or combo box.
class IListItemUI {
public:
    virtual int GetIndex() const = 0;
    virtual void SetIndex(int index) = 0;
    virtual int GetDrawIndex() const = 0;
    virtual void SetDrawIndex(int index) = 0;
    virtual IListOwnerUI* GetOwner() = 0;
    // The owner control; it must answer "IListOwner".
    virtual void SetOwner(CControlUI* owner) = 0;
    virtual bool IsSelected() const = 0;
    virtual bool Select(bool select = true, bool takeFocus = false) = 0;
    virtual bool IsExpanded() const = 0;
    virtual bool Expand(bool expand = true) = 0;
    virtual void DrawItemText(HDC dc, const RECT& rect) = 0;

protected:
    ~IListItemUI() = default;
};

// Interface and attribute names compare exactly; a null name matches nothing.
inline bool NameIs(const wchar_t* name, const wchar_t* expected)
{
    return name != nullptr && wcscmp(name, expected) == 0;
}

// Interface lookups by name; null when the control does not answer.
inline IListItemUI* AsListItem(CControlUI* control)
{
    return control != nullptr ? static_cast<IListItemUI*>(control->GetInterfaceByName(L"IListItem"))
                              : nullptr;
}

inline IListOwnerUI* AsListOwner(CControlUI* control)
{
    return control != nullptr
               ? static_cast<IListOwnerUI*>(control->GetInterfaceByName(L"IListOwner"))
               : nullptr;
}

inline IListUI* AsList(CControlUI* control)
{
    return control != nullptr ? static_cast<IListUI*>(control->GetInterfaceByName(L"IList"))
                              : nullptr;
}

}  // namespace SkinUI
