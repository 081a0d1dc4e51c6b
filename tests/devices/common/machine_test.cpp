#include "devices/sim/installed_platform.h"
#include "echo_firmware.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <thread>

namespace {

struct Bus : ::testing::Test {
    hidsim::ScopedMachine machine;
    hidsim::Device* device = nullptr;
    HANDLE handle = nullptr;

    void SetUp() override {
        device = &machine->plugIn(echoDevice(L"dev", 0x1111, 0x2222));
        handle = machine->open(L"dev");
        ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    }
};

}  // namespace

TEST_F(Bus, TraceLinesCarryKindFamilyAndTheBytesOnTheWire) {
    std::vector<std::string> lines;
    machine->setTrace([&](const std::string& line) { lines.push_back(line); });
    const uint8_t out[8] = {0x40, 0x05, 0x00, 0x2b, 0x03, 0x00, 0x00, 0x01};
    uint8_t in[8] = {0x41};
    ASSERT_TRUE(machine->setFeature(handle, out, 8));
    ASSERT_TRUE(machine->getFeature(handle, in, 8));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "SET echo 40 05 00 2b 03 00 00 01");
    EXPECT_EQ(lines[1], "GET echo 40 05 00 2b 03 00 00 01");
}

TEST_F(Bus, VirtualSleepsAreCountedNotWaited) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 100; ++i) machine->sleepMs(1000);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(machine->counters().sleptMs, 100000u);
    EXPECT_EQ(machine->counters().sleeps, 100u);
}

TEST_F(Bus, InjectedFaultsFailExactlyTheChosenTransfers) {
    uint8_t report[8] = {};
    device->failTransfer(2);
    EXPECT_TRUE(machine->setFeature(handle, report, 8));
    EXPECT_FALSE(machine->setFeature(handle, report, 8));
    EXPECT_TRUE(machine->setFeature(handle, report, 8));
    device->failAllTransfers(true);
    EXPECT_FALSE(machine->getFeature(handle, report, 8));
    device->failAllTransfers(false);
    EXPECT_TRUE(machine->getFeature(handle, report, 8));
    EXPECT_EQ(machine->counters().failedTransfers, 2u);
    EXPECT_EQ(machine->counters().transfers(), 5u);
    // Reports of the wrong length never reach the firmware.
    EXPECT_FALSE(machine->setFeature(handle, report, 7));

    device->failTransfer(2, 3);
    const bool expected[] = {true, false, false, false, true};
    for (bool ok : expected) EXPECT_EQ(machine->getFeature(handle, report, 8), ok);
}

TEST_F(Bus, ScheduledUnplugMeetsTheTransferAfterTheCountedOnes) {
    uint8_t report[8] = {};
    device->afterTransfers(2, [this] { device->unplug(); });
    EXPECT_TRUE(machine->setFeature(handle, report, 8));
    EXPECT_TRUE(machine->getFeature(handle, report, 8));
    EXPECT_FALSE(machine->setFeature(handle, report, 8));
    EXPECT_FALSE(device->plugged());
    device->plugBack();
    EXPECT_FALSE(machine->setFeature(handle, report, 8)) << "the old handle stays dead";
    HANDLE again = machine->open(L"dev");
    EXPECT_TRUE(machine->setFeature(again, report, 8));

    device->afterTransfers(1, [this] { device->unplug(); });
    device->failTransfer(1, 5);
    device->clearTransferFaults();
    EXPECT_TRUE(machine->setFeature(again, report, 8));
    EXPECT_TRUE(machine->setFeature(again, report, 8));
    EXPECT_TRUE(device->plugged());
}

TEST_F(Bus, DamagedRepliesAreRandomShortOrTheLastAnswerAgain) {
    const uint8_t first[8] = {0x41, 1, 2, 3, 4, 5, 6, 7};
    const uint8_t second[8] = {0x41, 9, 9, 9, 9, 9, 9, 9};
    uint8_t in[8] = {};
    auto exchange = [&](const uint8_t* out) {
        std::fill(std::begin(in), std::end(in), 0xEE);
        in[0] = 0x41;
        ASSERT_TRUE(machine->setFeature(handle, out, 8));
        ASSERT_TRUE(machine->getFeature(handle, in, 8));
    };
    device->damageReplies(std::make_shared<hidsim::ReplyFaults>(hidsim::ReplyFault::Stale, 100, 1));
    exchange(first);
    EXPECT_TRUE(std::equal(first, first + 8, in)) << "nothing before it: the true answer";
    exchange(second);
    EXPECT_TRUE(std::equal(first, first + 8, in));

    device->damageReplies(std::make_shared<hidsim::ReplyFaults>(hidsim::ReplyFault::Short, 100, 2));
    exchange(second);
    EXPECT_EQ(in[1], 9);
    EXPECT_EQ(in[7], 0xEE) << "the last byte never arrives";

    auto random = std::make_shared<hidsim::ReplyFaults>(hidsim::ReplyFault::Random, 50, 3);
    device->damageReplies(random);
    int whole = 0;
    for (int i = 0; i < 100; ++i) {
        exchange(second);
        EXPECT_EQ(in[0], 0x41) << "the report id stays";
        whole += std::equal(second, second + 8, in);
    }
    EXPECT_EQ(static_cast<unsigned>(100 - whole), random->damaged());
    EXPECT_GT(whole, 25);
    EXPECT_LT(whole, 75);

    device->damageReplies(nullptr);
    exchange(second);
    EXPECT_TRUE(std::equal(second, second + 8, in));
}

TEST_F(Bus, InputReportsReachEveryOpenHandleOnce) {
    HANDLE second = machine->open(L"dev");
    device->sendInput({0x42, 1, 2});
    uint8_t report[8];
    ASSERT_TRUE(machine->readInput(handle, report, 8));
    EXPECT_EQ(report[0], 0x42);
    EXPECT_EQ(report[3], 0);  // padded to the interface's input length
    ASSERT_TRUE(machine->readInput(second, report, 8));
    EXPECT_EQ(report[2], 2);
}

TEST_F(Bus, BlockedReadWakesWithFailureOnCloseAndOnUnplug) {
    uint8_t report[8];
    auto closed = std::async(std::launch::async, [&] { return machine->readInput(handle, report, 8); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    machine->close(handle);
    ASSERT_EQ(closed.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_FALSE(closed.get());

    HANDLE other = machine->open(L"dev");
    auto unplugged = std::async(std::launch::async, [&] { return machine->readInput(other, report, 8); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    device->unplug();
    ASSERT_EQ(unplugged.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_FALSE(unplugged.get());

    // A handle of the old connection stays dead after the device returns.
    device->plugBack();
    EXPECT_FALSE(machine->setFeature(other, report, 8));
    HANDLE fresh = machine->open(L"dev");
    EXPECT_TRUE(machine->setFeature(fresh, report, 8));
}
