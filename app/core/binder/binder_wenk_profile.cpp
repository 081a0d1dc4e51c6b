// The Wenk keyboard's key profiles, between the keyboard and the key maps.
#include "app/core/binder/binder_calls.h"
#include "app/core/binder/device_binder.h"
#include "app/core/keys/wenk_profile_block.h"

namespace {

constexpr int kKeySets = 2;

bool IsKeySet(int set) { return set >= 0 && set < kKeySets; }

KeyMap& KeysOfSet(int set) { return set == 0 ? WenkKeyMap1 : WenkKeyMap2; }
KeyMap& FunctionButtonsOfSet(int set) { return set == 0 ? WenkFunctionButtonMap1 : WenkFunctionButtonMap2; }

}  // namespace

bool DeviceLibraryBinder::ReadKeyProfilesWenk() {
    const Guard guard = LockLibrary(DeviceLibrary::Wenk);
    uint8_t blocks[kKeySets][kWenkProfileBlockSize] = {};
    for (int set = 0; set < kKeySets; ++set) {
        if (!Succeeded(entries_.Device_GetProFileData, set, blocks[set])) return false;
    }
    for (int set = 0; set < kKeySets; ++set) KeepCombinationArea(set, blocks[set]);
    for (int set = 0; set < kKeySets; ++set) {
        DecodeWenkProfile(blocks[set], KeysOfSet(set), FunctionButtonsOfSet(set), *this);
    }
    return true;
}

bool DeviceLibraryBinder::WriteKeyProfileWenk(int set) {
    if (!IsKeySet(set)) return false;
    const Guard guard = LockLibrary(DeviceLibrary::Wenk);
    uint8_t block[kWenkProfileBlockSize];
    EncodeWenkProfile(KeysOfSet(set), FunctionButtonsOfSet(set), WenkCombinationAreas[static_cast<size_t>(set)], block);
    return Succeeded(entries_.Device_WriteProFileData, set, static_cast<const uint8_t*>(block));
}
