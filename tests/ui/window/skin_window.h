#pragma once

#include <string>

#include "tests/ui/support/recording_control.h"
#include "ui/core/window_impl_base.h"

namespace SkinUI {
namespace test {

// A skinned window over a layout given as a skin file name or XML text. Its
// builder callback makes "CaptionLabel" and "CaptionButton" as controls of
// the class names "Label" and "Button".
class SkinWindow : public WindowImplBase {
public:
    explicit SkinWindow(std::wstring skin) : m_skin(std::move(skin)) {}

    // A visible pop-up at 0,0 owned by `owner`, not activated.
    HWND Open(HWND owner = nullptr, DWORD style = WS_POPUP)
    {
        HWND window = Create(owner, L"skin window", style, 0, 0, 0, 100, 100);
        if (window != nullptr)
            ShowWindow(true, false);
        return window;
    }

    CControlUI* CreateControl(const wchar_t* tag) override
    {
        const bool label = wcscmp(tag, L"CaptionLabel") == 0;
        if (!label && wcscmp(tag, L"CaptionButton") != 0)
            return nullptr;
        RecordingControl* control = new RecordingControl;
        control->className = label ? L"Label" : L"Button";
        return control;
    }

    int initCount = 0;
    int destroyedCount = 0;

protected:
    const wchar_t* GetWindowClassName() const override { return L"SkinUITestWindow"; }
    CUIString GetSkinFolder() override { return L""; }
    CUIString GetSkinFile() override { return m_skin.c_str(); }
    void InitWindow() override { ++initCount; }
    void OnDestroyed(HWND window) override
    {
        WindowImplBase::OnDestroyed(window);
        ++destroyedCount;
    }

private:
    std::wstring m_skin;
};

}  // namespace test
}  // namespace SkinUI
