// Qiro, Dolv and Mesk mice whose answers arrive random, short or stale. The
// protocol has no acknowledge, so a damaged answer can pass for data; but every
// operation ends, the status query refuses a garbled signature, a read writes
// nothing, and what a write sends back comes from the library's own copies,
// never from a damaged answer.
#include "nolx_fixture.h"

#include <chrono>
#include <condition_variable>

namespace {

using namespace nolx_test;
using hidsim::ReplyFault;

const ChipId kChips[] = {ChipId::Qiro, ChipId::Dolv, ChipId::Mesk};
const ReplyFault kFaults[] = {ReplyFault::Random, ReplyFault::Short, ReplyFault::Stale};

bool SameBytes(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, unsigned first, unsigned last) {
    return std::equal(a.begin() + first, a.begin() + last + 1, b.begin() + first);
}

class NolxReplies : public NolxTest {
protected:
    void damage(ReplyFault kind, unsigned percent, uint32_t seed) {
        device->damageReplies(std::make_shared<hidsim::ReplyFaults>(kind, percent, seed));
    }
    void replug(ChipId chip) {
        mcu.reset();
        if (device) device->unplug();
        open(chip);
    }
};

TEST_F(NolxReplies, GarbledStatusRepliesFailTheOpenAndReadsWriteNothing) {
    machine->setTrace(nullptr);
    for (ChipId chip : kChips) {
        for (ReplyFault kind : kFaults) {
            replug(chip);
            damage(kind, 100, 3 + static_cast<uint32_t>(kind));
            // Random bytes are no signature; a short or stale answer may still carry one.
            const HRESULT opened = mcu->init(device_ids::kVendor, device_ids::kNolxProduct, 0);
            EXPECT_TRUE(kind == ReplyFault::Random ? opened == E_FAIL : opened == S_OK || opened == E_FAIL);
            const std::vector<uint8_t> before = memory();
            mcu->readDeviceData();
            int value = 0;
            mcu->getDataByAddress(&value, 0x40);
            EXPECT_EQ(memory(), before);
            EXPECT_EQ(firmware().commits(), 0u);
        }
    }
}

TEST_F(NolxReplies, WritesSendBackTheLibrarysCopiesNotDamagedAnswers) {
    machine->setTrace(nullptr);
    for (ChipId chip : kChips) {
        const nolx::Chip& settings = nolx::ChipSettings(chip);
        for (ReplyFault kind : kFaults) {
            for (unsigned percent : {30u, 100u}) {
                replug(chip);
                damage(kind, percent, 17 * percent + static_cast<uint32_t>(kind));
                const std::vector<uint8_t> before = memory();
                // The key tables change; block 164 is read again for the reload but keeps its bytes.
                mcu->setMacroKey(1, 2, 0x01, 0x04, 0x00, 0x00);
                EXPECT_TRUE(SameBytes(memory(), before, nolx::kBlock164, nolx::kBlock164 + 27)) << settings.name;
                // A fire macro writes block 164 whole: only its two setting bytes and the checksum change.
                std::vector<uint8_t> record(settings.fireRecordSize, 0x21);
                mcu->setFireMacro(0, record.data(), 3, 4, 5, 6, 7);
                EXPECT_TRUE(SameBytes(memory(), before, nolx::kBlock164, nolx::kBlock164 + 6)) << settings.name;
                EXPECT_TRUE(SameBytes(memory(), before, nolx::kBlock164 + 8, nolx::kBlock164 + 16)) << settings.name;
                EXPECT_TRUE(SameBytes(memory(), before, nolx::kBlock164 + 18, nolx::kBlock164 + 26)) << settings.name;
                // A damaged whole read writes nothing.
                const std::vector<uint8_t> written = memory();
                mcu->readDeviceData();
                EXPECT_EQ(memory(), written) << settings.name;
                device->damageReplies(nullptr);
            }
        }
    }
}

struct Announcements {
    std::mutex mutex;
    std::condition_variable changed;
    int calls = 0;

    static void __cdecl Record(int*, int*, void* user) {
        auto* self = static_cast<Announcements*>(user);
        std::lock_guard<std::mutex> lock(self->mutex);
        ++self->calls;
        self->changed.notify_all();
    }
    bool waitFor(int count) {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(5), [&] { return calls >= count; });
    }
};

TEST_F(NolxReplies, TheDolvReaderAnnouncesChangesReadThroughDamagedAnswers) {
    open(ChipId::Dolv);
    Announcements announcements;
    ASSERT_EQ(mcu->setChangeCallback(&Announcements::Record, &announcements), S_OK);
    int sent = 0;
    for (ReplyFault kind : kFaults) {
        damage(kind, 50, 40 + static_cast<uint32_t>(kind));
        for (int i = 0; i < 4; ++i) {
            device->sendInput({0x42, static_cast<uint8_t>(i), static_cast<uint8_t>(i * 77), 0x00, 0xFF, 0xFF, 0, 0});
            ASSERT_TRUE(announcements.waitFor(++sent));
        }
    }
    device->damageReplies(nullptr);
}

}  // namespace
