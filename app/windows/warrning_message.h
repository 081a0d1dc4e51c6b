#pragma once
// The program's modal message box: a text (language tokens allowed) with OK
// and a cancel or close button.

#include "ui/core/window_impl_base.h"

class WarrningMessage : public SkinUI::WindowImplBase {
public:
    WarrningMessage(SkinUI::CWindowWnd* owner, const wchar_t* text);

    // Runs the box modally over the owner and deletes it; true when OK closed
    // it. The object must come from new and is gone afterwards.
    bool RunDialog(const wchar_t* unused = nullptr);

    void Notify(SkinUI::NotifyRecordUI& record) override;

    static constexpr UINT kResultOk = 1;
    static constexpr UINT kResultCancel = 2;

protected:
    const wchar_t* GetWindowClassName() const override;
    void InitWindow() override;
    // Escape closes the box as its cancel button does.
    bool HandleDefaultKey(UINT key) override;
    SkinUI::CUIString GetSkinFolder() override;
    SkinUI::CUIString GetSkinFile() override;

private:
    SkinUI::CWindowWnd* owner_;
    SkinUI::CUIString text_;
};
