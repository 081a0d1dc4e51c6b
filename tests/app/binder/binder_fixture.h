#pragma once
// A binder over the fake libraries, with the fakes and the settings reset.

#include "app/core/binder/device_binder.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "fake_libraries.h"

#include <gtest/gtest.h>

#include <memory>

void ResetSettings();

template <class Record>
Record& AppendRecord(RecordList<Record>& list) {
    list.push_back(std::make_unique<Record>());
    return *list.back();
}

class BinderTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake.Reset();
        ResetSettings();
    }

    FakeExports& fake = FakeExports::Get();
    DeviceLibraryBinder binder{std::make_unique<FakeModuleLoader>()};
};
