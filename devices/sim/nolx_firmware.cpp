#include "devices/sim/nolx_firmware.h"

#include "devices/common/device_ids.h"
#include "devices/nolx/default_blocks.h"
#include "devices/nolx/image_layout.h"
#include "devices/nolx/protocol.h"

#include <algorithm>
#include <atomic>
#include <cwchar>

namespace hidsim {

namespace {

using namespace nolx::command;
using nolx::kChangeReport;
using nolx::kCommandReport;
using nolx::kDataReport;
using nolx::kReportSize;
constexpr unsigned kChunk = nolx::kDataBytes;

struct Block {
    unsigned start;
    size_t size;
};

std::vector<Block> ChecksummedBlocks(const nolx::Chip& chip) {
    std::vector<Block> blocks = {{nolx::kMainBlock, nolx::kMainBlockSize}, {nolx::kBlock164, nolx::kBlock164Size}};
    for (unsigned t = 0; t < chip.keyTables; ++t) {
        blocks.push_back({nolx::kKeyTables + t * static_cast<unsigned>(nolx::kKeyTableSize), nolx::kKeyTableSize});
    }
    return blocks;
}

uint8_t SignatureFirstByte(nolx::ChipId chip) {
    switch (chip) {
    case nolx::ChipId::Dolv:
        return 0x41;
    case nolx::ChipId::Mesk:
        return 0x21;
    case nolx::ChipId::Qiro:
        break;
    }
    return 0x83;
}

uint8_t SignatureSecondByte(nolx::ChipId chip) { return chip == nolx::ChipId::Qiro ? 0x5A : 0x3A; }

}  // namespace

NolxFirmware::NolxFirmware(nolx::ChipId chip)
    : Firmware(nolx::kImageSize),
      chip_(nolx::ChipSettings(chip)),
      status_{SignatureFirstByte(chip), SignatureSecondByte(chip), nolx::kI2CMemory} {
    memory() = nolx::DefaultImage(chip_);
}

bool NolxFirmware::setFeature(const uint8_t* report, size_t length) {
    if (length != kReportSize) return false;
    bool committed = false;
    bool accepted = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (report[0] == kCommandReport) {
            accepted = command(report);
            committed = accepted && report[1] == kCommit;
        } else if (report[0] == kDataReport) {
            accepted = writeData(report + 1);
        }
    }
    if (committed) notifyCommitted();
    return accepted;
}

bool NolxFirmware::getFeature(uint8_t* report, size_t length) {
    if (length != kReportSize || report[0] != kDataReport) return false;
    std::lock_guard<std::mutex> lock(mutex_);
    if (window_ == Window::Status) {
        std::fill(report + 1, report + kReportSize, 0);
        std::copy(status_, status_ + 3, report + 1);
        window_ = Window::None;
        return true;
    }
    if (window_ != Window::Read) return false;
    readData(report + 1);
    return true;
}

bool NolxFirmware::command(const uint8_t* report) {
    window_ = Window::None;
    const unsigned address = report[2] * 256u + report[3];
    switch (report[1]) {
    case kRegisterWrite:
        if (chip_.ledRate == nolx::LedRateStore::MainByte || report[2] != 0x07) return false;
        if (report[3] != nolx::kLedRateRegister && report[3] != nolx::kLedModeRegister) return false;
        ledRegisters_[report[3]] = report[4];
        return true;
    case kSetBytes:
        if (report[7] < 1 || report[7] > 3) return false;
        setBytes(report[3], report + 4, report[7]);
        return true;
    case kReadArea:
        window_ = Window::Read;
        windowAddress_ = address;
        windowRemaining_ = report[5];
        return true;
    case kBlockWrite:
    case kBlockRead:
        window_ = report[1] == kBlockWrite ? Window::Write : Window::Read;
        windowAddress_ = address;
        windowRemaining_ = report[4] * 256u + report[5];
        if (windowRemaining_ == 0) window_ = Window::None;
        return true;
    case kStatusQuery:
        window_ = Window::Status;
        return true;
    case kCommit:
        ++commits_;
        return true;
    default:
        return false;
    }
}

bool NolxFirmware::writeData(const uint8_t* data) {
    if (window_ != Window::Write) return false;
    const unsigned count = std::min(kChunk, windowRemaining_);
    for (unsigned i = 0; i < count; ++i) {
        if (windowAddress_ + i < memory().size()) memory()[windowAddress_ + i] = data[i];
    }
    windowAddress_ += count;
    windowRemaining_ -= count;
    if (windowRemaining_ == 0) window_ = Window::None;
    return true;
}

void NolxFirmware::readData(uint8_t* data) {
    const unsigned count = std::min(kChunk, windowRemaining_);
    for (unsigned i = 0; i < kChunk; ++i) {
        const unsigned address = windowAddress_ + i;
        data[i] = i < count && address < memory().size() ? memory()[address] : 0x00;
    }
    windowAddress_ += count;
    windowRemaining_ -= count;
    if (windowRemaining_ == 0) window_ = Window::None;
}

void NolxFirmware::setBytes(unsigned address, const uint8_t* bytes, unsigned count) {
    std::copy_n(bytes, count, memory().begin() + address);
    resealBlocksTouching(address, address + count - 1);
}

void NolxFirmware::resealBlocksTouching(unsigned first, unsigned last) {
    for (const Block& block : ChecksummedBlocks(chip_)) {
        const unsigned checksum = block.start + static_cast<unsigned>(block.size) - 1;
        if (last < block.start || first >= checksum) continue;
        nolx::SealBlock(&memory()[block.start], block.size);
    }
}

void NolxFirmware::setStatusReply(uint8_t first, uint8_t second, uint8_t memoryKind) {
    std::lock_guard<std::mutex> lock(mutex_);
    status_[0] = first;
    status_[1] = second;
    status_[2] = memoryKind;
}

void NolxFirmware::sendChange(uint8_t kind, uint8_t value) {
    if (sendInput) sendInput({kChangeReport, kind, value, 0x00, 0, 0, 0, 0});
}

void NolxFirmware::pressProfileButton() {
    uint8_t mode = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        uint8_t& byte = memory()[nolx::kKeyModeByte];
        mode = static_cast<uint8_t>(((byte & 0x0F) + 1) % 3);
        byte = static_cast<uint8_t>((byte & 0xF0) | mode);
        resealBlocksTouching(nolx::kKeyModeByte, nolx::kKeyModeByte);
    }
    sendChange(0x01, mode);
}

void NolxFirmware::pressDpiButton() {
    uint8_t gear = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const unsigned levels = std::min<unsigned>(memory()[nolx::kCpiLevelCount] + 1u, nolx::kCpiLevels);
        uint8_t& byte = memory()[nolx::kGearByte];
        gear = static_cast<uint8_t>((byte + 1u) % levels);
        byte = gear;
        resealBlocksTouching(nolx::kGearByte, nolx::kGearByte);
    }
    sendChange(0x02, gear);
}

void NolxFirmware::corruptByte(unsigned address) {
    std::lock_guard<std::mutex> lock(mutex_);
    memory().at(address) ^= 0xFF;
}

unsigned NolxFirmware::commits() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return commits_;
}

int NolxFirmware::ledRegister(uint8_t reg) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = ledRegisters_.find(reg);
    return it == ledRegisters_.end() ? -1 : it->second;
}

namespace {

std::shared_ptr<Device> MakeNolxDevice(const char* family, nolx::ChipId chip) {
    static std::atomic<unsigned> instances{0};
    const uint16_t vendor = device_ids::kVendor;
    const uint16_t product = device_ids::kNolxProduct;
    const unsigned instance = ++instances;
    auto path = [&](const wchar_t* collection) {
        wchar_t text[160];
        std::swprintf(text, sizeof text / sizeof text[0],
                      L"\\\\?\\hid#vid_%04x&pid_%04x&%ls#8&%x&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
                      vendor, product, collection, instance);
        return std::wstring(text);
    };
    std::vector<InterfaceSpec> interfaces = {
        {path(L"mi_00"), vendor, product, 0, 5, false},
        {path(L"mi_01&col01"), vendor, product, 0, 3, true},
        {path(L"mi_01&col02"), vendor, product, 8, 8, true},
    };
    return std::make_shared<Device>(family, std::move(interfaces), std::make_unique<NolxFirmware>(chip));
}

}  // namespace

std::shared_ptr<Device> qiro() { return MakeNolxDevice("qiro", nolx::ChipId::Qiro); }
std::shared_ptr<Device> dolv() { return MakeNolxDevice("dolv", nolx::ChipId::Dolv); }
std::shared_ptr<Device> mesk() { return MakeNolxDevice("mesk", nolx::ChipId::Mesk); }

}  // namespace hidsim
