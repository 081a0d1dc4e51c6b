// The default configuration files the pages' reset imports.
#include "devices/nolx/default_blocks.h"
#include "devices/nolx/image_layout.h"
#include "library_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace nolx_test;

namespace {

std::vector<uint8_t> DefaultFile(const wchar_t* variant, const wchar_t* name) {
    std::ifstream in((BuildFolder() + variant + L"\\" + name).c_str(), std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int Steps(const std::vector<uint8_t>& image, int level) {
    const uint8_t pair = image[nolx::kCpiSteps + level / 2];
    return level % 2 ? pair >> 4 : pair & 0x0F;
}

}  // namespace

TEST(NolxDefaultFiles, AreTheFactoryImagesBesideBothVariants) {
    for (const wchar_t* variant : {L"bin", L"bin-sim"}) {
        EXPECT_EQ(DefaultFile(variant, L"TevkNolx005AData_Cfg1.bin"),
                  nolx::DefaultImage(nolx::ChipSettings(nolx::ChipId::Qiro)));
        EXPECT_EQ(DefaultFile(variant, L"TevkDolvBData_Cfg1.bin"),
                  nolx::DefaultImage(nolx::ChipSettings(nolx::ChipId::Dolv)));
        EXPECT_EQ(DefaultFile(variant, L"TevkMeskBData_Cfg1.bin"),
                  nolx::DefaultImage(nolx::ChipSettings(nolx::ChipId::Mesk)));
    }
}

TEST(NolxDefaultFiles, MeskPresetsDifferOnlyInTheirSealedDpiLevels) {
    const std::vector<uint8_t> balanced = DefaultFile(L"bin", L"TevkMeskBData_Cfg1.bin");
    const std::vector<uint8_t> precision = DefaultFile(L"bin", L"TevkMeskBData_Cfg2.bin");
    const std::vector<uint8_t> speed = DefaultFile(L"bin", L"TevkMeskBData_Cfg3.bin");
    for (const auto* image : {&precision, &speed}) {
        ASSERT_EQ(image->size(), 2048u);
        EXPECT_TRUE(nolx::BlockIsSealed(image->data(), nolx::kMainBlockSize));
        EXPECT_TRUE(std::equal(image->begin() + 164, image->end(), balanced.begin() + 164));
    }
    EXPECT_EQ(precision[nolx::kCpiLevelCount], 3);
    EXPECT_EQ(Steps(precision, 0), 1);
    EXPECT_EQ(Steps(precision, 3), 4);
    EXPECT_EQ(speed[nolx::kCpiLevelCount], 5);
    EXPECT_EQ(Steps(speed, 5), 11);
    EXPECT_EQ(Steps(speed, 6), 0);
}

TEST(NolxDefaultFiles, EveryFireKeyFiresAtAnInterval) {
    for (nolx::ChipId id : {nolx::ChipId::Qiro, nolx::ChipId::Dolv, nolx::ChipId::Mesk}) {
        const nolx::Chip& chip = nolx::ChipSettings(id);
        const std::vector<uint8_t> image = nolx::DefaultImage(chip);
        for (unsigned key = 0; key < nolx::kFireKeys; ++key) {
            const uint8_t* entry = &image[chip.fireKeyBlock + 2 + 3 * key];
            EXPECT_NE(entry[1] * 256 + entry[2], 0) << chip.name << " fire key " << key;
        }
    }
}
