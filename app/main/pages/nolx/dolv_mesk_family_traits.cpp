// The Dolv and Mesk mice: three profiles, twelve DPI steps, ten fire macros,
// no button-function switches. Dolv keeps the seven lighting modes and one
// default file; Mesk has six modes, no on flag on the controller, three
// default files and retries the read after an import.
#include "app/main/pages/nolx/nolx_family_traits.h"

#include "app/core/keys/assignment_texts.h"
#include "app/dialogs/keyedit/key_edit_members.h"
#include "app/macro/managers/marco_manger_nolx.h"
#include "app/main/pages/nolx/nolx_page_parts.h"
#include "app/windows/nolx_fire_state.h"
#include "devices/common/device_ids.h"

namespace {

// The library exports of one family, adapted to the traits' signatures.
#define VASTEMOR_NOLX_EXPORT_ADAPTERS(Chip)                                                                 \
    struct Chip##Exports {                                                                                  \
        static int Open(const DeviceEntries& e, uint8_t openFlag) {                                         \
            return e.InitMCUDevice_##Chip                                                                   \
                       ? e.InitMCUDevice_##Chip(device_ids::kVendor, device_ids::kNolxProduct, openFlag)    \
                       : -1;                                                                                \
        }                                                                                                   \
        static int ReadDeviceData(const DeviceEntries& e) {                                                 \
            return e.ReadDeviceData_##Chip ? e.ReadDeviceData_##Chip() : -1;                                \
        }                                                                                                   \
        static int GetChangeData(const DeviceEntries& e, uint8_t report[4]) {                               \
            if (!e.Device_Get_Change_Data_##Chip) return -1;                                                \
            int packed = 0;                                                                                 \
            const int result = e.Device_Get_Change_Data_##Chip(&packed);                                    \
            for (int i = 0; i < 4; ++i)                                                                     \
                report[i] = static_cast<uint8_t>(static_cast<uint32_t>(packed) >> (8 * i));                 \
            return result;                                                                                  \
        }                                                                                                   \
        static int GetDataByAddress(const DeviceEntries& e, int address, int* value) {                      \
            return e.Device_Get_Data_By_Addr_##Chip ? e.Device_Get_Data_By_Addr_##Chip(value, address) : -1; \
        }                                                                                                   \
        static int ReadImage(const DeviceEntries& e, uint8_t image[2048]) {                                 \
            return e.EEPROM_Save_Configuration_##Chip ? e.EEPROM_Save_Configuration_##Chip(image) : -1;     \
        }                                                                                                   \
        static int WriteImage(const DeviceEntries& e, const uint8_t image[2048]) {                          \
            return e.EEPROM_Write_Configuration_##Chip ? e.EEPROM_Write_Configuration_##Chip(image) : -1;   \
        }                                                                                                   \
    };

VASTEMOR_NOLX_EXPORT_ADAPTERS(Dolv)
VASTEMOR_NOLX_EXPORT_ADAPTERS(Mesk)
#undef VASTEMOR_NOLX_EXPORT_ADAPTERS

// What Dolv and Mesk share, with the family's settings, containers, exports
// and binder wrappers.
#define VASTEMOR_FILL_NOLX_FAMILY(t, Chip)                          \
    t.library = DeviceLibrary::Chip;                                \
    t.suffix = L"_" #Chip;                                          \
    t.layout = L"XML\\MousePage_" #Chip ".xml";                     \
    t.macroFile = &MacroFile##Chip;                                 \
    t.notifications = &Chip##Notifications;                         \
    t.profileTabs = {L"profile1", L"profile2", L"profile3"};        \
    t.buttonPattern = L"profile_key_" #Chip "_%d";                  \
    t.buttonContainer = L"profile_page";                            \
    t.keyTables = {&Chip##MacroKeyTable1, &Chip##MacroKeyTable2, &Chip##MacroKeyTable3}; \
    t.dpiSteps = &DpiSteps##Chip;                                   \
    t.fireMacroCount = 10;                                          \
    t.hasButtonSwitches = false;                                    \
    t.traceNotifications = false;                                   \
    t.loadMacroFile = &ConfigFileStore::LoadMacroFile##Chip;        \
    t.assignmentText = GetAssignmentText##Chip;                     \
    t.makeKeyEdit = &MakeKeyEdit<KeyEdit_##Chip>;                     \
    t.makeMacroManager = &MakeMacroManager<MarcoManger_##Chip>;     \
    t.makeFireKeyEditor = &MakeFireKeyEditor<FireKeyEdit_##Chip>;   \
    t.keyMode = &DeviceSettingsRecord::Chip##KeyMode;               \
    t.activeCpiLevel = &DeviceSettingsRecord::Chip##ActiveCpiLevel; \
    t.cpiLevelCount = &DeviceSettingsRecord::Chip##CpiLevelCount;   \
    t.reportRate = &DeviceSettingsRecord::Chip##ReportRate;         \
    t.ledRate = &DeviceSettingsRecord::Chip##LedRate;               \
    t.ledOn = &DeviceSettingsRecord::Chip##LedOn;                   \
    t.ledMode = &DeviceSettingsRecord::Chip##LedMode;               \
    t.fireKeys = &DeviceSettingsRecord::FireKeyTable##Chip;         \
    t.cpiLevels = &Chip##CpiLevels;                                 \
    t.fireMacros = &Chip##FireMacros;                               \
    t.deviceMacros = &Chip##DeviceMacroList;                        \
    t.open = Chip##Exports::Open;                                   \
    t.readDeviceData = Chip##Exports::ReadDeviceData;               \
    t.getChangeData = Chip##Exports::GetChangeData;                 \
    t.getDataByAddress = Chip##Exports::GetDataByAddress;           \
    t.readImage = Chip##Exports::ReadImage;                         \
    t.writeImage = Chip##Exports::WriteImage;                       \
    t.readKeyMode = &DeviceLibraryBinder::ReadKeyMode##Chip;        \
    t.writeKeyMode = &DeviceLibraryBinder::WriteKeyMode##Chip;      \
    t.readMacros = &DeviceLibraryBinder::ReadMacros##Chip;          \
    t.readFireKeys = &DeviceLibraryBinder::ReadFireKeys##Chip;      \
    t.writeFireKey = &DeviceLibraryBinder::WriteFireKey##Chip;      \
    t.readMacroKeys = &DeviceLibraryBinder::ReadMacroKeys##Chip;    \
    t.writeMacroKey = &DeviceLibraryBinder::WriteMacroKey##Chip;    \
    t.readFireMacro = &DeviceLibraryBinder::ReadFireMacro##Chip;    \
    t.readCpiSettings = &DeviceLibraryBinder::ReadCpiSettings##Chip; \
    t.writeCpiSettings = &DeviceLibraryBinder::WriteCpiSettings##Chip; \
    t.writeActiveCpiLevel = &DeviceLibraryBinder::WriteActiveCpiLevel##Chip; \
    t.readReportRate = &DeviceLibraryBinder::ReadReportRate##Chip;  \
    t.writeReportRate = &DeviceLibraryBinder::WriteReportRate##Chip; \
    t.readLedBreath = &DeviceLibraryBinder::ReadLedBreath##Chip;    \
    t.writeLedBreath = &DeviceLibraryBinder::WriteLedBreath##Chip;

NolxFamilyTraits MakeDolvTraits() {
    NolxFamilyTraits t{};
    VASTEMOR_FILL_NOLX_FAMILY(t, Dolv)
    t.macroManagerTag = L"MacroSettingPage_Dolv";
    t.fireKeyEditorTag = L"FireMacroSettingPage_Dolv";
    t.ledModeOptions = {L"result_LED_mode_DPI_color_breath", L"result_LED_mode_Colorful_light",
                        L"result_LED_mode_rainbow",          L"result_LED_mode_flow_light",
                        L"result_LED_mode_waltz",            L"result_LED_mode_4_seasons",
                        L"result_LED_mode_off"};
    t.resetButtons = {{L"reset_data", nullptr}};
    t.resetFile = L"TevkDolvBData_Cfg1.bin";
    t.importOpenFailureText = nullptr;
    t.importRereadRetries = 0;
    t.fireMacroAvailable = nullptr;
    return t;
}

NolxFamilyTraits MakeMeskTraits() {
    NolxFamilyTraits t{};
    VASTEMOR_FILL_NOLX_FAMILY(t, Mesk)
    t.macroManagerTag = L"MacroSettingPage";
    t.fireKeyEditorTag = L"FireMacroSettingPage";
    t.ledModeOptions = {L"result_LED_mode_off",          L"result_LED_mode_Random",
                        L"result_LED_mode_Breath_in_turn", L"result_LED_mode_Fixed_Color",
                        L"result_LED_mode_Mixed_Color",  L"result_LED_mode_DPI_Color"};
    t.resetButtons = {{L"reset_data1", L"TevkMeskBData_Cfg1.bin"},
                      {L"reset_data2", L"TevkMeskBData_Cfg2.bin"},
                      {L"reset_data3", L"TevkMeskBData_Cfg3.bin"}};
    t.resetFile = nullptr;
    t.importOpenFailureText = L"%{081}";
    t.importRereadRetries = 5;
    t.fireMacroAvailable = &MeskFireMacroAvailable;
    return t;
}

#undef VASTEMOR_FILL_NOLX_FAMILY

}  // namespace

const NolxFamilyTraits& DolvFamilyTraits() {
    static const NolxFamilyTraits traits = MakeDolvTraits();
    return traits;
}

const NolxFamilyTraits& MeskFamilyTraits() {
    static const NolxFamilyTraits traits = MakeMeskTraits();
    return traits;
}
