// The fire-key and colour picker layouts build and hold every control the
// code looks up.
#include "app/dialogs/fire/fire_family.h"
#include "tests/app/firecolor/test_skin.h"
#include "tests/ui/support/skin_lint.h"
#include "ui/core/control.h"
#include "ui/core/layout_builder.h"

#include <gtest/gtest.h>

using namespace SkinUI;

namespace {

class Layouts : public ::testing::Test {
protected:
    void SetUp() override { firecolor_test::UseTestSkin(); }
    void TearDown() override { CWindowManagerUI::SetResourceFolder(L""); }

    // Builds the layout into the manager; false when it does not build.
    bool Build(const wchar_t* layout) {
        CLayoutBuilderUI builder;
        root = builder.Create(layout, nullptr, nullptr, &manager);
        return root != nullptr && manager.AttachRoot(root);
    }

    void ExpectControl(const CUIString& name) { EXPECT_NE(manager.FindControlByName(name), nullptr) << name.GetData(); }

    CWindowManagerUI manager;
    CControlUI* root = nullptr;
};

}  // namespace

TEST_F(Layouts, ColourPickerLayoutHoldsItsControls) {
    EXPECT_TRUE(test::LintLayout(L"XML\\ColorPicker.xml"));
    ASSERT_TRUE(Build(L"XML\\ColorPicker.xml"));
    for (const wchar_t* name : {L"color_rainbow_control", L"color_location_control", L"color_lightness_control",
                                L"color_lightness_slider", L"current_color_control", L"r_edit", L"g_edit", L"b_edit",
                                L"okbtn", L"cancelbtn", L"closebtn"}) {
        ExpectControl(name);
    }
}

TEST_F(Layouts, EveryFirePageLayoutHoldsItsControls) {
    for (const FireFamily* family : {&FireFamilyKelvo, &FireFamilyDolv, &FireFamilyMesk, &FireFamilyQiro}) {
        SCOPED_TRACE(family->layout);
        EXPECT_TRUE(test::LintLayout(family->layout));
        CWindowManagerUI fresh;
        CLayoutBuilderUI builder;
        CControlUI* built = builder.Create(family->layout, nullptr, nullptr, &fresh);
        ASSERT_NE(built, nullptr);
        ASSERT_TRUE(fresh.AttachRoot(built));
        auto expect = [&](const CUIString& name) { EXPECT_NE(fresh.FindControlByName(name), nullptr) << name.GetData(); };
        for (int preset = 0; preset < kFirePresets; ++preset) expect(family->PresetButtonName(preset));
        const int stages = family->oneStage ? 1 : kMaxFireStages;
        for (int stage = 0; stage < stages; ++stage) {
            for (StageControl control : family->StageControls()) expect(family->ControlName(control, stage));
        }
        if (family->keepLeftFlag != nullptr) expect(family->KeepLeftName());
    }
}
