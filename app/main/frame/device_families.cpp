#include "app/main/frame/device_families.h"

#include "devices/common/device_ids.h"

const DeviceFamily kDeviceFamilies[kDeviceFamilyCount] = {
    {ChipWenk, DeviceLibrary::Wenk, &WenkNotifications, 1003, 50, 2000, 50, 311, true},
    {ChipKelvo, DeviceLibrary::Kelvo, &KelvoNotifications, 1004, 90, 2001, 90, 312, false},
    {ChipKelvoDriver, DeviceLibrary::KelvoDriver, &KelvoDriverNotifications, 1008, 90, 2005, 90, 313, false},
    {ChipDolv, DeviceLibrary::Dolv, &DolvNotifications, 1005, 90, 2002, 90, 314, true},
    {ChipMesk, DeviceLibrary::Mesk, &MeskNotifications, 1006, 95, 2003, 95, 315, true},
    {ChipQiro, DeviceLibrary::Qiro, &QiroNotifications, 1007, 98, 2004, 90, 316, true},
};

IDevicePage* PageOfFamily(const DevicePages& pages, int family)
{
    switch (family) {
    case 0: return pages.keyboard;
    case 1: return pages.kelvo;
    case 2: return pages.kelvoDriver;
    case 3: return pages.dolv;
    case 4: return pages.mesk;
    case 5: return pages.qiro;
    default: return nullptr;
    }
}

DevicePages SelectPages(const DevicePages& pages, int chip)
{
    if (chip == ChipAll)
        return pages;
    DevicePages selected;
    switch (chip) {
    case ChipWenk: selected.keyboard = pages.keyboard; break;
    case ChipKelvo: selected.kelvo = pages.kelvo; break;
    case ChipKelvoDriver: selected.kelvoDriver = pages.kelvoDriver; break;
    case ChipDolv: selected.dolv = pages.dolv; break;
    case ChipMesk: selected.mesk = pages.mesk; break;
    case ChipQiro: selected.qiro = pages.qiro; break;
    default: break;
    }
    return selected;
}

int OpenFamilyDevice(const DeviceEntries& e, int family, uint8_t openFlag)
{
    using namespace device_ids;
    switch (family) {
    case 0: return e.InitMCUDevice ? e.InitMCUDevice(kVendor, kWenkProduct) : -1;
    case 1: return e.InitMCUDevice_Kelvo ? e.InitMCUDevice_Kelvo(kVendor, kKelvoProduct) : -1;
    case 2:
        return e.InitMCUDevice_Kelvo_Driver ? e.InitMCUDevice_Kelvo_Driver(kVendor, kKelvoProduct) : -1;
    case 3: return e.InitMCUDevice_Dolv ? e.InitMCUDevice_Dolv(kVendor, kNolxProduct, openFlag) : -1;
    case 4: return e.InitMCUDevice_Mesk ? e.InitMCUDevice_Mesk(kVendor, kNolxProduct, openFlag) : -1;
    case 5: return e.InitMCUDevice_Qiro ? e.InitMCUDevice_Qiro(kVendor, kNolxProduct, openFlag) : -1;
    default: return -1;
    }
}
