#include <gtest/gtest.h>

#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/option.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/container.h"
#include "ui/core/layout_builder.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using SkinUI::test::RecordingReceiver;

namespace {

const wchar_t kLayout[] =
    L"<Window><VerticalLayout>"
    L"<Label name=\"label\"/>"
    L"<Button name=\"button\"/>"
    L"<Option name=\"first\" group=\"g\" selected=\"true\"/>"
    L"<Option name=\"second\" group=\"g\"/>"
    L"<CheckBox name=\"check\"/>"
    L"<Progress name=\"progress\"/>"
    L"<Slider name=\"slider\"/>"
    L"<Text name=\"text\"/>"
    L"<Edit name=\"edit\"/>"
    L"<GifAnim name=\"gif\"/>"
    L"<gifanim name=\"lowercase\"/>"
    L"</VerticalLayout></Window>";

TEST(StandardControls, LayoutsCreateThemByTag)
{
    RegisterStandardControls();
    RegisterStandardControls();
    CWindowManagerUI manager;
    RecordingReceiver receiver;
    manager.AddNotifyReceiver(&receiver);
    CLayoutBuilderUI builder;
    CControlUI* root = builder.Create(kLayout, nullptr, nullptr, &manager);
    ASSERT_NE(nullptr, root) << builder.GetLastErrorMessage();
    manager.AttachRoot(root);

    const wchar_t* const expected[][2] = {
        {L"label", L"Label"},    {L"button", L"Button"},     {L"first", L"Option"},
        {L"check", L"CheckBox"}, {L"progress", L"Progress"}, {L"slider", L"Slider"},
        {L"text", L"Text"},      {L"edit", L"Edit"},         {L"gif", L"GifAnim"},
    };
    for (const auto& pair : expected) {
        CControlUI* control = manager.FindControlByName(pair[0]);
        ASSERT_NE(nullptr, control) << pair[0];
        EXPECT_STREQ(pair[1], control->GetClassName());
        EXPECT_EQ(control, control->GetInterfaceByName(pair[1]));
    }
    // "GifAnim" alone must match with its case.
    EXPECT_EQ(nullptr, manager.FindControlByName(L"lowercase"));

    // Options joined their group when the manager initialised them.
    ASSERT_NE(nullptr, manager.GetOptionGroup(L"g"));
    EXPECT_EQ(2, manager.GetOptionGroup(L"g")->GetSize());
    COptionUI* second = static_cast<COptionUI*>(manager.FindControlByName(L"second"));
    second->SetSelected(true);
    EXPECT_FALSE(static_cast<COptionUI*>(manager.FindControlByName(L"first"))->IsSelected());
    manager.RemoveNotifyReceiver(&receiver);
}

}  // namespace
