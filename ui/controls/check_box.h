#pragma once

#include "ui/controls/option.h"

namespace SkinUI {

// An option spoken to as checked or not.
class CCheckBoxUI : public COptionUI {
public:
    CCheckBoxUI() = default;

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;

    // With notify, a change sends "selectchanged".
    void SetChecked(bool checked, bool notify = true) { Selected(checked, notify); }
    bool IsChecked() const { return IsSelected(); }

protected:
    ~CCheckBoxUI() override = default;
};

}  // namespace SkinUI
