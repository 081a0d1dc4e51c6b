#pragma once

#include "ui/core/container.h"

namespace SkinUI {

// Shows exactly one of its children, the selected page; the others stay hidden.
class CTabLayoutUI : public CContainerUI {
public:
    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;

    bool AddItem(CControlUI* control) override;
    bool InsertItemAt(CControlUI* control, int index) override;
    bool RemoveItem(CControlUI* control, bool keepAlive = false) override;
    void RemoveAllItems() override;

    // -1 when no page is selected.
    int GetSelectedIndex() const { return m_selected; }
    // False for an index out of range; with notify sends "tabselect"
    // (new index, old index) when the selection changes.
    bool SelectPage(int index, bool notify = true);

private:
    int m_selected = -1;
};

}  // namespace SkinUI
