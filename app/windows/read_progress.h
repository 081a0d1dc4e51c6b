#pragma once
// The top-most pop-up shown while device work runs; it closes itself when the
// main window passes on a worker's 1002, and only then: a system close
// (Alt+F4) is refused, since the work it stands for goes on.

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
    bool closing_ = false;
};

// Opens the progress window over the owner (popup, visible, top-most tool
// window, 544 x 394) and centres it; null when the window cannot be made.
// The window deletes itself once it is gone: keep its handle, not the object.
ReadProgress* OpenReadProgress(SkinUI::CWindowWnd* owner);
