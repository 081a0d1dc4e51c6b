// The Wenk keyboard's key profile of one set, between the keyboard and the key maps.
#include "app/core/binder/binder_calls.h"
#include "app/core/binder/device_binder.h"
#include "app/core/keys/wenk_profile_block.h"

namespace {

bool IsKeySet(int set) { return set == 0 || set == 1; }

KeyMap& KeysOfSet(int set) { return set == 0 ? WenkKeyMap1 : WenkKeyMap2; }
KeyMap& FunctionButtonsOfSet(int set) { return set == 0 ? WenkFunctionButtonMap1 : WenkFunctionButtonMap2; }

}  // namespace

bool DeviceLibraryBinder::ReadKeyProfileWenk(int set) {
    if (!IsKeySet(set)) return false;
    const Guard guard = LockLibrary(DeviceLibrary::Wenk);
    uint8_t block[kWenkProfileBlockSize] = {};
    if (!Succeeded(entries_.Device_GetProFileData, set, block)) return false;
    KeepCombinationArea(set, block);
    DecodeWenkProfile(block, KeysOfSet(set), FunctionButtonsOfSet(set), *this);
    return true;
}

bool DeviceLibraryBinder::WriteKeyProfileWenk(int set) {
    if (!IsKeySet(set)) return false;
    const Guard guard = LockLibrary(DeviceLibrary::Wenk);
    uint8_t block[kWenkProfileBlockSize];
    EncodeWenkProfile(KeysOfSet(set), FunctionButtonsOfSet(set), WenkCombinationAreas[static_cast<size_t>(set)], block);
    return Succeeded(entries_.Device_WriteProFileData, set, static_cast<const uint8_t*>(block));
}
