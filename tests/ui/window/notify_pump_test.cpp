#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/support/recording_control.h"
#include "ui/core/notify_pump.h"

using namespace SkinUI;
using SkinUI::test::RecordingControl;

namespace {

// A pump whose own map names "okbtn" after an any-control entry, over a
// base map with an entry of another type.
class DialogPump : public CNotifyPump {
public:
    std::vector<std::wstring> calls;

protected:
    const NotifyMapUI* GetNotifyMap() const override
    {
        static const NotifyMapEntryUI base[] = {NotifyOnRecord(L"select", L"", &DialogPump::OnSelect),
                                                NotifyMapEnd()};
        static const NotifyMapUI baseMap = {CNotifyPump::ClassNotifyMap(), base};
        static const NotifyMapEntryUI own[] = {NotifyOnRecord(L"click", L"", &DialogPump::OnAnyClick),
                                               NotifyOnRecord(L"click", L"okbtn", &DialogPump::OnOk),
                                               NotifyOnParams(L"timer", L"", &DialogPump::OnTimer),
                                               NotifyMapEnd()};
        static const NotifyMapUI map = {&baseMap, own};
        return &map;
    }

private:
    void OnSelect(NotifyRecordUI&) { calls.push_back(L"select"); }
    void OnAnyClick(NotifyRecordUI& r) { calls.push_back(r.sender ? r.sender->GetName().GetData() : L"-"); }
    void OnOk(NotifyRecordUI&) { calls.push_back(L"ok"); }
    void OnTimer(WPARAM wParam, LPARAM lParam) { calls.push_back(std::to_wstring(wParam + lParam)); }
};

bool Dispatch(DialogPump& pump, const wchar_t* type, CControlUI* sender)
{
    NotifyRecordUI record;
    record.type = type;
    record.sender = sender;
    record.wParam = 7;
    record.lParam = 9;
    return pump.DispatchNotification(record);
}

TEST(NotifyMaps, NamedEntriesFirstThenAnyControlThenTheBaseMaps)
{
    DialogPump pump;
    RecordingControl ok(L"okbtn");
    RecordingControl cancel(L"cancelbtn");
    EXPECT_TRUE(Dispatch(pump, L"click", &ok));
    EXPECT_TRUE(Dispatch(pump, L"click", &cancel));
    EXPECT_TRUE(Dispatch(pump, L"click", nullptr));
    EXPECT_TRUE(Dispatch(pump, L"select", &ok));
    EXPECT_TRUE(Dispatch(pump, L"timer", nullptr));
    EXPECT_FALSE(Dispatch(pump, L"Click", &ok));  // types compare exactly
    EXPECT_EQ((std::vector<std::wstring>{L"ok", L"cancelbtn", L"-", L"select", L"16"}), pump.calls);
}

}  // namespace
