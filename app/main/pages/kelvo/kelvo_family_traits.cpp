#include "app/main/pages/kelvo/kelvo_family_traits.h"

#include "app/core/keys/assignment_texts.h"
#include "app/dialogs/keyedit/key_edit_members.h"
#include "app/main/pages/common/control_names.h"
#include "devices/common/device_ids.h"

using device_ids::kKelvoProduct;
using device_ids::kVendor;

SkinUI::CUIString KelvoFamilyTraits::Name(const wchar_t* base, int number) const {
    return SuffixedName(base, suffix, number);
}

SkinUI::CUIString KelvoFamilyTraits::ButtonName(int number) const {
    const SkinUI::CUIString pattern = SkinUI::CUIString(L"profile_key") + suffix + L"_%d";
    SkinUI::CUIString name;
    name.Format(pattern.GetData(), number);
    return name;
}

RecordList<ButtonAssignmentEntry>& KelvoFamilyTraits::ActiveTable() const {
    return *buttonTables[DeviceSettings.*keyMode == 0 ? 0 : 1];
}

const KelvoFamilyTraits& KelvoTraits() {
    static const KelvoFamilyTraits traits = [] {
        KelvoFamilyTraits t{};
        t.library = DeviceLibrary::Kelvo;
        t.suffix = L"_Kelvo";
        t.layout = L"XML\\MousePage_Kelvo.xml";
        t.notifications = &KelvoNotifications;
        t.pageTabs = {L"marco_manager", L"advanced_Settings", L"led_Settings", L"fire_macro_Settings"};
        t.imageSize = 2048;
        // A file of another size is no image of this mouse.
        t.smallestImport = t.imageSize;
        t.resetFile = L"TevkKelvoData_Cfg1.bin";
        t.keyMode = &DeviceSettingsRecord::KelvoKeyMode;
        t.cpiCount = &DeviceSettingsRecord::KelvoCpiCount;
        t.fireCount = &DeviceSettingsRecord::KelvoFireCount;
        t.fireTime = &DeviceSettingsRecord::KelvoFireTime;
        t.middlePressType = &DeviceSettingsRecord::KelvoMiddleKeyPressType;
        t.cpiPressType = &DeviceSettingsRecord::KelvoCpiKeyPressType;
        t.gunPressType = &DeviceSettingsRecord::KelvoGunKeyPressType;
        t.buttonTables[0] = &KelvoButtonTable1;
        t.buttonTables[1] = &KelvoButtonTable2;
        t.cpiLevels = &KelvoCpiLevels;
        t.macroCache = &KelvoMacroCache;
        t.open = [](const DeviceEntries& e) { return e.InitMCUDevice_Kelvo ? e.InitMCUDevice_Kelvo(kVendor, kKelvoProduct) : -1; };
        t.readDevice = [](const DeviceEntries& e) { return e.ReadMCUDevice_Kelvo ? e.ReadMCUDevice_Kelvo() : -1; };
        t.copyImage = [](const DeviceEntries& e, uint8_t* image, int size) {
            return e.Device_Get_Device_Data_Kelvo ? e.Device_Get_Device_Data_Kelvo(image, size) : -1;
        };
        t.writeImage = [](const DeviceEntries& e, const uint8_t* image, int size) {
            return e.Device_Set_Device_Data_Kelvo ? e.Device_Set_Device_Data_Kelvo(image, size) : -1;
        };
        t.readButtonTable = &DeviceLibraryBinder::ReadButtonTableKelvo;
        t.writeButtonTables = &DeviceLibraryBinder::WriteButtonTablesKelvo;
        t.readFireSettings = &DeviceLibraryBinder::ReadFireSettingsKelvo;
        t.writeFireSettings = &DeviceLibraryBinder::WriteFireSettingsKelvo;
        t.readCpiSettings = &DeviceLibraryBinder::ReadCpiSettingsKelvo;
        t.writeCpiSettings = &DeviceLibraryBinder::WriteCpiSettingsKelvo;
        t.readKeyMode = &DeviceLibraryBinder::ReadKeyModeKelvo;
        t.writeKeyMode = &DeviceLibraryBinder::WriteKeyModeKelvo;
        t.assignmentText = [](int type, int high, int low) { return GetAssignmentTextKelvo(type, high, low); };
        t.makeKeyEdit = [](const PageServices& services, ButtonAssignmentEntry* entry) -> KeyEditDialog* {
            return new KeyEdit_Kelvo(services, entry);
        };
        return t;
    }();
    return traits;
}

const KelvoFamilyTraits& KelvoDriverTraits() {
    static const KelvoFamilyTraits traits = [] {
        KelvoFamilyTraits t{};
        t.library = DeviceLibrary::KelvoDriver;
        t.suffix = L"_Kelvo_Driver";
        t.layout = L"XML\\MousePage_Kelvo_Driver.xml";
        t.notifications = &KelvoDriverNotifications;
        t.pageTabs = {L"marco_manager", L"advanced_Settings", L"led_Settings"};
        // Its export writes 40960 bytes; its library takes any shorter
        // configuration too, with the file's own byte count.
        t.imageSize = 40960;
        t.smallestImport = 1;
        t.resetFile = L"Driver_TevkKelvoData_Cfg1.bin";
        t.keyMode = &DeviceSettingsRecord::KelvoDriverKeyMode;
        t.cpiCount = &DeviceSettingsRecord::KelvoDriverCpiCount;
        t.fireCount = &DeviceSettingsRecord::KelvoDriverFireCount;
        t.fireTime = &DeviceSettingsRecord::KelvoDriverFireTime;
        t.middlePressType = &DeviceSettingsRecord::KelvoDriverMiddleKeyPressType;
        t.cpiPressType = &DeviceSettingsRecord::KelvoDriverCpiKeyPressType;
        t.gunPressType = &DeviceSettingsRecord::KelvoDriverGunKeyPressType;
        t.buttonTables[0] = &KelvoDriverButtonTable1;
        t.buttonTables[1] = &KelvoDriverButtonTable2;
        t.cpiLevels = &KelvoDriverCpiLevels;
        t.macroCache = &KelvoDriverMacroCache;
        t.open = [](const DeviceEntries& e) {
            return e.InitMCUDevice_Kelvo_Driver ? e.InitMCUDevice_Kelvo_Driver(kVendor, kKelvoProduct) : -1;
        };
        t.readDevice = [](const DeviceEntries& e) { return e.ReadMCUDevice_Kelvo_Driver ? e.ReadMCUDevice_Kelvo_Driver() : -1; };
        t.copyImage = [](const DeviceEntries& e, uint8_t* image, int size) {
            return e.Device_Get_Device_Data_Kelvo_Driver ? e.Device_Get_Device_Data_Kelvo_Driver(image, size) : -1;
        };
        t.writeImage = [](const DeviceEntries& e, const uint8_t* image, int size) {
            return e.Device_Set_Device_Data_Kelvo_Driver ? e.Device_Set_Device_Data_Kelvo_Driver(image, size) : -1;
        };
        t.readButtonTable = &DeviceLibraryBinder::ReadButtonTableKelvoDriver;
        t.writeButtonTables = &DeviceLibraryBinder::WriteButtonTablesKelvoDriver;
        t.readFireSettings = &DeviceLibraryBinder::ReadFireSettingsKelvoDriver;
        t.writeFireSettings = &DeviceLibraryBinder::WriteFireSettingsKelvoDriver;
        t.readCpiSettings = &DeviceLibraryBinder::ReadCpiSettingsKelvoDriver;
        t.writeCpiSettings = &DeviceLibraryBinder::WriteCpiSettingsKelvoDriver;
        t.readKeyMode = &DeviceLibraryBinder::ReadKeyModeKelvoDriver;
        t.writeKeyMode = &DeviceLibraryBinder::WriteKeyModeKelvoDriver;
        t.assignmentText = [](int type, int high, int low) { return GetAssignmentTextKelvoDriver(type, high, low); };
        t.makeKeyEdit = [](const PageServices& services, ButtonAssignmentEntry* entry) -> KeyEditDialog* {
            return new KeyEdit_Kelvo_Driver(services, entry);
        };
        return t;
    }();
    return traits;
}
