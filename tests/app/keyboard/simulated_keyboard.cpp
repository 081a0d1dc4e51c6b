#include "tests/app/keyboard/simulated_keyboard.h"

#include "tests/app/support/temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::wstring Environment(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value ? value : L"";
}

}  // namespace

std::vector<uint8_t> SimulatedMemory() { return FileBytes(Environment(L"HIDSIM_STATE_DIR") + L"\\wenk.bin"); }

std::vector<std::string> TraceLines() {
    std::ifstream in(Environment(L"HIDSIM_TRACE").c_str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> KeyboardCommands(size_t first) {
    const std::vector<std::string> lines = TraceLines();
    std::vector<std::string> commands;
    for (size_t i = first; i < lines.size(); ++i) {
        std::istringstream words(lines[i]);
        std::string kind, family;
        unsigned report = 0, command = 0, low = 0, high = 0;
        words >> kind >> family >> std::hex >> report >> command >> low >> high;
        if (kind != "SET" || family != "wenk" || report != 0x08) continue;
        char text[32];
        if (command == 0x06) {
            std::snprintf(text, sizeof(text), "write 0x%04X", high << 8 | low);
            commands.push_back(text);
        } else if (command == 0x07) {
            commands.push_back("reload");
        }
    }
    return commands;
}
