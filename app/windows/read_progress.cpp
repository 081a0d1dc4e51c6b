#include "app/windows/read_progress.h"

#include "app/windows/centred_placement.h"
#include "app/windows/owner_faces.h"

using SkinUI::CUIString;

ReadProgress::ReadProgress(SkinUI::CWindowWnd* owner, const wchar_t*) : owner_(owner) {}

void ReadProgress::Notify(SkinUI::NotifyRecordUI&) {}

const wchar_t* ReadProgress::GetWindowClassName() const
{
    return L"ReadProgress";
}

LRESULT ReadProgress::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kCloseMessage) {
        closing_ = true;
        Close(2);
    }
    if (message == WM_CLOSE && !closing_)
        return 0;
    return WindowImplBase::ProcessMessage(message, wParam, lParam);
}

void ReadProgress::InitWindow()
{
    if (auto* owner = dynamic_cast<SkinUI::WindowImplBase*>(owner_))
        TakeOwnerFaces(m_manager, owner->GetManager());
    PlaceCentredOverOwner(m_hwnd, owner_ != nullptr ? owner_->GetWindowHandle() : nullptr,
                          m_manager.GetInitialSize());
}

void ReadProgress::OnDestroyed(HWND formerWindow)
{
    WindowImplBase::OnDestroyed(formerWindow);
    delete this;
}

CUIString ReadProgress::GetSkinFolder()
{
    return SkinUI::CWindowManagerUI::GetInstanceFolder() + L"res\\Skin\\";
}

CUIString ReadProgress::GetSkinFile()
{
    return L"XML\\ProgressBox.xml";
}

ReadProgress* OpenReadProgress(SkinUI::CWindowWnd* owner)
{
    auto* progress = new ReadProgress(owner, L"");
    const HWND ownerWindow = owner != nullptr ? owner->GetWindowHandle() : nullptr;
    if (progress->Create(ownerWindow, L"", WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0, 0,
                         544, 394) == nullptr) {
        delete progress;
        return nullptr;
    }
    progress->CenterWindow();
    return progress;
}
