// Damaged configuration images written to the mouse and read back: the
// library loads its working copies, walks the macro area and answers every
// getter from them without reading or writing past a buffer.
#include "devices/nolx/config_image.h"
#include "devices/nolx/macro_area.h"
#include "nolx_fixture.h"
#include "tests/support/guarded_bytes.h"
#include "tests/support/mutator.h"

namespace {

using namespace nolx_test;
using hostile::GuardedBytes;
using Image = std::vector<uint8_t>;

const ChipId kChips[] = {ChipId::Qiro, ChipId::Dolv, ChipId::Mesk};

// The factory image, the same with three macros (one behind an empty slot),
// and an erased memory.
std::vector<Image> Seeds(ChipId chip) {
    const Image factory = nolx::DefaultImage(nolx::ChipSettings(chip));
    Image withMacros = factory;
    const uint8_t macros[] = {'A', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x82, 0x04, 0xFE, 0x01, 0x2C, 0x02,
                              0x04, 0xFC, 0x00, 'B', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x21, 0xA1, 0x00};
    std::copy(std::begin(macros), std::end(macros), withMacros.begin() + nolx::kMacroArea);
    std::fill_n(withMacros.begin() + nolx::kMacroArea + 48, 16, 0xFF);
    std::copy(std::begin(macros), std::begin(macros) + 25, withMacros.begin() + nolx::kMacroArea + 64);
    return {factory, withMacros, Image(nolx::kImageSize, 0xFF)};
}

// Bytes that open slots, end macros, or make a block look sealed.
const std::vector<Image> kTokens = {{0x00}, {0xFF}, {0x04}, {0xFE}, {0xFD}, {0x21, 0x00}, {0x00, 0x00}, {0x5A}};

void ExpectMacrosInsideTheArea(const nolx::MacroList& macros) {
    for (const nolx::MacroEntry& entry : macros) {
        ASSERT_GE(entry.address, nolx::kMacroArea + 16);
        ASSERT_LE(entry.address + entry.data.size(), nolx::kMacroArea + nolx::kMacroAreaSize + 1);
    }
}

TEST(NolxHostileImages, WorkingCopiesAndTheMacroWalkStayInsideTheImage) {
    for (ChipId id : kChips) {
        const nolx::Chip& chip = nolx::ChipSettings(id);
        const std::vector<Image> seeds = Seeds(id);
        hostile::Mutator mutator(0x4E494D47 + static_cast<uint32_t>(id));
        size_t macrosSeen = 0;
        for (int round = 0; round < 5000; ++round) {
            const GuardedBytes image(mutator.MutateInPlace(seeds, kTokens));
            nolx::WorkingCopies copies;
            nolx::LoadWorkingCopies(chip, image.data(), nolx::MemoryKind::I2C, copies);
            nolx::DeriveFieldValues(chip, copies);
            const nolx::MacroList macros = nolx::ParseMacroArea(copies.macroArea);
            ExpectMacrosInsideTheArea(macros);
            macrosSeen += macros.size();
            const unsigned appended = nolx::AppendAddress(macros, mutator.Below(600));
            ASSERT_TRUE(appended == 0 || appended >= nolx::kMacroArea + 16);
            const nolx::MacroList kept =
                nolx::ParseMacroArea(nolx::LayOutMacros(nolx::WithoutMacro(macros, mutator.Below(macros.size() + 1))));
            ExpectMacrosInsideTheArea(kept);
        }
        EXPECT_GT(macrosSeen, 0u) << chip.name;
    }
}

// The import as the pages run it, through the library's device over a
// simulated mouse: the image written whole and committed, read back, and
// every getter asked, its answers landing at the end of guarded buffers.
TEST_F(NolxTest, ImportedHostileImagesAnswerEveryGetter) {
    machine->setTrace(nullptr);
    for (ChipId id : kChips) {
        open(id, 0, false);
        const nolx::Chip& chip = nolx::ChipSettings(id);
        const std::vector<Image> seeds = Seeds(id);
        hostile::Mutator mutator(0x4E494D50 + static_cast<uint32_t>(id));
        for (int round = 0; round < 150; ++round) {
            // A fresh device each round: an image may carry other USB ids, which a
            // re-open after the commit would look for.
            mcu = std::make_unique<nolx::McuDevice>(chip);
            ASSERT_EQ(mcu->init(device_ids::kVendor, device_ids::kNolxProduct, 0), S_OK);
            const GuardedBytes image(mutator.MutateInPlace(seeds, kTokens));
            ASSERT_EQ(mcu->writeConfiguration(image.data()), S_OK);
            ASSERT_EQ(mcu->readDeviceData(), S_OK);
            ASSERT_TRUE(std::equal(memory().begin(), memory().end(), image.data()));

            int value = 0, other = 0, r = 0, g = 0, b = 0;
            uint8_t b0 = 0, b1 = 0, b2 = 0, b3 = 0;
            mcu->getVendorId(&value);
            mcu->getProductId(&value);
            mcu->getCpiLevelCount(&value);
            mcu->getCurrentGear(&value);
            mcu->getReportRate(&value);
            mcu->getSensorRotation(&value);
            mcu->getBreathMode(&value);
            mcu->getLedBreath(&value, &other);
            mcu->getKeyMode(&value);
            GuardedBytes text(nolx::kProductStringSize + 1);
            mcu->getProductString(reinterpret_cast<char*>(text.data()));
            for (int i = -1; i <= 12; ++i) {
                mcu->getCpiValue(i, &value);
                mcu->getCpiColour(i, &b0, &b1, &b2);
                mcu->getUserColour(i, &b0, &b1, &b2);
                mcu->getComboKey(i, &b0, &b1, &b2, &b3);
                mcu->getFireKey(i, &value, &other);
                for (int table = 0; table <= 4; ++table) mcu->getMacroKey(table, i, &b0, &b1, &b2, &b3);
                GuardedBytes record(chip.fireRecordSize);
                mcu->getFireMacro(i, record.data(), &value, &other, &r, &g, &b);
            }
            const int count = static_cast<int>(mcu->macros().size());
            for (int i = -1; i <= count; ++i) {
                GuardedBytes header(16), data(nolx::kMacroAreaSize);
                int address = 0, length = 0;
                if (SUCCEEDED(mcu->getMacro(i, header.data(), data.data(), &address, &length))) {
                    ASSERT_LE(length, static_cast<int>(nolx::kMacroAreaSize));
                }
            }
            GuardedBytes area(nolx::kMacroAreaSize);
            mcu->exportBaseMacro(area.data());
            GuardedBytes whole(nolx::kImageSize);
            ASSERT_EQ(mcu->saveConfiguration(whole.data()), S_OK);
            // The image as a patch: its bytes 2 and 3 give the length of the code behind 16 bytes of header.
            const HRESULT patched = mcu->importPatchCode(image.data());
            ASSERT_TRUE(patched == S_OK || patched == E_INVALIDARG);
        }
        mcu.reset();
        device->unplug();
    }
}

}  // namespace
