#include "app/windows/page_services_impl.h"

#include "app/core/files/file_dialogs.h"
#include "app/windows/warrning_message.h"

#include <shellapi.h>

bool WarrningMessagePresenter::Show(SkinUI::CWindowWnd* owner, const wchar_t* text)
{
    return (new WarrningMessage(owner, text))->RunDialog();
}

SkinUI::CUIString ConfigFileChooser::ChooseSaveFile()
{
    return ::ChooseSaveFile();
}

SkinUI::CUIString ConfigFileChooser::ChooseOpenFile()
{
    return ::ChooseOpenFile();
}

void ShellWebLauncher::Open(const wchar_t* url)
{
    if (url != nullptr && *url != L'\0')
        ShellExecuteW(nullptr, L"open", url, nullptr, nullptr, SW_SHOWNORMAL);
}
