#include "devices/nolx/mcu_device.h"

#include <algorithm>
#include <mutex>

namespace nolx {

McuDevice::McuDevice(const Chip& chip) : chip_(chip), image_(kImageSize, 0) {
    copies_.fireRange.assign(chip.fireRangeLength, 0);
    values_ = DeriveFieldValues(chip_, copies_);
    if (chip.runsChangeListener) listener_ = std::make_unique<ChangeListener>(transport_);
}

McuDevice::~McuDevice() {
    if (listener_) listener_->requestStop();
    transport_.close();
    listener_.reset();
}

HRESULT McuDevice::init(int vendorId, int productId, int flag) {
    values_.vendorId = vendorId;
    values_.productId = productId;
    if (!transport_.open(vendorId & 0xFFFF, productId & 0xFFFF)) return E_FAIL;
    if (listener_) listener_->deviceReopened();
    const HRESULT status = queryMemoryKind();
    initFlag_ = flag;
    return status;
}

HRESULT McuDevice::queryMemoryKind() {
    std::lock_guard<TransferLock> guard(transport_.lock());
    const HRESULT status = transport_.sendCommand(command::kStatusQuery);
    transport_.readDataReport();
    const Transport::DataBuffer& reply = transport_.data();
    if (!chip_.acceptsStatus(reply[0], reply[1])) {
        memoryKind_ = MemoryKind::Unknown;
        return E_FAIL;
    }
    if (reply[2] == kFlashMemory) memoryKind_ = MemoryKind::Flash;
    if (reply[2] == kI2CMemory) memoryKind_ = MemoryKind::I2C;
    return status;
}

HRESULT McuDevice::commit() {
    hid::platform().sleepMs(chip_.commitPauseMs);
    const HRESULT status = transport_.sendCommand(command::kCommit);
    // Dolv and Mesk come back as a new device after a commit.
    if (chip_.commitReopens) init(values_.vendorId, values_.productId, initFlag_);
    return status;
}

HRESULT McuDevice::readDeviceData() {
    const HRESULT status = readAllConfiguration();
    if (listener_) listener_->startOnce();
    return status;
}

HRESULT McuDevice::readAllConfiguration() {
    const HRESULT status = transport_.readBlock(0, kImageSize, image_.data());
    LoadWorkingCopies(chip_, image_.data(), memoryKind_, copies_);
    values_ = DeriveFieldValues(chip_, copies_);
    macros_ = ParseMacroArea(copies_.macroArea);
    return status;
}

HRESULT McuDevice::writeMainBlock() {
    SealBlock(copies_.main.data(), kMainBlockSize);
    return transport_.writeBlock(kMainBlock, kMainBlockSize, copies_.main.data());
}

HRESULT McuDevice::writeBlock164() {
    SealBlock(copies_.block164.data(), kBlock164Size);
    return transport_.writeBlock(kBlock164, kBlock164Size, copies_.block164.data());
}

HRESULT McuDevice::reloadKeyAssignments() {
    StatusChain chain;
    std::array<uint8_t, kBlock164Size> fresh{};
    // A failed refresh, or one whose checksum is wrong (a damaged answer), keeps
    // the copy: its key-mode byte goes back to the controller below.
    const HRESULT read = chain.add(transport_.readArea(0, kBlock164, kBlock164Size, fresh.data()));
    if (SUCCEEDED(read) && BlockIsSealed(fresh.data(), kBlock164Size)) copies_.block164 = fresh;
    chain.add(transport_.setBytes(kKeyModeByte, 15, 0, 0, 1));
    chain.add(transport_.setBytes(kKeyModeByte, copies_.block164[0], 0, 0, 1));
    return chain.result();
}

void McuDevice::takeMouseOwnBytes(uint8_t keyMode, uint8_t gear) {
    copies_.block164[kKeyModeByte - kBlock164] = keyMode;
    copies_.block164[kGearByte - kBlock164] = gear;
    values_.keyMode = keyMode & 0x0F;
    values_.keyModeHighNibble = keyMode >> 4;
    values_.gear = gear;
}

void McuDevice::readMouseOwnBlock164() {
    std::array<uint8_t, kBlock164Size> fresh{};
    const HRESULT status = transport_.readBlock(kBlock164, kBlock164Size, fresh.data());
    if (FAILED(status) || !BlockIsSealed(fresh.data(), kBlock164Size)) return;
    takeMouseOwnBytes(fresh[kKeyModeByte - kBlock164], fresh[kGearByte - kBlock164]);
}

void McuDevice::readMouseOwnBytes() {
    std::array<uint8_t, kDataBytes> fresh{};
    if (FAILED(transport_.readBlock(kBlock164, kDataBytes, fresh.data()))) return;
    const uint8_t keyMode = fresh[kKeyModeByte - kBlock164];
    const uint8_t gear = fresh[kGearByte - kBlock164];
    // The buttons change only the mode's low nibble and the level: an answer
    // that differs from the copy anywhere else, or holds no mode or level,
    // is damaged.
    std::array<uint8_t, kDataBytes> expected{};
    std::copy_n(copies_.block164.begin(), kDataBytes, expected.begin());
    expected[kKeyModeByte - kBlock164] = static_cast<uint8_t>((expected[0] & 0xF0) | (keyMode & 0x0F));
    expected[kGearByte - kBlock164] = gear;
    if (fresh == expected && (keyMode & 0x0F) <= 2 && gear < kCpiLevels) takeMouseOwnBytes(keyMode, gear);
}

}  // namespace nolx
