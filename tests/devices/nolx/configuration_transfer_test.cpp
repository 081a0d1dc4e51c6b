#include "nolx_fixture.h"

#include <chrono>
#include <future>
#include <thread>

using namespace nolx_test;

namespace {

std::vector<uint8_t> PatternImage() {
    std::vector<uint8_t> image(2048);
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7 + 3);
    return image;
}

}  // namespace

TEST_F(NolxTest, ExportReadsTheControllerAndSaveDependsOnTheChip) {
    open(ChipId::Qiro);
    memory()[100] = 0x5C;  // changed on the device after the read
    std::vector<uint8_t> image(2048);
    ASSERT_EQ(mcu->saveConfiguration(image.data()), S_OK);
    EXPECT_NE(image[100], 0x5C);  // Qiro saves its buffer as last read
    ASSERT_EQ(mcu->getDeviceData(image.data(), 2048), S_OK);
    EXPECT_EQ(image[100], 0x5C);
    EXPECT_EQ(mcu->getDeviceData(image.data(), 2049), E_INVALIDARG);
    EXPECT_EQ(mcu->getDeviceData(image.data(), -1), E_INVALIDARG);

    // A read by address leaves the buffer that a save copies.
    int value = 0;
    ASSERT_EQ(mcu->getDataByAddress(&value, 100), S_OK);
    EXPECT_EQ(value, 0x5C);
    std::vector<uint8_t> saved(2048);
    mcu->saveConfiguration(saved.data());
    EXPECT_EQ(saved, image);

    mcu.reset();
    device->unplug();
    open(ChipId::Dolv);
    memory()[100] = 0x5C;
    ASSERT_EQ(mcu->saveConfiguration(saved.data()), S_OK);
    EXPECT_EQ(saved[100], 0x5C);
    device->failTransfer(3);
    EXPECT_EQ(mcu->saveConfiguration(saved.data()), E_FAIL);
}

TEST_F(NolxTest, WritingAnImageCommitsAndReopensWithoutLeakingHandles) {
    open(ChipId::Mesk);
    const size_t handles = machine->openHandleCount();
    const std::vector<uint8_t> image = PatternImage();
    for (int i = 0; i < 3; ++i) ASSERT_EQ(mcu->writeConfiguration(image.data()), S_OK);
    EXPECT_EQ(memory(), image);
    EXPECT_EQ(firmware().commits(), 3u);
    EXPECT_EQ(machine->openHandleCount(), handles);
    EXPECT_EQ(machine->counters().sleptMs, 3000u);
    // The library's copies are not changed by the write.
    int count = 0;
    mcu->getCpiLevelCount(&count);
    EXPECT_EQ(count, 4);
}

TEST_F(NolxTest, AFailedImageWriteIsNotCommitted) {
    open(ChipId::Qiro);
    const std::vector<uint8_t> image = PatternImage();
    device->failTransfer(100);
    EXPECT_EQ(mcu->writeConfiguration(image.data()), E_FAIL);
    EXPECT_EQ(firmware().commits(), 0u);
    EXPECT_EQ(sent().back().substr(0, 2), "41");
}

TEST_F(NolxTest, PatchCodeRebuildsItsHeaderAndCommits) {
    open(ChipId::Dolv);
    std::vector<uint8_t> buffer(16 + 10, 0);
    buffer[2] = 0x00;
    buffer[3] = 10;
    buffer[9] = 0x77;   // header bytes 8..15 are kept
    buffer[10] = 0x66;
    for (int i = 0; i < 10; ++i) buffer[16 + i] = static_cast<uint8_t>(0x10 + i);
    ASSERT_EQ(mcu->importPatchCode(buffer.data()), S_OK);
    const std::vector<uint8_t> header(memory().begin() + 1008, memory().begin() + 1019);
    EXPECT_EQ(header, (std::vector<uint8_t>{0x04, 0x00, 0x00, 10, 0x00, 0x1A, 0x00,
                                            static_cast<uint8_t>((0x10 + 0x11 + 0x12) ^ 0x5A), 0, 0x77, 0x66}));
    EXPECT_EQ(memory()[1024 + 9], 0x19);
    EXPECT_EQ(firmware().commits(), 1u);

    clearTrace();
    buffer[2] = 0x04;  // 1025 bytes would run past the image
    buffer[3] = 0x01;
    EXPECT_EQ(mcu->importPatchCode(buffer.data()), E_INVALIDARG);
    EXPECT_TRUE(sent().empty());
}

TEST_F(NolxTest, OnlyDolvImportsABaseMacroArea) {
    nolx::MacroAreaBytes area{};
    area[0] = 'M';
    area[16] = 0x21;
    area[17] = 0x00;
    for (ChipId chip : {ChipId::Qiro, ChipId::Mesk}) {
        open(chip);
        EXPECT_EQ(mcu->importBaseMacro(area.data()), E_FAIL);
        EXPECT_TRUE(sent().empty());
        mcu.reset();
        device->unplug();
    }
    open(ChipId::Dolv);
    ASSERT_EQ(mcu->importBaseMacro(area.data()), S_OK);
    EXPECT_EQ(sent().front(), BlockWriteReport(496, 512));
    nolx::MacroAreaBytes exported{};
    mcu->exportBaseMacro(exported.data());
    EXPECT_EQ(exported, area);
    // A macro appended afterwards keeps the imported one.
    const uint8_t header[16] = {'N'};
    const uint8_t data[] = {0x22, 0x00};
    ASSERT_EQ(mcu->setMacro(-1, header, data, 2), S_OK);
    EXPECT_EQ(memory()[512], 0x21);
    EXPECT_EQ(memory()[512 + 2 + 16], 0x22);
}

TEST_F(NolxTest, ChangeDataIsTheNextInputReportAndTheBytesBehindIt) {
    open(ChipId::Qiro);
    auto poll = std::async(std::launch::async, [&] {
        int report = 0;
        const HRESULT status = mcu->getChangeData(&report);
        return std::make_pair(status, report);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    firmware().pressDpiButton();
    ASSERT_EQ(poll.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    const auto [status, report] = poll.get();
    EXPECT_EQ(status, S_OK);
    EXPECT_EQ(report, 0x42 | 0x02 << 8 | 0x02 << 16);
    int gear = 0;
    ASSERT_EQ(mcu->getDataByAddress(&gear, 166), S_OK);
    EXPECT_EQ(gear, 2);  // 0-based on the device
    firmware().pressProfileButton();
    int mode = 0;
    ASSERT_EQ(mcu->getChangeData(&mode), S_OK);  // queued already
    mcu->getDataByAddress(&mode, 164);
    EXPECT_EQ(mode & 0x0F, 1);
}

TEST_F(NolxTest, ChangeDataFailsAtOnceWithoutADeviceAndAfterAnUnplug) {
    nolx::McuDevice unopened(nolx::ChipSettings(ChipId::Qiro));
    int value = 0;
    EXPECT_EQ(unopened.getChangeData(&value), E_FAIL);
    EXPECT_EQ(unopened.getDataByAddress(&value, 164), E_HANDLE);

    open(ChipId::Mesk);
    auto poll = std::async(std::launch::async, [&] {
        int report = 0;
        return mcu->getChangeData(&report);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    device->unplug();
    ASSERT_EQ(poll.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(poll.get(), E_FAIL);
    EXPECT_EQ(mcu->getChangeData(&value), E_FAIL);
    // A later open after the device is back reads again.
    device->plugBack();
    ASSERT_EQ(mcu->init(device_ids::kVendor, device_ids::kNolxProduct, 0), S_OK);
    firmware().pressDpiButton();
    EXPECT_EQ(mcu->getChangeData(&value), S_OK);
}
