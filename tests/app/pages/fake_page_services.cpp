#include "tests/app/pages/fake_page_services.h"

SkinUI::CUIString ScriptedFiles::ChooseSaveFile() { return ChooseOpenFile(); }

SkinUI::CUIString ScriptedFiles::ChooseOpenFile() {
    ++asked;
    const SkinUI::CUIString path(nextPath.c_str());
    nextPath.clear();
    return path;
}

FakePageServices::FakePageServices() {
    services.ui = &ui;
    services.messages = &messages;
    services.files = &files;
    services.web = &web;
}
