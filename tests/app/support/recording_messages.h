#pragma once
// A message box presenter for tests: records each text it is shown and
// answers OK at once. While the first box is up it may run what a test asks
// (work that arrives while a box is shown).

#include "app/windows/page_services.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class RecordingMessages : public IMessageBoxPresenter {
public:
    bool Show(SkinUI::CWindowWnd*, const wchar_t* text) override {
        shown.emplace_back(text);
        if (const std::function<void()> act = std::exchange(whileShown, {})) act();
        return true;
    }
    std::vector<std::wstring> shown;
    std::function<void()> whileShown;
};
