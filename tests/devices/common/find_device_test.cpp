#include "devices/common/find_device.h"
#include "devices/sim/installed_platform.h"
#include "echo_firmware.h"

#include <gtest/gtest.h>

using hid::DeviceHandles;
using hid::FindDevice;
using hid::InputHandle;

TEST(FindDevice, TakesTheOnlyInterfaceWithEightByteFeatureReports) {
    hidsim::ScopedMachine machine;
    machine->plugIn(echoDevice(L"\\\\?\\hid#mouse", 0x1234, 0x0001, 0));
    machine->plugIn(echoDevice(L"\\\\?\\hid#keyboard", 0x1234, 0x0001, 0, false));
    machine->plugIn(echoDevice(L"\\\\?\\hid#vendor", 0x1234, 0x0001, 8));

    DeviceHandles handles;
    ASSERT_TRUE(FindDevice(handles, 0x1234, 0x0001, InputHandle::Open));
    EXPECT_NE(handles.feature, INVALID_HANDLE_VALUE);
    EXPECT_NE(handles.input, nullptr);
    EXPECT_NE(handles.input, handles.feature);
    EXPECT_EQ(handles.inputLength, 8);
    // Only the matched interface stays open, twice.
    EXPECT_EQ(machine->openHandleCount(), 2u);
}

TEST(FindDevice, LowerIndexWinsAndIdsCompareOnTheirLow16Bits) {
    hidsim::ScopedMachine machine;
    machine->plugIn(echoDevice(L"first", 0x1234, 0x0001));
    machine->plugIn(echoDevice(L"second", 0x1234, 0x0001));
    DeviceHandles handles;
    ASSERT_TRUE(FindDevice(handles, 0x51234, 0x70001, InputHandle::None));
    uint16_t vid = 0, pid = 0;
    EXPECT_TRUE(hid::platform().attributes(handles.feature, vid, pid));
    EXPECT_EQ(handles.input, nullptr);
    EXPECT_EQ(machine->openHandleCount(), 1u);
}

TEST(FindDevice, DetailFailureEndsTheSearchButEmptyIndexesDoNot) {
    {
        hidsim::ScopedMachine machine;
        machine->addEmptyIndex();
        machine->addEmptyIndex();
        machine->plugIn(echoDevice(L"after-gaps", 0x1234, 0x0001));
        DeviceHandles handles;
        EXPECT_TRUE(FindDevice(handles, 0x1234, 0x0001, InputHandle::Open));
    }
    {
        hidsim::ScopedMachine machine;
        machine->addDetailFailureIndex();
        machine->plugIn(echoDevice(L"after-failure", 0x1234, 0x0001));
        DeviceHandles handles;
        EXPECT_FALSE(FindDevice(handles, 0x1234, 0x0001, InputHandle::Open));
        EXPECT_EQ(handles.feature, INVALID_HANDLE_VALUE);
    }
}

TEST(FindDevice, InterfaceAtIndex128IsNeverFound) {
    hidsim::ScopedMachine machine;
    for (int i = 0; i < 128; ++i) machine->addEmptyIndex();
    machine->plugIn(echoDevice(L"too-far", 0x1234, 0x0001));
    DeviceHandles handles;
    EXPECT_FALSE(FindDevice(handles, 0x1234, 0x0001, InputHandle::Open));
}

TEST(FindDevice, RediscoveryReplacesBothHandlesAndAFailedOneLeavesTheInvalidHandle) {
    hidsim::ScopedMachine machine;
    auto& device = machine->plugIn(echoDevice(L"mouse", 0x1234, 0x0001));
    DeviceHandles handles;
    ASSERT_TRUE(FindDevice(handles, 0x1234, 0x0001, InputHandle::Open));
    HANDLE firstFeature = handles.feature;
    ASSERT_TRUE(FindDevice(handles, 0x1234, 0x0001, InputHandle::Open));
    EXPECT_NE(handles.feature, firstFeature);
    EXPECT_EQ(machine->openHandleCount(), 2u);  // no handle leaks per re-open

    device.unplug();
    EXPECT_FALSE(FindDevice(handles, 0x1234, 0x0001, InputHandle::Open));
    EXPECT_EQ(handles.feature, INVALID_HANDLE_VALUE);
    uint8_t report[8] = {};
    EXPECT_FALSE(hid::platform().setFeature(handles.feature, report, 8));
}
