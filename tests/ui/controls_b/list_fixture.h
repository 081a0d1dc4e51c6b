#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/list.h"
#include "ui/controls/list_label_element.h"
#include "ui/core/window_manager.h"

namespace SkinUI {
namespace test {

inline EventRecordUI MakeEvent(EventTypeUI type, POINT point = {0, 0}, wchar_t key = 0,
                               WPARAM wParam = 0)
{
    EventRecordUI event;
    event.type = type;
    event.mousePoint = point;
    event.keyChar = key;
    event.wParam = wParam;
    return event;
}

inline void Dispatch(CControlUI* control, EventTypeUI type, POINT point = {0, 0}, wchar_t key = 0,
                     WPARAM wParam = 0)
{
    EventRecordUI event = MakeEvent(type, point, key, wParam);
    event.sender = control;
    control->DispatchEvent(event);
}

inline POINT CenterOf(const CControlUI* control)
{
    const RECT& r = control->GetPosition();
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A list of label rows 20 high (header hidden) at the root of a manager
// without a window; notifications are recorded.
class ListFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        list = new CListUI;
        list->SetAttribute(L"header", L"hidden");
        list->SetAttribute(L"itemheight", L"20");
        manager.AttachRoot(list);
        manager.AddNotifyReceiver(&receiver);
    }

    CListLabelElementUI* AddRow(const wchar_t* text)
    {
        CListLabelElementUI* row = new CListLabelElementUI;
        row->SetText(text);
        list->AddItem(row);
        return row;
    }

    void AddRows(int count)
    {
        for (int i = 0; i < count; ++i)
            AddRow(std::to_wstring(i).c_str());
    }

    void Layout(int height = 300) { list->SetPosition(RECT{0, 0, 200, height}); }

    IListItemUI* Row(int index) { return AsListItem(list->GetItemAt(index)); }

    // The "itemselect" records as (new, old) pairs.
    std::vector<std::pair<int, int>> Selections() const
    {
        std::vector<std::pair<int, int>> result;
        for (const NotifyRecordUI& record : receiver.records) {
            if (record.type == L"itemselect")
                result.emplace_back(static_cast<int>(record.wParam), static_cast<int>(record.lParam));
        }
        return result;
    }

    RecordingReceiver receiver;
    CWindowManagerUI manager;
    CListUI* list = nullptr;
};

}  // namespace test
}  // namespace SkinUI
