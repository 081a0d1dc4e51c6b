#include "tests/app/firecolor/test_skin.h"

#include "app/core/binder/module_loader.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/control.h"
#include "ui/core/layout_builder.h"

#include <gtest/gtest.h>

using namespace SkinUI;

namespace firecolor_test {

namespace {

std::wstring SourceSkinFolder() {
    std::wstring folder = L"Z:";
    for (const char* p = VASTEMOR_SOURCE_DIR "/skin/"; *p != '\0'; ++p) folder += *p == '/' ? L'\\' : wchar_t(*p);
    return folder;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void LoadTexts(const wchar_t* file) {
    CWindowManagerUI manager;
    CLayoutBuilderUI builder;
    if (CControlUI* made = builder.Create(file, nullptr, nullptr, &manager)) made->Delete();
}

void (*pendingStep)() = nullptr;

void CALLBACK OnStepTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    void (*step)() = pendingStep;
    pendingStep = nullptr;
    if (step != nullptr) step();
}

}  // namespace

void UseTestSkin() {
    RegisterStandardControls();
    const std::wstring rendered = ProgramFolder() + L"res\\Skin\\";
    const bool built = Exists(rendered + L"XML\\ColorPicker.xml");
    CWindowManagerUI::SetResourceFolder((built ? rendered : SourceSkinFolder()).c_str());
    if (built && Exists(rendered + L"Languages\\English.xml")) {
        LoadTexts(L"Languages\\English.xml");
    } else {
        LoadTexts(L"languages\\English\\fire.xml");
        LoadTexts(L"languages\\English\\color.xml");
    }
}

void AddFrameFonts(CWindowManagerUI& manager) {
    CLayoutBuilderUI builder;
    const CControlUI* none = builder.Create(
        L"<Window>"
        L"<Font id=\"0\" name=\"Segoe UI\" size=\"12\" default=\"true\"/>"
        L"<Font id=\"1\" name=\"Segoe UI\" size=\"12\" bold=\"true\"/>"
        L"<Font id=\"2\" name=\"Segoe UI\" size=\"16\" bold=\"true\"/>"
        L"<Font id=\"3\" name=\"Segoe UI\" size=\"13\"/>"
        L"<Font id=\"4\" name=\"Segoe UI\" size=\"13\" bold=\"true\"/>"
        L"<Font id=\"5\" name=\"Segoe UI\" size=\"14\" bold=\"true\"/>"
        L"<Font id=\"6\" name=\"Segoe UI\" size=\"11\"/>"
        L"</Window>",
        nullptr, nullptr, &manager);
    EXPECT_EQ(none, nullptr);
}

OwnerWindow::OwnerWindow(int x, int y, int width, int height) {
    Create(nullptr, L"owner", WS_POPUP | WS_VISIBLE, 0, x, y, width, height);
}

void RunDuringModalLoop(void (*step)()) {
    pendingStep = step;
    SetTimer(nullptr, 0, 100, OnStepTimer);
}

}  // namespace firecolor_test
