#pragma once
// The top-most pop-up shown while device work runs; it closes itself when the
// main window passes on a worker's 1002.

#include "ui/core/window_impl_base.h"

class ReadProgress : public SkinUI::WindowImplBase {
public:
    static constexpr UINT kCloseMessage = 1002;

    // The text is not kept.
    ReadProgress(SkinUI::CWindowWnd* owner, const wchar_t* text);

    void Notify(SkinUI::NotifyRecordUI& record) override;

protected:
    const wchar_t* GetWindowClassName() const override;
    LRESULT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void InitWindow() override;
    void OnDestroyed(HWND formerWindow) override;
    SkinUI::CUIString GetSkinFolder() override;
    SkinUI::CUIString GetSkinFile() override;

private:
    SkinUI::CWindowWnd* owner_;
    SkinUI::CUIString text_;
};

// Opens the progress window over the owner (popup, visible, top-most tool
// window, 544 x 394) and centres it; null when the window cannot be made.
// The window deletes itself once it is gone.
ReadProgress* OpenReadProgress(SkinUI::CWindowWnd* owner);
