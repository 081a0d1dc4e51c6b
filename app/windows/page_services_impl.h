#pragma once
// The program's own message boxes, file choosers and web launcher behind the
// page seams.

#include "app/windows/page_services.h"

class WarrningMessagePresenter : public IMessageBoxPresenter {
public:
    bool Show(SkinUI::CWindowWnd* owner, const wchar_t* text) override;
};

// The "bin" save and open dialogs.
class ConfigFileChooser : public IFileChooser {
public:
    SkinUI::CUIString ChooseSaveFile() override;
    SkinUI::CUIString ChooseOpenFile() override;
};

// The user's browser, through the shell.
class ShellWebLauncher : public IWebLauncher {
public:
    void Open(const wchar_t* url) override;
};
