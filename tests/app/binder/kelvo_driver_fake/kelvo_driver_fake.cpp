// A stand-in for the Kelvo driver library, which is not delivered: it keeps
// what it is given in memory and answers it back, for the binder's tests.
#include "devices/common/device_ids.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

namespace {

constexpr int kLevels = 7;
constexpr int kButtons = 9;
constexpr size_t kMacroData = 2048;
constexpr size_t kImage = 40960;

struct Macro {
    std::array<uint8_t, 32> name{};
    std::vector<uint8_t> data;
};

struct State {
    bool open = false;
    int keyMode = 0;
    int fireCount = 0;
    int fireTime = 0;
    int cpiStep = 0;
    int currentCpi = 0;
    int lcpi = 0;
    int b4cpi = 0;
    int cpiValue[kLevels] = {};
    int cpiColour[kLevels][3] = {};
    uint8_t buttons[2][kButtons][3] = {};
    uint8_t ledCpi[4] = {};
    std::map<int, Macro> macros;
    std::vector<uint8_t> image = std::vector<uint8_t>(kImage, 0xFF);
} state;

bool ValidLevel(int level) { return level >= 1 && level <= kLevels; }
bool ValidIndex(int index, int count) { return index >= 0 && index < count; }
int Table(int set) { return set == 0 ? 0 : 1; }
size_t MacroLength(const uint8_t* data) { return std::min(((size_t(data[1]) << 8) | data[2]) + 3, kMacroData); }

}  // namespace

extern "C" {

int __stdcall InitMCUDevice_Kelvo_Driver(int vendorId, int productId) {
    state.open = vendorId == device_ids::kVendor && productId == device_ids::kKelvoProduct;
    return state.open ? 0 : 1;
}
int __stdcall CloseMCUDevice_Kelvo_Driver() {
    const bool wasOpen = state.open;
    state.open = false;
    return wasOpen ? 0 : 1;
}
int __stdcall ReadMCUDevice_Kelvo_Driver() { return state.open ? 0 : 1; }
int __stdcall WriteMCUDevice_Kelvo_Driver() { return state.open ? 0 : -1; }

int __stdcall Device_Get_Key_Mode_Kelvo_Driver(int* mode) { *mode = state.keyMode; return 0; }
int __stdcall Device_Set_Key_Mode_Kelvo_Driver(int mode) { state.keyMode = mode ? 1 : 0; return 0; }
int __stdcall Device_Get_Fire_Count_Kelvo_Driver(int* count) { *count = state.fireCount; return 0; }
int __stdcall Device_Set_Fire_Count_Kelvo_Driver(int count) { state.fireCount = count & 0xFF; return 0; }
int __stdcall Device_Get_Fire_Time_Kelvo_Driver(int* time) { *time = state.fireTime; return 0; }
int __stdcall Device_Set_Fire_Time_Kelvo_Driver(int time) { state.fireTime = time & 0xFF; return 0; }
int __stdcall Device_Get_CPI_Step_Kelvo_Driver(int* step) { *step = state.cpiStep; return 0; }
int __stdcall Device_Set_CPI_Step_Kelvo_Driver(int step) { state.cpiStep = step & 0xFF; return 0; }
int __stdcall Device_Get_Current_CPI_Kelvo_Driver(int* level) { *level = state.currentCpi; return 0; }
int __stdcall Device_Set_Current_CPI_Kelvo_Driver(int level) { state.currentCpi = level & 0xFF; return 0; }
int __stdcall Device_Get_Led_LCPI_Kelvo_Driver(int* on) { *on = state.lcpi; return 0; }
int __stdcall Device_Set_Led_LCPI_Kelvo_Driver(int on) { state.lcpi = on ? 1 : 0; return 0; }
int __stdcall Device_Get_Led_B4CPI_Kelvo_Driver(int* on) { *on = state.b4cpi; return 0; }
int __stdcall Device_Set_Led_B4CPI_Kelvo_Driver(int on) { state.b4cpi = on ? 1 : 0; return 0; }

int __stdcall Device_Get_CPI_Value_Kelvo_Driver(int* value, int index) {
    if (!ValidIndex(index, kLevels)) return -1;
    *value = state.cpiValue[index];
    return 0;
}
int __stdcall Device_Set_CPI_Value_Kelvo_Driver(int value, int index) {
    if (!ValidIndex(index, kLevels)) return -1;
    state.cpiValue[index] = value & 0xFF;
    return 0;
}
int __stdcall Device_Get_CPI_RGB_Kelvo_Driver(int* red, int* green, int* blue, int level) {
    if (!ValidLevel(level)) return -1;
    *red = state.cpiColour[level - 1][0];
    *green = state.cpiColour[level - 1][1];
    *blue = state.cpiColour[level - 1][2];
    return 0;
}
int __stdcall Device_Set_CPI_RGB_Kelvo_Driver(int red, int green, int blue, int level) {
    if (!ValidLevel(level)) return -1;
    state.cpiColour[level - 1][0] = red & 0xFF;
    state.cpiColour[level - 1][1] = green & 0xFF;
    state.cpiColour[level - 1][2] = blue & 0xFF;
    return 0;
}

int __stdcall Device_Get_Pro_File_Data_Kelvo_Driver(int set, int index, uint8_t* b0, uint8_t* b1, uint8_t* b2) {
    if (!ValidIndex(index, kButtons)) return -1;
    const uint8_t* entry = state.buttons[Table(set)][index];
    *b0 = entry[0];
    *b1 = entry[1];
    *b2 = entry[2];
    return 0;
}
int __stdcall Device_Set_Pro_File_Data_Kelvo_Driver(int set, int index, int b0, int b1, int b2) {
    if (!ValidIndex(index, kButtons)) return -1;
    uint8_t* entry = state.buttons[Table(set)][index];
    entry[0] = static_cast<uint8_t>(b0);
    entry[1] = static_cast<uint8_t>(b1);
    entry[2] = static_cast<uint8_t>(b2);
    return 0;
}

int __stdcall Device_Get_Marco_Buffer_Kelvo_Driver(int address, uint8_t* name32, uint8_t* data) {
    const auto found = state.macros.find(address);
    if (found == state.macros.end()) return -1;
    std::memcpy(name32, found->second.name.data(), 32);
    std::copy(found->second.data.begin(), found->second.data.end(), data);
    return 0;
}
int __stdcall Device_Set_Marco_Buffer_Kelvo_Driver(int address, const uint8_t* name32, const uint8_t* data) {
    Macro& macro = state.macros[address];
    std::memcpy(macro.name.data(), name32, 32);
    macro.data.assign(data, data + MacroLength(data));
    return 0;
}

int __stdcall Device_WriteLedCPIData_Kelvo_Driver(int b0, int b1, int b2, int b3) {
    const int bytes[] = {b0, b1, b2, b3};
    for (int i = 0; i < 4; ++i) state.ledCpi[i] = static_cast<uint8_t>(bytes[i]);
    return state.open ? 0 : -1;
}

int __stdcall Device_Get_Device_Data_Kelvo_Driver(uint8_t* buffer, int count) {
    if (count < 0 || static_cast<size_t>(count) > kImage) return -1;
    std::memcpy(buffer, state.image.data(), static_cast<size_t>(count));
    return 0;
}
int __stdcall Device_Set_Device_Data_Kelvo_Driver(const uint8_t* image, int size) {
    if (!state.open || size < 0 || static_cast<size_t>(size) > kImage) return -1;
    std::memcpy(state.image.data(), image, static_cast<size_t>(size));
    return 0;
}

}  // extern "C"
