#pragma once
// A store over a fresh macro folder, with another fresh folder as the
// current folder and the containers emptied.

#include "app/core/config_file_store.h"
#include "app/core/settings_containers.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"

#include <gtest/gtest.h>

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppSettings();
        MacroTempFolder = macroFolder.Path().c_str();
    }
    void TearDown() override { ResetAppSettings(); }

    TempFolder macroFolder;
    TempFolder currentFolder;
    CurrentFolder inCurrent{currentFolder.Path()};
    ConfigFileStore store{nullptr};
};
