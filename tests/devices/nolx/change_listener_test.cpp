#include "nolx_fixture.h"

#include <chrono>
#include <condition_variable>
#include <future>
#include <thread>

using namespace nolx_test;

namespace {

struct Announcements {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::pair<int, int>> calls;  // mode, level

    static void __cdecl Record(int* mode, int* level, void* user) {
        auto* self = static_cast<Announcements*>(user);
        std::lock_guard<std::mutex> lock(self->mutex);
        self->calls.emplace_back(*mode, *level);
        self->changed.notify_all();
    }
    bool waitFor(size_t count, std::chrono::milliseconds limit = std::chrono::seconds(5)) {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, limit, [&] { return calls.size() >= count; });
    }
    size_t count() {
        std::lock_guard<std::mutex> lock(mutex);
        return calls.size();
    }
};

// Runs the program's change poll over presses of the DPI button: each press
// reaches it within a second. Unplugging the mouse then ends the poll.
void ExpectEveryPressPolled(nolx::McuDevice& mcu, hidsim::Device& device, int presses) {
    std::atomic<int> polled{0};
    auto poll = std::async(std::launch::async, [&] {
        int report = 0;
        while (SUCCEEDED(mcu.getChangeData(&report))) ++polled;
    });
    for (int press = 1; press <= presses; ++press) {
        FirmwareOf(device).pressDpiButton();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (polled < press && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        EXPECT_EQ(polled, press);
        if (polled != press) break;
    }
    device.unplug();
    ASSERT_EQ(poll.wait_for(std::chrono::seconds(5)), std::future_status::ready);
}

class DolvReader : public NolxTest {
protected:
    void SetUp() override {
        open(ChipId::Dolv);
        ASSERT_EQ(mcu->setChangeCallback(&Announcements::Record, &announcements), S_OK);
    }
    Announcements announcements;
};

}  // namespace

TEST_F(DolvReader, StartsOnceAtTheFirstReadAndAnnouncesModeAndLevel) {
    ASSERT_NE(mcu->changeListener(), nullptr);
    EXPECT_TRUE(mcu->changeListener()->started());
    ASSERT_EQ(mcu->readDeviceData(), S_OK);
    clearTrace();

    firmware().pressProfileButton();
    ASSERT_TRUE(announcements.waitFor(1));
    EXPECT_EQ(announcements.calls[0], std::make_pair(1, 2));
    // After the pause: two 7-byte block reads.
    EXPECT_EQ(machine->counters().sleptMs, 200u);
    EXPECT_EQ(sent(), (std::vector<std::string>{BlockReadReport(164, 7), BlockReadReport(166, 7)}));

    firmware().pressDpiButton();
    ASSERT_TRUE(announcements.waitFor(2));
    EXPECT_EQ(announcements.calls[1], std::make_pair(1, 3));
}

TEST_F(DolvReader, IgnoresReportsThatAreNoChangeAnnouncement) {
    device->sendInput({0x42, 0x01, 0x01, 0x01});
    device->sendInput({0x43, 0x01, 0x01, 0x00});
    firmware().pressDpiButton();
    ASSERT_TRUE(announcements.waitFor(1));
    EXPECT_EQ(announcements.count(), 1u);
    mcu->setChangeCallback(nullptr, nullptr);
    firmware().pressDpiButton();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(announcements.count(), 1u);
}

TEST_F(DolvReader, EachReportReachesEitherTheReaderOrTheChangePoll) {
    std::atomic<int> polled{0};
    auto poll = std::async(std::launch::async, [&] {
        int report = 0;
        while (SUCCEEDED(mcu->getChangeData(&report))) ++polled;
    });
    for (int i = 0; i < 6; ++i) firmware().pressDpiButton();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (announcements.count() + polled < 6 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(announcements.count() + polled, 6u);
    device->unplug();
    ASSERT_EQ(poll.wait_for(std::chrono::seconds(5)), std::future_status::ready);
}

TEST_F(NolxTest, WithoutACallbackTheDolvReaderLeavesEveryReportToTheChangePoll) {
    open(ChipId::Dolv);
    // A callback removed while the reader waits in a read takes that read with it.
    Announcements announcements;
    ASSERT_EQ(mcu->setChangeCallback(&Announcements::Record, &announcements), S_OK);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    mcu->setChangeCallback(nullptr, nullptr);
    ExpectEveryPressPolled(*mcu, *device, 8);
}

TEST_F(DolvReader, AfterAReplugWithoutACallbackEveryPressReachesTheChangePoll) {
    device->unplug();  // the reader waits for new handles
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    mcu->setChangeCallback(nullptr, nullptr);
    device->plugBack();
    ASSERT_EQ(mcu->init(device_ids::kVendor, device_ids::kNolxProduct, 0), S_OK);
    ExpectEveryPressPolled(*mcu, *device, 4);
}

TEST_F(DolvReader, ACallbackRegisteredAgainWhileTheRemovalCancelsHearsTheNextPress) {
    mcu->setChangeCallback(nullptr, nullptr);
    std::future<void> removal;
    {
        // The reader, its callback looked at, waits for the transport to enter
        // its read: a removal on another thread keeps trying to cancel it
        // while the callback comes back.
        std::lock_guard<nolx::TransferLock> hold(mcu->transport().lock());
        ASSERT_EQ(mcu->setChangeCallback(&Announcements::Record, &announcements), S_OK);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        removal = std::async(std::launch::async, [&] { mcu->setChangeCallback(nullptr, nullptr); });
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ASSERT_EQ(mcu->setChangeCallback(&Announcements::Record, &announcements), S_OK);
    }
    removal.wait();
    firmware().pressDpiButton();
    EXPECT_TRUE(announcements.waitFor(1, std::chrono::seconds(1)));
}

TEST_F(DolvReader, WaitsQuietlyWhileTheDeviceIsGoneAndResumesAfterReopening) {
    device->unplug();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    clearTrace();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(machine->counters().transfers(), 0u);
    EXPECT_EQ(machine->counters().failedTransfers, 0u);

    device->plugBack();
    ASSERT_EQ(mcu->init(device_ids::kVendor, device_ids::kNolxProduct, 0), S_OK);
    firmware().pressProfileButton();
    ASSERT_TRUE(announcements.waitFor(1));
}

TEST_F(DolvReader, FollowsTheReopenAfterACommit) {
    ASSERT_EQ(mcu->setReportRate(1), S_OK);
    firmware().pressDpiButton();
    ASSERT_TRUE(announcements.waitFor(1));
}

TEST_F(DolvReader, DestroyingTheDeviceEndsABlockedReader) {
    const auto start = std::chrono::steady_clock::now();
    mcu.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(machine->openHandleCount(), 0u);
}

TEST_F(NolxTest, OnlyDolvRunsAReader) {
    open(ChipId::Qiro);
    EXPECT_EQ(mcu->changeListener(), nullptr);
    EXPECT_EQ(mcu->setChangeCallback(nullptr, nullptr), E_NOTIMPL);
}
