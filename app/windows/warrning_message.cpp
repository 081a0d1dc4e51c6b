#include "app/windows/warrning_message.h"

#include "app/windows/centred_placement.h"
#include "app/windows/owner_faces.h"
#include "ui/core/control.h"

using SkinUI::CUIString;

WarrningMessage::WarrningMessage(SkinUI::CWindowWnd* owner, const wchar_t* text)
    : owner_(owner), text_(text != nullptr ? text : L"")
{
}

bool WarrningMessage::RunDialog(const wchar_t*)
{
    const HWND ownerWindow = owner_ != nullptr ? owner_->GetWindowHandle() : nullptr;
    UINT result = 0;
    if (Create(ownerWindow, L"MessageBox", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0) != nullptr)
        result = RunModal();
    delete this;
    return result == kResultOk;
}

void WarrningMessage::Notify(SkinUI::NotifyRecordUI& record)
{
    if (record.type != L"click" || record.sender == nullptr)
        return;
    const CUIString name = record.sender->GetName();
    if (name == L"btn_ok")
        Close(kResultOk);
    else if (name == L"btn_cancel" || name == L"btn_colse")
        Close(kResultCancel);
}

const wchar_t* WarrningMessage::GetWindowClassName() const
{
    return L"MessageBox";
}

void WarrningMessage::InitWindow()
{
    if (auto* owner = dynamic_cast<SkinUI::WindowImplBase*>(owner_))
        TakeOwnerFaces(m_manager, owner->GetManager());
    PlaceCentredOverOwner(m_hwnd, owner_ != nullptr ? owner_->GetWindowHandle() : nullptr,
                          m_manager.GetInitialSize());
    if (SkinUI::CControlUI* label = m_manager.FindControlByName(L"label_display"))
        label->SetText(text_);
}

bool WarrningMessage::HandleDefaultKey(UINT key)
{
    if (key != VK_ESCAPE)
        return false;
    Close(kResultCancel);
    return true;
}

CUIString WarrningMessage::GetSkinFolder()
{
    return SkinUI::CWindowManagerUI::GetInstanceFolder() + L"res\\Skin\\";
}

CUIString WarrningMessage::GetSkinFile()
{
    return L"XML\\MessageBox.xml";
}
