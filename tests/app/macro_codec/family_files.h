#pragma once
// The macro files of every family in a macro folder of the test's own.
#include "app/core/files/config_file_store.h"
#include "app/macro/files/macro_files.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

class FamilyFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppSettings();
        MacroTempFolder = folder.Path().c_str();
    }
    void TearDown() override { ResetAppSettings(); }
    std::wstring FileOf(MacroFileFamily family) const { return folder.File(MacroFileNameOf(family)); }

    TempFolder folder;
    ConfigFileStore store{nullptr};
};
