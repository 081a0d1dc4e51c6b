#pragma once
// What a device page, and the dialogs it opens, reach outside the framework:
// the owner of its dialogs, the hand-over to the user-interface thread, message
// boxes, file choosers and the web browser. Tests put fakes behind them.

#include "app/windows/ui_dispatcher.h"
#include "ui/core/ui_string.h"
#include "ui/core/window_wnd.h"

class IMessageBoxPresenter {
public:
    virtual ~IMessageBoxPresenter() = default;
    // Shows the modal message box over the owner; true when OK was chosen.
    // Language tokens in the text are replaced when it is drawn.
    virtual bool Show(SkinUI::CWindowWnd* owner, const wchar_t* text) = 0;
};

class IFileChooser {
public:
    virtual ~IFileChooser() = default;
    // The chosen path of a configuration image ("bin"); empty when cancelled.
    virtual SkinUI::CUIString ChooseSaveFile() = 0;
    virtual SkinUI::CUIString ChooseOpenFile() = 0;
};

class IWebLauncher {
public:
    virtual ~IWebLauncher() = default;
    virtual void Open(const wchar_t* url) = 0;
};

struct PageServices {
    SkinUI::CWindowWnd* owner = nullptr;  // the main window
    IUiDispatcher* ui = nullptr;
    IMessageBoxPresenter* messages = nullptr;
    IFileChooser* files = nullptr;
    IWebLauncher* web = nullptr;
};
