#include "devices/sim/kelvo_firmware.h"

#include "devices/kelvo/default_image.h"

namespace hidsim {

namespace {

constexpr uint8_t kReportId = 4;
constexpr uint8_t kAcknowledged = 0xCC;
constexpr size_t kChunk = 6;

}  // namespace

KelvoFirmware::KelvoFirmware() : Firmware(kelvo::kImageSize) {
    const auto image = kelvo::defaultImage();
    memory().assign(image.begin(), image.end());
}

void KelvoFirmware::setIdentity(uint8_t chipId, bool ready) {
    chipId_ = chipId;
    ready_ = ready;
}

void KelvoFirmware::refuseCommand(uint8_t code, bool refuse) { refused_[code] = refuse; }

unsigned KelvoFirmware::commandCount(uint8_t code) const { return commands_[code]; }

bool KelvoFirmware::setFeature(const uint8_t* report, size_t length) {
    if (length != 8 || report[0] != kReportId) return false;
    const uint8_t code = report[1];
    ++commands_[code];
    reply_ = {kReportId, code, 0, 0, 0, 0, 0, kAcknowledged};
    pollsLeft_ = pollsBeforeReply_;
    if (refused_[code] || code < 1 || code > 8) {
        reply_[7] = kRefused;
        return true;
    }
    execute(report);
    return true;
}

void KelvoFirmware::execute(const uint8_t* report) {
    const size_t address = report[2] | report[3] << 8;
    const size_t length = report[4] | report[5] << 8;
    std::vector<uint8_t>& stored = memory();
    switch (report[1]) {
    case 2: staged_.reset(); break;
    case 3:
        reply_[2] = ready_ ? 0x04 : 0x00;
        reply_[3] = chipId_;
        break;
    case 4: readWindow_.open(address, length, stored.size()); break;
    case 5: {
        uint8_t bytes[kChunk] = {};
        for (uint8_t& byte : bytes) {
            size_t index = 0;
            if (readWindow_.next(index)) byte = stored[index];
        }
        std::copy_n(bytes, kChunk, reply_.begin() + 1);
        break;
    }
    case 6:
        writeWindow_.open(address, length, stored.size());
        if (!staged_) staged_ = stored;
        break;
    case 7:
        for (size_t i = 0; i < kChunk; ++i) {
            size_t index = 0;
            if (writeWindow_.next(index) && staged_) (*staged_)[index] = report[2 + i];
        }
        break;
    case 8:
        if (staged_) stored = *staged_;
        staged_.reset();
        notifyCommitted();
        break;
    default: break;  // 1: a transaction starts; nothing is kept for it
    }
}

bool KelvoFirmware::getFeature(uint8_t* report, size_t length) {
    if (length != 8 || report[0] != kReportId) return false;
    if (pollsLeft_ > 0) {
        if (pollsLeft_ != kNeverReplies) --pollsLeft_;
        std::fill(report, report + length, 0);
        report[0] = kReportId;
        return true;
    }
    std::copy(reply_.begin(), reply_.end(), report);
    return true;
}

std::shared_ptr<Device> makeKelvoDevice() {
    const uint16_t vendor = device_ids::kVendor, product = device_ids::kKelvoProduct;
    std::vector<InterfaceSpec> interfaces = {
        {interfacePath(product, L"mi_00"), vendor, product, 0, 7, false},        // mouse, held by the system
        {interfacePath(product, L"mi_01&col01"), vendor, product, 0, 3, true},   // consumer control
        {interfacePath(product, L"mi_01&col02"), vendor, product, 8, 8, true},   // vendor collection
    };
    return std::make_shared<Device>("kelvo", std::move(interfaces), std::make_unique<KelvoFirmware>());
}
}  // namespace hidsim
