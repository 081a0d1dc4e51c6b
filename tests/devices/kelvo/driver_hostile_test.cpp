// Damaged 40960-byte images imported into the simulated Kelvo driver library
// and read back: every getter, macro and whole-image copy stays inside the
// image and the caller's buffers.
#include "devices/common/device_ids.h"
#include "devices/sim/kelvo_driver/driver_image.h"
#include "library_exports.h"
#include "tests/support/guarded_bytes.h"
#include "tests/support/mutator.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using hostile::GuardedBytes;
using library_exports::builtFile;
using library_exports::Library;
using Image = std::vector<uint8_t>;
namespace driver = kelvo_driver;

template <class Function>
Function* Entry(const Library& library, const char* name) {
    Function* entry = library.entry<Function>(name);
    EXPECT_NE(entry, nullptr) << name;
    return entry;
}

// The factory image, the same with a macro at number 0x120 played by button 0,
// and a memory of zeros.
std::vector<Image> Seeds() {
    Image withMacro = driver::defaultImage();
    const uint8_t data[] = {0x01, 0x00, 0x05, 0xFD, 0x00, 0x82, 0x04, 0xFC, 0x5A};
    std::copy(std::begin(data), std::end(data), withMacro.begin() + 0x120);
    withMacro[driver::address::kKeySets[0] + 1] = 0x01;
    withMacro[driver::address::kKeySets[0] + 2] = 0x20;
    return {driver::defaultImage(), withMacro, Image(driver::kImageSize, 0)};
}

TEST(KelvoDriverHostileImages, ImportedImagesAnswerEveryGetterWithinTheirBuffers) {
    SetEnvironmentVariableW(L"HIDSIM_DEVICES", L"kelvo");
    Library library(builtFile(L"bin-sim", L"KorvaneIT_Kelvo_Driver.dll"));
    ASSERT_NE(library.module(), nullptr);
    using IntOut = int __stdcall(int*);
    auto init = Entry<int __stdcall(int, int)>(library, "InitMCUDevice_Kelvo_Driver");
    auto read = Entry<int __stdcall()>(library, "ReadMCUDevice_Kelvo_Driver");
    auto setImage = Entry<int __stdcall(const uint8_t*, int)>(library, "Device_Set_Device_Data_Kelvo_Driver");
    auto getImage = Entry<int __stdcall(uint8_t*, int)>(library, "Device_Get_Device_Data_Kelvo_Driver");
    auto getButton =
        Entry<int __stdcall(int, int, uint8_t*, uint8_t*, uint8_t*)>(library, "Device_Get_Pro_File_Data_Kelvo_Driver");
    auto getMacro = Entry<int __stdcall(int, uint8_t*, uint8_t*)>(library, "Device_Get_Marco_Buffer_Kelvo_Driver");
    auto getValue = Entry<int __stdcall(int*, int)>(library, "Device_Get_CPI_Value_Kelvo_Driver");
    auto getColour = Entry<int __stdcall(int*, int*, int*, int)>(library, "Device_Get_CPI_RGB_Kelvo_Driver");
    std::vector<IntOut*> singles;
    for (const char* field :
         {"Key_Mode", "Fire_Count", "Fire_Time", "CPI_Step", "Current_CPI", "Led_LCPI", "Led_B4CPI"}) {
        singles.push_back(Entry<IntOut>(library, (std::string("Device_Get_") + field + "_Kelvo_Driver").c_str()));
    }
    ASSERT_FALSE(HasFailure());
    ASSERT_EQ(init(device_ids::kVendor, device_ids::kKelvoProduct), 0);

    const std::vector<Image> seeds = Seeds();
    const std::vector<Image> tokens = {{0xFF}, {0x00}, {0x01, 0x20}, {0x07, 0xFF}, {0xFF, 0xFF, 0xFF}};
    GuardedBytes name(driver::kMacroNameSize), data(driver::kMacroDataMax), whole(driver::kImageSize);
    hostile::Mutator mutator(0x4B445249);
    int macros = 0;
    for (int round = 0; round < 5000; ++round) {
        const GuardedBytes image(mutator.MutateInPlace(seeds, tokens));
        ASSERT_EQ(setImage(image.data(), static_cast<int>(image.size())), 0);
        ASSERT_EQ(read(), 0);
        int value = 0, red = 0, green = 0, blue = 0;
        for (IntOut* get : singles) get(&value);
        for (int level = -1; level <= driver::kLevels + 1; ++level) {
            getValue(&value, level);
            getColour(&red, &green, &blue, level);
        }
        for (int set = 0; set < 2; ++set) {
            for (int button = -1; button <= driver::kButtons; ++button) {
                uint8_t b0 = 0, b1 = 0, b2 = 0;
                if (getButton(set, button, &b0, &b1, &b2) != 0) continue;
                macros += getMacro(b1 << 8 | b2, name.data(), data.data()) == 0;
            }
        }
        for (int i = 0; i < 4; ++i) {
            getMacro(static_cast<int>(mutator.Below(driver::kImageSize + 64)) - 32, name.data(), data.data());
        }
        ASSERT_EQ(getImage(whole.data(), static_cast<int>(whole.size())), 0);
        ASSERT_TRUE(std::equal(image.data(), image.data() + image.size(), whole.data()));
    }
    EXPECT_GT(macros, 0);
}

}  // namespace
