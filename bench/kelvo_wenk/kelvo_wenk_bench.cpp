// Transfers and simulated sleep time of the Kelvo and Wenk library operations
// against the least the protocols require, with the CPU time of one operation
// (library and simulated controller together). The simulated bus runs on a
// virtual clock, so sleeps cost no wall time.
#include "devices/common/device_ids.h"
#include "devices/kelvo/fields.h"
#include "devices/kelvo/kelvo_device.h"
#include "devices/sim/installed_platform.h"
#include "devices/sim/kelvo_firmware.h"
#include "devices/sim/wenk_firmware.h"
#include "devices/wenk/wenk_device.h"

#include <array>
#include <cstdio>
#include <functional>

namespace {

struct Floor {
    unsigned transfers;
    unsigned sleptMs;
};

// An acknowledged Kelvo command is one request and one poll, and the 5 ms
// sleep after the request.
constexpr Floor kelvoCommands(unsigned commands) { return {2 * commands, 5 * commands}; }

// A Wenk block is one command report and one data report per 7 bytes.
constexpr unsigned wenkBlock(unsigned length) { return 1 + (length + 6) / 7; }

double threadCpuMicroseconds() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    auto micros = [](const FILETIME& time) {
        return (static_cast<double>(time.dwHighDateTime) * 4294967296.0 + time.dwLowDateTime) / 10.0;
    };
    return micros(kernel) + micros(user);
}

double wallMicroseconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

// Repeats the operation for at least 200 ms of wall time, so that the coarse
// thread clock yields a figure.
void measure(hidsim::Machine& machine, const char* name, Floor floor, const std::function<bool()>& operation) {
    machine.resetCounters();
    const double cpuStart = threadCpuMicroseconds(), wallStart = wallMicroseconds();
    bool ok = true;
    unsigned repetitions = 0;
    do {
        ok = operation() && ok;
        ++repetitions;
    } while (wallMicroseconds() - wallStart < 200000.0);
    const double cpu = (threadCpuMicroseconds() - cpuStart) / repetitions;
    const double wall = (wallMicroseconds() - wallStart) / repetitions;
    const auto counters = machine.counters();
    std::printf("%-36s %9u %7u %10.1f %7u %10.1f %10.1f%s\n", name, counters.transfers() / repetitions,
                floor.transfers, static_cast<double>(counters.sleptMs) / repetitions, floor.sleptMs, cpu, wall,
                ok ? "" : "  FAILED");
}

}  // namespace

int main() {
    hidsim::ScopedMachine machine;
    auto mouse = hidsim::makeKelvoDevice();
    auto keyboard = hidsim::makeWenkDevice();
    machine->plugIn(mouse);
    machine->plugIn(keyboard);

    kelvo::KelvoDevice kelvoDevice;
    wenk::WenkDevice wenkDevice;
    if (kelvoDevice.open(device_ids::kVendor, device_ids::kKelvoProduct) != S_OK ||
        !wenkDevice.open(device_ids::kVendor, device_ids::kWenkProduct)) {
        std::fprintf(stderr, "the simulated controllers cannot be opened\n");
        return 1;
    }

    std::printf("%-36s %9s %7s %10s %7s %10s %10s\n", "operation", "transfers", "floor", "slept ms", "floor",
                "cpu us/op", "wall us/op");
    // Handshake (2 commands), window, 342 chunks, commit, transaction end.
    const Floor wholeImage = kelvoCommands(2 + 1 + 342 + 2);
    measure(*machine, "Kelvo whole-image read", wholeImage, [&] { return kelvoDevice.readImage() == S_OK; });
    measure(*machine, "Kelvo whole-image write", wholeImage, [&] { return kelvoDevice.writeImage() == S_OK; });
    // Four windows with 5 + 4 + 5 + 43 chunks.
    measure(*machine, "Kelvo fire-data write", kelvoCommands(2 + 4 + 57 + 2),
            [&] { return kelvoDevice.writeFireData() == S_OK; });
    mouse->firmwareAs<hidsim::KelvoFirmware>().setPollsBeforeReply(1);
    measure(*machine, "Kelvo read, reply on the 2nd poll", wholeImage,
            [&] { return kelvoDevice.readImage() == S_OK; });
    mouse->firmwareAs<hidsim::KelvoFirmware>().setPollsBeforeReply(0);

    std::array<uint8_t, wenk::kProfileSize> block{};
    measure(*machine, "Wenk profile read", {wenkBlock(217), 0},
            [&] { return wenkDevice.readProfile(0, block.data()) == S_OK; });
    measure(*machine, "Wenk profile write", {wenkBlock(217), 0},
            [&] { return wenkDevice.writeProfile(0, block.data()) == S_OK; });
    std::array<uint8_t, wenk::kMacroNameSize> name{};
    std::array<uint8_t, wenk::kMacroDataSize> data{};
    measure(*machine, "Wenk macro slot write", {wenkBlock(2) + wenkBlock(32) + wenkBlock(144), 0},
            [&] { return wenkDevice.writeMacro(2, name.data(), data.data()) == S_OK; });
    return 0;
}
