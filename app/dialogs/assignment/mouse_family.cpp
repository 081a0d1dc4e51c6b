#include "app/dialogs/assignment/mouse_family.h"

#include "app/core/keys/assignment_texts.h"
#include "app/core/settings/device_settings.h"
#include "app/windows/nolx_fire_state.h"

const KelvoFamilyData& KelvoData(MouseFamily family) {
    static const KelvoFamilyData kelvo{{&KelvoButtonTable1, &KelvoButtonTable2},
                                       &KelvoMacroList,
                                       &KelvoMacroCache,
                                       33,
                                       1536,
                                       &DeviceLibraryBinder::SendMacroKelvo,
                                       &DeviceLibraryBinder::ReadMacroKelvo,
                                       DeviceLibrary::Kelvo};
    static const KelvoFamilyData driver{{&KelvoDriverButtonTable1, &KelvoDriverButtonTable2},
                                        &KelvoDriverMacroList,
                                        &KelvoDriverMacroCache,
                                        32,
                                        40448,
                                        &DeviceLibraryBinder::SendMacroKelvoDriver,
                                        &DeviceLibraryBinder::ReadMacroKelvoDriver,
                                        DeviceLibrary::KelvoDriver};
    return family == MouseFamily::KelvoDriver ? driver : kelvo;
}

const NolxFamilyData& NolxData(MouseFamily family) {
    static const NolxFamilyData dolv{{&DolvMacroKeyTable1, &DolvMacroKeyTable2, &DolvMacroKeyTable3},
                                     3,
                                     &DeviceSettings.DolvKeyMode,
                                     &DolvMacroList,
                                     &DolvDeviceMacroList,
                                     &DeviceSettings.FireKeyTableDolv,
                                     &DolvLastFireMacroByte,
                                     &keepLeftFireFlagDolv,
                                     0x100710FF,
                                     true,
                                     &DeviceLibraryBinder::WriteMacroDolv,
                                     &DeviceLibraryBinder::ReadMacrosDolv,
                                     &DeviceLibraryBinder::WriteMacroKeyDolv,
                                     DeviceLibrary::Dolv};
    static const NolxFamilyData mesk{{&MeskMacroKeyTable1, &MeskMacroKeyTable2, &MeskMacroKeyTable3},
                                     3,
                                     &DeviceSettings.MeskKeyMode,
                                     &MeskMacroList,
                                     &MeskDeviceMacroList,
                                     &DeviceSettings.FireKeyTableMesk,
                                     &MeskLastFireMacroByte,
                                     &keepLeftFireFlagMesk,
                                     0x1006A0FF,
                                     true,
                                     &DeviceLibraryBinder::WriteMacroMesk,
                                     &DeviceLibraryBinder::ReadMacrosMesk,
                                     &DeviceLibraryBinder::WriteMacroKeyMesk,
                                     DeviceLibrary::Mesk};
    static const NolxFamilyData qiro{{&QiroMacroKeyTable1, &QiroMacroKeyTable2, nullptr},
                                     2,
                                     &DeviceSettings.QiroKeyMode,
                                     &QiroMacroList,
                                     &QiroDeviceMacroList,
                                     &DeviceSettings.FireKeyTableQiro,
                                     &QiroLastFireMacroByte,
                                     &keepLeftFireFlagQiro,
                                     0x100130FF,
                                     false,
                                     &DeviceLibraryBinder::WriteMacroQiro,
                                     &DeviceLibraryBinder::ReadMacrosQiro,
                                     &DeviceLibraryBinder::WriteMacroKeyQiro,
                                     DeviceLibrary::Qiro};
    switch (family) {
        case MouseFamily::Dolv:
            return dolv;
        case MouseFamily::Mesk:
            return mesk;
        default:
            return qiro;
    }
}
