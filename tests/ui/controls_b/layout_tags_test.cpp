#include "tests/ui/controls_b/list_fixture.h"
#include "ui/controls/combo.h"
#include "ui/controls/list_container_element.h"
#include "ui/controls/list_header.h"
#include "ui/controls/list_text_element.h"
#include "ui/core/layout_builder.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

TEST(ListLayoutTags, LayoutsBuildListsAndCombosByTag)
{
    RegisterListControls();
    RegisterComboControls();
    CWindowManagerUI manager;
    CLayoutBuilderUI builder;
    CControlUI* root = builder.Create(
        L"<Window><VerticalLayout>"
        L"<List name=\"list\" header=\"hidden\" itemheight=\"20\" menu=\"true\">"
        L"<ListHeader><ListHeaderItem width=\"50\" sepwidth=\"2\"/><ListHeaderItem width=\"60\"/></ListHeader>"
        L"<ListLabelElement text=\"one\"/><ListTextElement/>"
        L"<ListContainerElement expandable=\"true\"/><ListHBoxElement/>"
        L"</List>"
        L"<ComboBox name=\"combo\" dropboxsize=\"0,90\"><ListLabelElement text=\"a\"/>"
        L"<ListLabelElement text=\"b\" selected=\"false\"/></ComboBox>"
        L"<Combo name=\"second\"/>"
        L"</VerticalLayout></Window>",
        nullptr, nullptr, &manager);
    ASSERT_NE(nullptr, root) << builder.GetLastErrorMessage();
    manager.AttachRoot(root);

    ASSERT_NE(nullptr, manager.FindControlByName(L"list"));
    ASSERT_NE(nullptr, manager.FindControlByName(L"combo"));
    ASSERT_NE(nullptr, manager.FindControlByName(L"second"));
    CListUI* list = static_cast<CListUI*>(manager.FindControlByName(L"list")->GetInterfaceByName(L"List"));
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(2, list->GetHeader()->GetCount());
    EXPECT_FALSE(list->GetHeader()->IsVisible());
    EXPECT_EQ(2, list->GetItemStyle()->columnCount);
    ASSERT_EQ(4, list->GetCount());
    EXPECT_NE(nullptr, list->GetItemAt(1)->GetInterfaceByName(L"ListTextElement"));
    EXPECT_TRUE(static_cast<CListContainerElementUI*>(list->GetItemAt(2))->IsExpandable());
    EXPECT_NE(nullptr, list->GetItemAt(3)->GetInterfaceByName(L"ListHBoxElement"));
    for (int i = 0; i < list->GetCount(); ++i)
        EXPECT_EQ(i, AsListItem(list->GetItemAt(i))->GetIndex());

    CComboUI* combo = static_cast<CComboUI*>(manager.FindControlByName(L"combo")->GetInterfaceByName(L"Combo"));
    ASSERT_NE(nullptr, combo);
    EXPECT_EQ(2, combo->GetCount());
    EXPECT_EQ(1, combo->GetCurSel());
    EXPECT_EQ(L"b", combo->GetText());
    EXPECT_EQ(90, combo->GetDropBoxSize().cy);
    EXPECT_NE(nullptr, manager.FindControlByName(L"second")->GetInterfaceByName(L"Combo"));

    // A right click on a row becomes the list's "menu".
    RecordingReceiver receiver;
    manager.AddNotifyReceiver(&receiver);
    root->SetPosition(RECT{0, 0, 200, 300});
    CControlUI* row = list->GetItemAt(0);
    Dispatch(row, EventTypeUI::ContextMenu, CenterOf(row));
    ASSERT_EQ(1, receiver.Count(L"menu"));
    EXPECT_EQ(list, receiver.records.back().sender);
    manager.RemoveNotifyReceiver(&receiver);
}

}  // namespace
