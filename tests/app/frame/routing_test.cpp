// Which worker each page request starts, and which notification each worker
// message becomes.
#include "app/main/frame/request_routes.h"

#include <gtest/gtest.h>

namespace {

RequestRoute Route(const wchar_t* type)
{
    RequestRoute route = {-1, WorkerKind::DeviceChange, false, false};
    EXPECT_TRUE(FindRequestRoute(type, &route)) << type;
    return route;
}

TEST(RequestRoutes, WritesGoToTheirChipAndWaitForNoOtherDeviceJob)
{
    const struct {
        const wchar_t* type;
        int chip;
    } writes[] = {{L"WRITE_WenkDATA", 1},  {L"WRITE_KelvoDATA", 2}, {L"WRITE_Kelvo_DRIVER_DATA", 3},
                  {L"WRITE_DolvDATA", 4},  {L"WRITE_MeskDATA", 5},  {L"WRITE_QiroDATA", 6}};
    for (const auto& write : writes) {
        const RequestRoute route = Route(write.type);
        EXPECT_EQ(route.chip, write.chip) << write.type;
        EXPECT_EQ(route.worker, WorkerKind::Write);
        EXPECT_TRUE(route.waitsForProgress);
        EXPECT_TRUE(route.opensProgress);
    }
}

TEST(RequestRoutes, ChangePollsAreNeverDroppedAndOpenNoProgressWindow)
{
    const struct {
        const wchar_t* type;
        int chip;
    } polls[] = {{L"GET_CHANGE_KelvoDATA", 2}, {L"GET_CHANGE_Kelvo_DRIVER_DATA", 3},
                 {L"GET_CHANGE_DolvDATA", 4},  {L"GET_CHANGE_MeskDATA", 5},
                 {L"GET_CHANGE_QiroDATA", 6}};
    for (const auto& poll : polls) {
        const RequestRoute route = Route(poll.type);
        EXPECT_EQ(route.chip, poll.chip) << poll.type;
        EXPECT_EQ(route.worker, WorkerKind::GetChange);
        EXPECT_FALSE(route.waitsForProgress);
        EXPECT_FALSE(route.opensProgress);
    }
    RequestRoute route;
    EXPECT_FALSE(FindRequestRoute(L"GET_CHANGE_WenkDATA", &route));
}

TEST(RequestRoutes, WindowInitReadsEverythingAndOtherTypesStartNothing)
{
    const RequestRoute init = Route(L"windowinit");
    EXPECT_EQ(init.chip, 0);
    EXPECT_EQ(init.worker, WorkerKind::ReadAll);
    EXPECT_FALSE(init.waitsForProgress);
    EXPECT_TRUE(init.opensProgress);

    EXPECT_EQ(Route(L"write_qirodata").chip, 6);
    RequestRoute route;
    EXPECT_FALSE(FindRequestRoute(L"READ_QiroDATA", &route));
    EXPECT_FALSE(FindRequestRoute(L"click", &route));
    EXPECT_FALSE(FindRequestRoute(L"", &route));
    EXPECT_FALSE(FindRequestRoute(nullptr, &route));
}

TEST(RequestRoutes, WorkerMessagesBecomeTheFamiliesNotifications)
{
    const struct {
        UINT message;
        const wchar_t* notification;
    } table[] = {{1003, L"READ_WenkDATA"},         {1004, L"READ_KelvoDATA"},
                 {1005, L"READ_DolvDATA"},         {1006, L"READ_MeskDATA"},
                 {1007, L"READ_QiroDATA"},         {1008, L"READ_Kelvo_DRIVER_DATA"},
                 {2000, L"Wenk_Connet_Error"},     {2001, L"Kelvo_Connet_Error"},
                 {2002, L"Dolv_Connet_Error"},     {2003, L"Mesk_Connet_Error"},
                 {2004, L"Qiro_Connet_Error"},     {2005, L"Kelvo_DRIVER_Connet_Error"}};
    for (const auto& row : table) {
        const wchar_t* notification = NotificationOfMessage(row.message);
        ASSERT_NE(notification, nullptr) << row.message;
        EXPECT_STREQ(notification, row.notification);
    }
    for (UINT other : {1000u, 1001u, 1002u, 1009u, 1999u, 2006u})
        EXPECT_EQ(NotificationOfMessage(other), nullptr) << other;
}

TEST(RequestRoutes, ChipIndexesSelectOnePageAllOrNone)
{
    IKeyboardPage* keyboard = reinterpret_cast<IKeyboardPage*>(0x10);
    IMousePage* kelvo = reinterpret_cast<IMousePage*>(0x20);
    IMousePage* driver = reinterpret_cast<IMousePage*>(0x30);
    IPolledMousePage* dolv = reinterpret_cast<IPolledMousePage*>(0x40);
    IPolledMousePage* mesk = reinterpret_cast<IPolledMousePage*>(0x50);
    IPolledMousePage* qiro = reinterpret_cast<IPolledMousePage*>(0x60);
    const DevicePages all = {keyboard, kelvo, driver, dolv, mesk, qiro};

    const DevicePages everything = SelectPages(all, 0);
    for (int family = 0; family < kDeviceFamilyCount; ++family)
        EXPECT_EQ(PageOfFamily(everything, family), PageOfFamily(all, family));

    for (int family = 0; family < kDeviceFamilyCount; ++family) {
        const DevicePages one = SelectPages(all, kDeviceFamilies[family].chip);
        for (int other = 0; other < kDeviceFamilyCount; ++other)
            EXPECT_EQ(PageOfFamily(one, other) != nullptr, other == family)
                << "chip " << kDeviceFamilies[family].chip << " family " << other;
    }
    for (int chip : {7, -1, 100}) {
        const DevicePages none = SelectPages(all, chip);
        for (int family = 0; family < kDeviceFamilyCount; ++family)
            EXPECT_EQ(PageOfFamily(none, family), nullptr) << chip;
    }
}

}  // namespace
