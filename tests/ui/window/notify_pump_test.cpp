#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/support/recording_control.h"
#include "ui/core/notify_pump.h"

using namespace SkinUI;
using SkinUI::test::RecordingControl;

namespace {

class BasePump : public CNotifyPump {
public:
    std::vector<std::wstring> calls;

    static const NotifyMapUI* ClassNotifyMap()
    {
        static const NotifyMapEntryUI entries[] = {
            NotifyOnRecord(L"select", L"", &BasePump::OnBaseSelect), NotifyMapEnd()};
        static const NotifyMapUI map = {CNotifyPump::ClassNotifyMap(), entries};
        return &map;
    }

protected:
    const NotifyMapUI* GetNotifyMap() const override { return ClassNotifyMap(); }

private:
    void OnBaseSelect(NotifyRecordUI&) { calls.push_back(L"base select"); }
};

class DialogPump : public BasePump {
protected:
    const NotifyMapUI* GetNotifyMap() const override
    {
        static const NotifyMapEntryUI entries[] = {
            NotifyOnRecord(L"click", L"", &DialogPump::OnAnyClick),
            NotifyOnRecord(L"click", L"okbtn", &DialogPump::OnOk),
            NotifyOnParams(L"timer", L"", &DialogPump::OnTimer),
            NotifyMapEnd()};
        static const NotifyMapUI map = {BasePump::ClassNotifyMap(), entries};
        return &map;
    }

private:
    void OnAnyClick(NotifyRecordUI& record)
    {
        calls.push_back(L"any " + std::wstring(record.sender ? record.sender->GetName().GetData() : L"-"));
    }
    void OnOk(NotifyRecordUI&) { calls.push_back(L"ok"); }
    void OnTimer(WPARAM wParam, LPARAM lParam)
    {
        calls.push_back(L"timer " + std::to_wstring(wParam) + L"," + std::to_wstring(lParam));
    }
};

NotifyRecordUI Record(const wchar_t* type, CControlUI* sender)
{
    NotifyRecordUI record;
    record.type = type;
    record.sender = sender;
    return record;
}

TEST(NotifyMaps, NamedEntryBeatsAnyControlWhateverTheirOrder)
{
    DialogPump pump;
    RecordingControl ok(L"okbtn");
    RecordingControl other(L"cancelbtn");
    NotifyRecordUI r1 = Record(L"click", &ok);
    NotifyRecordUI r2 = Record(L"click", &other);
    NotifyRecordUI r3 = Record(L"click", nullptr);
    EXPECT_TRUE(pump.DispatchNotification(r1));
    EXPECT_TRUE(pump.DispatchNotification(r2));
    EXPECT_TRUE(pump.DispatchNotification(r3));
    EXPECT_EQ((std::vector<std::wstring>{L"ok", L"any cancelbtn", L"any -"}), pump.calls);
}

TEST(NotifyMaps, BaseMapsParamsHandlersAndExactTypes)
{
    DialogPump pump;
    RecordingControl list(L"list");
    NotifyRecordUI select = Record(L"select", &list);
    NotifyRecordUI timer = Record(L"timer", nullptr);
    timer.wParam = 7;
    timer.lParam = 9;
    NotifyRecordUI wrongCase = Record(L"Click", &list);
    EXPECT_TRUE(pump.DispatchNotification(select));
    EXPECT_TRUE(pump.DispatchNotification(timer));
    EXPECT_FALSE(pump.DispatchNotification(wrongCase));
    EXPECT_EQ((std::vector<std::wstring>{L"base select", L"timer 7,9"}), pump.calls);
}

TEST(NotifyMaps, VirtualWindowPumpsGoFirstByNameIgnoringCase)
{
    DialogPump main;
    DialogPump page;
    ASSERT_TRUE(main.AddVirtualWindow(L"PageOne", &page));
    EXPECT_FALSE(main.AddVirtualWindow(L"PageOne", &page));
    RecordingControl ok(L"okbtn");
    NotifyRecordUI record = Record(L"click", &ok);
    record.virtualWindowName = L"pageone";
    EXPECT_TRUE(main.DispatchNotification(record));
    EXPECT_EQ(std::vector<std::wstring>{L"ok"}, page.calls);
    EXPECT_TRUE(main.calls.empty());

    // A type the page does not handle falls through to the window's own maps.
    NotifyRecordUI unknown = Record(L"select", &ok);
    unknown.virtualWindowName = L"PAGEONE";
    page.calls.clear();
    EXPECT_TRUE(main.DispatchNotification(unknown));
    EXPECT_EQ(std::vector<std::wstring>{L"base select"}, page.calls);

    EXPECT_TRUE(main.RemoveVirtualWindow(L"PageOne"));
    EXPECT_TRUE(main.DispatchNotification(record));
    EXPECT_EQ(std::vector<std::wstring>{L"ok"}, main.calls);
}

}  // namespace
