#include "devices/sim/wenk_firmware.h"

#include "devices/wenk/default_image.h"

namespace hidsim {

namespace {

constexpr uint8_t kCommandReport = 8;
constexpr uint8_t kDataReport = 7;
constexpr size_t kChunk = 7;

}  // namespace

WenkFirmware::WenkFirmware() : Firmware(wenk::kMemorySize) {
    const auto image = wenk::defaultImage();
    memory().assign(image.begin(), image.end());
}

bool WenkFirmware::setFeature(const uint8_t* report, size_t length) {
    if (length != 8) return false;
    std::vector<uint8_t>& stored = memory();
    if (report[0] == kCommandReport) {
        const size_t address = report[2] | report[3] << 8;
        const size_t count = report[4] | report[5] << 8;
        switch (report[1]) {
        case 5: readWindow_.open(address, count, stored.size()); break;
        case 6: writeWindow_.open(address, count, stored.size()); break;
        case 7: ++reloads_; break;
        default: break;
        }
        return true;
    }
    if (report[0] != kDataReport) return false;
    if (writeWindow_.complete()) return true;
    for (size_t i = 0; i < kChunk; ++i) {
        size_t index = 0;
        if (writeWindow_.next(index)) stored[index] = report[1 + i];
    }
    if (writeWindow_.complete()) notifyCommitted();
    return true;
}

bool WenkFirmware::getFeature(uint8_t* report, size_t length) {
    if (length != 8 || report[0] != kDataReport) return false;
    for (size_t i = 0; i < kChunk; ++i) {
        size_t index = 0;
        report[1 + i] = readWindow_.next(index) ? memory()[index] : 0;
    }
    return true;
}

std::shared_ptr<Device> makeWenkDevice() {
    const uint16_t vendor = device_ids::kVendor, product = device_ids::kWenkProduct;
    std::vector<InterfaceSpec> interfaces = {
        {interfacePath(product, L"mi_00"), vendor, product, 0, 9, false},        // keyboard, held by the system
        {interfacePath(product, L"mi_01&col01"), vendor, product, 0, 8, false},  // mouse, held by the system
        {interfacePath(product, L"mi_01&col02"), vendor, product, 0, 3, true},   // consumer control
        {interfacePath(product, L"mi_02"), vendor, product, 8, 0, true},         // vendor collection
    };
    return std::make_shared<Device>("wenk", std::move(interfaces), std::make_unique<WenkFirmware>());
}
}  // namespace hidsim
