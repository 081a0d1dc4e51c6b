#pragma once
// A binder over the in-process fake libraries; fakes and containers reset.

#include "app/core/binder/device_binder.h"
#include "tests/app/binder/fake_libraries.h"
#include "tests/app/support/settings_reset.h"
#include "ui/core/window_manager.h"

#include <gtest/gtest.h>

#include <memory>

class FakeBinderTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake.Reset();
        ResetAppSettings();
    }
    void TearDown() override {
        ResetAppSettings();
        SkinUI::CWindowManagerUI::RemoveAllLanguageTexts();
    }

    FakeExports& fake = FakeExports::Get();
    DeviceLibraryBinder binder{std::make_unique<FakeModuleLoader>()};
};

inline MacroRef MakeMacro(const wchar_t* name, int number = 0) {
    auto macro = std::make_shared<MacroRecord>();
    macro->name = name;
    macro->number = number;
    return macro;
}
