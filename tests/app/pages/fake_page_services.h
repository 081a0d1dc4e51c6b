#pragma once
// Page services for tests: work runs at once on the calling thread; message
// boxes, file choosers and the web launcher record what they were asked.

#include "app/windows/page_services.h"
#include "tests/app/support/immediate_dispatcher.h"
#include "tests/app/support/recording_messages.h"

#include <string>
#include <vector>

class ScriptedFiles : public IFileChooser {
public:
    SkinUI::CUIString ChooseSaveFile() override;
    SkinUI::CUIString ChooseOpenFile() override;
    std::wstring nextPath;  // the path the next chooser returns, then empty
    int asked = 0;
};

class RecordingWeb : public IWebLauncher {
public:
    void Open(const wchar_t* url) override { opened.emplace_back(url); }
    std::vector<std::wstring> opened;
};

struct FakePageServices {
    FakePageServices();
    ImmediateDispatcher ui;
    RecordingMessages messages;
    ScriptedFiles files;
    RecordingWeb web;
    PageServices services;
};
