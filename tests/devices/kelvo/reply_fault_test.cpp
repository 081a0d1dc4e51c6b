// A Kelvo mouse whose answers arrive random, short or stale: every operation
// ends, one that cannot complete says so, a failed one commits nothing, and
// one that succeeds moved the bytes it was given.
#include "devices/kelvo/fields.h"
#include "kelvo_bus.h"

#include <string>

namespace {

using hidsim::ReplyFault;

struct Snapshot {
    std::array<uint8_t, kelvo::kImageSize> wire;
    kelvo::WorkingCopy copy;
    std::vector<uint8_t> memory;
    unsigned commits;
};

class KelvoReplies : public KelvoBus {
protected:
    Snapshot snapshot() {
        return {device.wireImage(), device.copy(), memory(), firmware.commandCount(kelvo::command::kCommit)};
    }
    // A failed write leaves the mouse's memory and sends no commit; a failed read
    // leaves the library's image and copy too. (A write packs the copy into the
    // image before it sends it.)
    void expectUnchanged(const Snapshot& before, bool read, const char* operation) {
        EXPECT_EQ(memory(), before.memory) << operation;
        EXPECT_EQ(firmware.commandCount(kelvo::command::kCommit), before.commits) << operation;
        if (!read) return;
        EXPECT_EQ(device.wireImage(), before.wire) << operation;
        EXPECT_EQ(device.copy().front, before.copy.front) << operation;
        EXPECT_EQ(device.copy().macros, before.copy.macros) << operation;
        EXPECT_EQ(device.copy().fireBuffers, before.copy.fireBuffers) << operation;
    }
    // Runs the whole read, the three writes and the read by address with damaged answers;
    // returns how many of the four transactions failed. (A read by address has no
    // handshake: a stale acknowledge can pass for its own.)
    int runDamaged(ReplyFault kind, unsigned percent, uint32_t seed) {
        mouse->damageReplies(nullptr);
        EXPECT_EQ(device.readImage(), S_OK);
        mouse->damageReplies(std::make_shared<hidsim::ReplyFaults>(kind, percent, seed));
        int failed = 0;
        // True when the operation succeeded; a failed one must have changed nothing.
        const auto check = [&](HRESULT result, const Snapshot& before, const char* operation) {
            EXPECT_TRUE(result == S_OK || result == E_FAIL) << operation << " " << std::hex << result;
            if (result == S_OK) return true;
            ++failed;
            expectUnchanged(before, std::string(operation) == "read", operation);
            return false;
        };
        Snapshot before = snapshot();
        // What a transfer that succeeded moved is what the other side holds; a stale
        // acknowledged answer to a read cannot be told from a fresh one.
        if (check(device.readImage(), before, "read") && kind != ReplyFault::Stale) {
            EXPECT_TRUE(std::equal(memory().begin(), memory().end(), device.wireImage().begin())) << "read";
        }
        kelvo::setByte(device.copy(), kelvo::ByteField::CpiStep, device.copy().front[2] + 1);
        before = snapshot();
        if (check(device.writeImage(), before, "write")) {
            EXPECT_TRUE(std::equal(memory().begin(), memory().end(), device.wireImage().begin())) << "write";
        }
        before = snapshot();
        check(device.writeFireData(), before, "fire write");
        std::vector<uint8_t> raw(kelvo::kImageSize);
        for (size_t i = 0; i < raw.size(); ++i) raw[i] = static_cast<uint8_t>(i * 13 + seed);
        before = snapshot();
        if (check(device.writeRawImage(raw.data()), before, "raw write")) {
            EXPECT_EQ(memory(), raw) << "raw write";
        }
        uint8_t value = 0x5A;
        if (FAILED(device.readByAddress(0x36, value))) {
            EXPECT_EQ(value, 0x5A) << "by address";
        }
        mouse->damageReplies(nullptr);
        return failed;
    }
};

TEST_F(KelvoReplies, EveryAnswerDamagedFailsEveryOperationAndChangesNothing) {
    open();
    for (ReplyFault kind : {ReplyFault::Random, ReplyFault::Short, ReplyFault::Stale}) {
        EXPECT_EQ(runDamaged(kind, 100, 11 + static_cast<uint32_t>(kind)), 4) << static_cast<int>(kind);
    }
    EXPECT_EQ(device.readImage(), S_OK) << "whole answers again";
}

TEST_F(KelvoReplies, SomeAnswersDamagedEndEveryOperationAndMoveNothingElse) {
    open();
    for (ReplyFault kind : {ReplyFault::Random, ReplyFault::Short, ReplyFault::Stale}) {
        for (unsigned percent : {2u, 30u}) {
            for (uint32_t seed = 1; seed <= 5; ++seed) runDamaged(kind, percent, seed * 7 + static_cast<uint32_t>(kind));
        }
    }
    mouse->damageReplies(std::make_shared<hidsim::ReplyFaults>(ReplyFault::Random, 100, 5));
    EXPECT_EQ(device.close(), E_FAIL);
    EXPECT_EQ(device.close(), 1);
}

}  // namespace
