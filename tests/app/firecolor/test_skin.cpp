#include "tests/app/firecolor/test_skin.h"

#include "app/core/binder/module_loader.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/control.h"
#include "ui/core/layout_builder.h"

#include <gtest/gtest.h>

using namespace SkinUI;

namespace firecolor_test {

namespace {

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
    CWindowManagerUI::SetResourceFolder((ProgramFolder() + L"res\\Skin\\").c_str());
    LoadTexts(L"Languages\\English.xml");
}

void AddFrameFonts(CWindowManagerUI& manager) {
    CLayoutBuilderUI builder;
    const CControlUI* none = builder.Create(
        L"<Window>"
        L"<Font id=\"0\" name=\"Microsoft YaHei\" size=\"12\" default=\"true\"/>"
        L"<Font id=\"1\" name=\"Microsoft YaHei\" size=\"12\" bold=\"true\"/>"
        L"<Font id=\"2\" name=\"Microsoft YaHei\" size=\"16\" bold=\"true\"/>"
        L"<Font id=\"3\" name=\"Microsoft YaHei\" size=\"13\"/>"
        L"<Font id=\"4\" name=\"Microsoft YaHei\" size=\"13\" bold=\"true\"/>"
        L"<Font id=\"5\" name=\"Microsoft YaHei\" size=\"14\" bold=\"true\"/>"
        L"<Font id=\"6\" name=\"Microsoft YaHei\" size=\"11\"/>"
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
