// Damaged keyboard data: the 216-byte profile blocks the keyboard answers and
// the "DefaultData_1.bin" the program reads its default keys from.
#include "app/core/files/config_file_store.h"
#include "app/core/keys/wenk_key_texts.h"
#include "app/core/keys/wenk_profile_block.h"
#include "app/core/settings/constants.h"
#include "binder_fakes.h"
#include "key_container.h"
#include "tests/app/support/temp_folder.h"
#include "tests/support/guarded_bytes.h"
#include "tests/support/mutator.h"

#include <windows.h>

#include <cstring>

namespace {

using Bytes = std::vector<uint8_t>;
using hostile::GuardedBytes;

void PutKeys(KeyMap& keys, KeyMap& buttons) {
    for (int i = 0; i < 104; ++i) {
        auto& key = keys[WenkKeyName(i)] = std::make_unique<KeyAssignmentRecord>();
        key->defaultCode = key->currentCode = 0x04 + i % 26;
    }
    for (size_t i = 0; i < kWenkFunctionButtons; ++i) {
        auto& button = buttons[FunctionKeyNames[i]] = std::make_unique<KeyAssignmentRecord>();
        button->defaultCode = button->currentCode = static_cast<int>(0x3A + i);
    }
}

// Plain keys, then macro slots and combinations with modifier and key words.
std::vector<Bytes> ProfileSeeds() {
    Bytes plain(kWenkProfileBlockSize, 0);
    for (size_t i = 0; i < kWenkProfileKeys; ++i) plain[i] = static_cast<uint8_t>(0x04 + i % 26);
    for (size_t i = 0; i < kWenkFunctionButtons; ++i) {
        plain[kWenkFunctionButtonOffset + i] = static_cast<uint8_t>(0x3A + i);
    }
    Bytes special = plain;
    for (int i = 0; i < 16; ++i) {
        special[static_cast<size_t>(i)] = static_cast<uint8_t>(kFirstWenkCombinationCode + i);
        special[kWenkCombinationOffset + 2 * i] = static_cast<uint8_t>(i % 2 ? 0x81 + i : 0x04 + i);
        special[kWenkCombinationOffset + 2 * i + 1] = static_cast<uint8_t>(0x04 + i);
    }
    for (int slot = 0; slot < 8; ++slot) special[20 + slot] = static_cast<uint8_t>(kFirstWenkMacroCode + slot);
    return {plain, special};
}

class HostileKeyboard : public FakeBinderTest {
protected:
    void SetUp() override {
        FakeBinderTest::SetUp();
        fake.On("Device_GetMarcoData", [](const CallArgs& a) {
            std::memset(Out<uint8_t>(a[1]), 'M', 32);
            std::memset(Out<uint8_t>(a[2]), 0x81, 144);
            return a[0] == 5 ? -1 : 0;
        });
    }
};

TEST_F(HostileKeyboard, ProfileBlocksDecodeAndEncodeBackTheirKeys) {
    const std::vector<Bytes> seeds = ProfileSeeds();
    const std::vector<Bytes> tokens = {{0x00}, {0xFF}, {0xE0}, {0xEF}, {0xF0}, {0xC0}, {0xC7}, {0x80}, {0x8F}};
    hostile::Mutator mutator(0x57504246);
    for (int round = 0; round < 5000; ++round) {
        if (round % 100 == 0) {
            WenkDeviceMacroList.clear();
            PutKeys(WenkKeyMap1, WenkFunctionButtonMap1);
        }
        const GuardedBytes block(mutator.MutateInPlace(seeds, tokens));
        DecodeWenkProfile(block.data(), WenkKeyMap1, WenkFunctionButtonMap1, binder);
        ASSERT_LE(WenkDeviceMacroList.size(), kWenkDeviceMacroSlots);
        GuardedBytes encoded(kWenkProfileBlockSize);
        EncodeWenkProfile(WenkKeyMap1, WenkFunctionButtonMap1, WenkCombinationAreas[0], encoded.data());
        for (int i = 0; i < 104; ++i) ASSERT_EQ(encoded.data()[i], block.data()[i]) << "key " << i;
    }
}

TEST_F(HostileKeyboard, DamagedDefaultDataGivesKeysOfItsBytesOrZero) {
    TempFolder current;
    CurrentFolder inCurrent{current.Path()};
    SkinUI::CWindowManagerUI manager;
    manager.AttachRoot(KeyContainer(L"key_button_container", 160));
    ConfigFileStore store{&manager};
    Bytes image(2048);
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7);
    const std::vector<Bytes> seeds = {image, Bytes(0x130 + kWenkProfileKeys, 0x04)};
    // One handle rewrites the file each round; the store opens it beside it for reading.
    const HANDLE data = CreateFileW(current.File(L"DefaultData_1.bin").c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(data, INVALID_HANDLE_VALUE);
    hostile::Mutator mutator(0x44454644);
    for (int round = 0; round < 5000; ++round) {
        const Bytes file = mutator.Mutate(seeds);
        DWORD written = 0;
        SetFilePointer(data, 0, nullptr, FILE_BEGIN);
        ASSERT_TRUE(WriteFile(data, file.data(), static_cast<DWORD>(file.size()), &written, nullptr));
        ASSERT_TRUE(SetEndOfFile(data));
        store.LoadDefaultKeysSet2();
        store.LoadDefaultFunctionButtons();
        ASSERT_EQ(WenkKeyMap2.size(), kWenkProfileKeys);
        const size_t last = 0x130 + kWenkProfileKeys - 1;
        ASSERT_EQ(WenkKeyMap2.at(WenkKeyName(151))->defaultCode, last < file.size() ? file[last] : 0);
        ASSERT_EQ(WenkFunctionButtonMap1.size(), kWenkFunctionButtons);
    }
    CloseHandle(data);
}

}  // namespace
