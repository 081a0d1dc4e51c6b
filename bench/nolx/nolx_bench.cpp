// Feature-report transfers and specified pauses per operation of the
// Nolx-family libraries against the simulated controllers, beside the floor
// the protocol requires, and the library's own time per operation.
#include "devices/common/device_ids.h"
#include "devices/nolx/mcu_device.h"
#include "devices/sim/installed_platform.h"
#include "devices/sim/nolx_firmware.h"

#include <cstdio>
#include <functional>
#include <vector>

namespace {

using nolx::ChipId;

constexpr int kRepetitions = 100;
// A feature report is one USB control transfer: at least one 1 ms frame.
constexpr double kMsPerTransfer = 1.0;

unsigned BlockTransfers(unsigned length) { return 1 + (length + 6) / 7; }

double WallMs() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Floor {
    unsigned transfers;
    unsigned sleepMs;
};

class Bench {
public:
    explicit Bench(ChipId id) : chip_(nolx::ChipSettings(id)), mcu_(chip_) {
        switch (id) {
        case ChipId::Qiro:
            machine_->plugIn(hidsim::qiro());
            break;
        case ChipId::Dolv:
            machine_->plugIn(hidsim::dolv());
            break;
        case ChipId::Mesk:
            machine_->plugIn(hidsim::mesk());
            break;
        }
        mcu_.init(device_ids::kVendor, device_ids::kNolxProduct, 0);
        mcu_.readDeviceData();
    }

    void run() {
        const uint8_t header[16] = {'B', 0, 'e', 0, 'n', 0, 'c', 0, 'h', 0};
        const std::vector<uint8_t> macro = {0x04, 0x00, 0x10, 0x21, 0x04, 0x00, 0x10, 0xA1, 0x00};
        std::vector<uint8_t> image(nolx::kImageSize);
        int step = 0;

        measure("read all", {BlockTransfers(2048), 0}, [&] { mcu_.readDeviceData(); });
        measure("one DPI change", {3, 0}, [&] { mcu_.setCpiValue(1, step++ % 12); });
        measure("one key assignment",
                {BlockTransfers(49 * chip_.keyTables) + 5 + 2, 0}, [&] { mcu_.setMacroKey(1, 4, 1, 2, 0, 0); });
        measure("one macro upload", {BlockTransfers(512), 0},
                [&] { mcu_.setMacro(-1, header, macro.data(), static_cast<int>(macro.size())); },
                [&] { mcu_.setMacro(0, nullptr, nullptr, 0); });
        measure("export", {BlockTransfers(2048), 0}, [&] {
            if (chip_.id == ChipId::Qiro) {
                mcu_.getDeviceData(image.data(), static_cast<int>(image.size()));
            } else {
                mcu_.saveConfiguration(image.data());
            }
        });
        const unsigned reopen = chip_.commitReopens ? 2 : 0;
        measure("import", {BlockTransfers(2048) + 1 + reopen, chip_.commitPauseMs},
                [&] { mcu_.writeConfiguration(image.data()); });
    }

private:
    void measure(const char* name, Floor floor, const std::function<void()>& operation,
                 const std::function<void()>& undo = nullptr) {
        hidsim::Machine::Counters total;
        double ownMs = 0;
        for (int i = 0; i < kRepetitions; ++i) {
            machine_->resetCounters();
            const double start = WallMs();
            operation();
            ownMs += WallMs() - start;
            const hidsim::Machine::Counters counters = machine_->counters();
            total.setFeature += counters.setFeature;
            total.getFeature += counters.getFeature;
            total.sleptMs += counters.sleptMs;
            if (undo) undo();
        }
        const double transfers = static_cast<double>(total.transfers()) / kRepetitions;
        const double sleptMs = static_cast<double>(total.sleptMs) / kRepetitions;
        const double floorMs = floor.transfers * kMsPerTransfer + floor.sleepMs;
        const double ownUs = 1000.0 * ownMs / kRepetitions;
        std::printf("%-5s %-19s %9.1f %6u %9.1f %6u %9.1f %9.1f %8.4f%%\n", chip_.name, name, transfers,
                    floor.transfers, sleptMs, floor.sleepMs, floorMs, ownUs, ownUs / 10.0 / floorMs);
    }

    const nolx::Chip& chip_;
    hidsim::ScopedMachine machine_;
    nolx::McuDevice mcu_;
};

}  // namespace

int main() {
    std::printf("Nolx-family libraries over the simulated controllers, %d repetitions each\n", kRepetitions);
    std::printf("floor ms = floor transfers x %.0f ms + specified pauses\n", kMsPerTransfer);
    std::printf("own us = time per operation on the virtual clock (library and simulator CPU, no waiting)\n");
    std::printf("%-5s %-19s %9s %6s %9s %6s %9s %9s %9s\n", "chip", "operation", "transfers", "floor", "slept ms",
                "floor", "floor ms", "own us", "of floor");
    for (ChipId chip : {ChipId::Qiro, ChipId::Dolv, ChipId::Mesk}) Bench(chip).run();
    return 0;
}
