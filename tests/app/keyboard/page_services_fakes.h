#pragma once
// Page services for tests: work runs at once, message boxes and file choices
// are recorded and answered from a script.

#include "app/windows/page_services.h"
#include "tests/app/support/immediate_dispatcher.h"
#include "tests/app/support/recording_messages.h"

#include <string>
#include <vector>

class ScriptedFiles : public IFileChooser {
public:
    SkinUI::CUIString ChooseSaveFile() override { return savePath.c_str(); }
    SkinUI::CUIString ChooseOpenFile() override { return openPath.c_str(); }
    std::wstring savePath;
    std::wstring openPath;
};

struct FakePageServices {
    ImmediateDispatcher dispatcher;
    RecordingMessages messages;
    ScriptedFiles files;

    PageServices Services() {
        PageServices services;
        services.ui = &dispatcher;
        services.messages = &messages;
        services.files = &files;
        return services;
    }
};
