#include "tests/app/pages/simulated_nolx.h"

#include "app/core/binder/device_binder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

// The trace file the test's environment names.
std::filesystem::path TraceFile() {
    const wchar_t* name = _wgetenv(L"HIDSIM_TRACE");
    return std::filesystem::path(name ? name : L"");
}

std::vector<std::string> AllLines() {
    std::vector<std::string> lines;
    std::ifstream in{TraceFile()};
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

void ForgetEarlierRuns() {
    std::error_code ignored;
    std::filesystem::remove(TraceFile(), ignored);
}

TraceReader::TraceReader() : taken_(AllLines().size()) {}

std::vector<std::string> TraceReader::Take() {
    std::vector<std::string> lines = AllLines();
    std::vector<std::string> fresh(lines.begin() + static_cast<std::ptrdiff_t>(std::min(taken_, lines.size())), lines.end());
    taken_ = lines.size();
    return fresh;
}

std::vector<std::string> TraceReader::TakeWrites() {
    std::vector<std::string> writes;
    for (const std::string& line : Take()) {
        if (line.rfind("SET ", 0) == 0) writes.push_back(line);
    }
    return writes;
}

std::vector<uint8_t> ControllerMemory(const NolxFamilyTraits& family) {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(family.library);
    std::vector<uint8_t> image(2048, 0);
    if (family.readImage(binder.Entries(), image.data()) != 0) image.clear();
    return image;
}

std::string Hex(uint8_t byte) {
    char text[3];
    std::snprintf(text, sizeof text, "%02x", byte);
    return text;
}
