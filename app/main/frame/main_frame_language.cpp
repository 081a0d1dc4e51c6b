#include "app/main/frame/main_frame.h"

#include "app/core/settings/constants.h"
#include "app/core/settings/settings_containers.h"
#include "app/main/frame/languages.h"
#include "ui/controls/combo.h"
#include "ui/controls/label.h"
#include "ui/core/container.h"
#include "ui/core/tab_layout.h"

#include <cwchar>

using SkinUI::CControlUI;
using SkinUI::CUIString;

namespace {

CUIString LanguageItemName(int item)
{
    CUIString name;
    name.Format(L"language_%d", item);
    return name;
}

}  // namespace

int MainFrame::LanguageItemCount()
{
    CControlUI* menu = m_manager.FindControlByName(L"language_option");
    auto* items = menu != nullptr ? static_cast<SkinUI::IContainerUI*>(menu->GetInterfaceByName(L"IContainer"))
                                  : nullptr;
    return items != nullptr ? items->GetCount() : 0;
}

void MainFrame::InitWindow()
{
    const int count = LanguageItemCount();
    if (count > 0) {
        if (CControlUI* first = m_manager.FindControlByName(LanguageItemName(1))) {
            LoadLanguage(first->GetUserData());
            CUIString title = L"%{088}";
            SkinUI::CWindowManagerUI::ReplaceLanguageTokens(title);
            SetWindowTextW(m_hwnd, title);
        }
    }
    LanguageFontMap.clear();
    for (int item = 1; item <= count; ++item) {
        auto* label = dynamic_cast<SkinUI::CLabelUI*>(m_manager.FindControlByName(LanguageItemName(item)));
        if (label != nullptr)
            LanguageFontMap[item] = label->GetFont();
    }
    CenterWindow();
    ShowWindow(true, true);
    OpenProgress();
}

void MainFrame::LoadLanguage(const wchar_t* fileName)
{
    ReadLanguageFile(fileName);
    if (CControlUI* root = m_manager.GetRoot())
        root->RequestLayout();
}

void MainFrame::SwitchLanguageFromMenu(int item)
{
    CControlUI* control = m_manager.FindControlByName(LanguageItemName(item));
    if (control == nullptr)
        return;
    LoadLanguage(control->GetUserData());
    if (auto* label = dynamic_cast<SkinUI::CLabelUI*>(control)) {
        if (const SkinUI::FontRecordUI* font = m_manager.GetFontRecord(label->GetFont())) {
            ReFaceFonts(m_manager, *font, LanguageFontMap);
            if (CControlUI* root = m_manager.GetRoot())
                root->RequestLayout();
        }
    }
    SendWindowNotification(ChangeLanguageNotification);
}

void MainFrame::OnItemSelect(const CUIString& name)
{
    if (_wcsicmp(name, L"language_combo") == 0) {
        auto* combo = dynamic_cast<SkinUI::CComboUI*>(m_manager.FindControlByName(L"language_combo"));
        CControlUI* item = combo != nullptr ? combo->GetItemAt(combo->GetCurSel()) : nullptr;
        if (item != nullptr)
            LoadLanguage(item->GetUserData());
        return;
    }
    if (_wcsicmp(name, L"device_combo") == 0) {
        auto* combo = dynamic_cast<SkinUI::CComboUI*>(m_manager.FindControlByName(L"device_combo"));
        auto* tabs = dynamic_cast<SkinUI::CTabLayoutUI*>(m_manager.FindControlByName(L"tab_switch"));
        if (combo != nullptr && tabs != nullptr)
            tabs->SelectPage(combo->GetCurSel(), true);
    }
}
