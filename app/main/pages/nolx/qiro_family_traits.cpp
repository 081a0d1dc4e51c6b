// The Qiro mouse: two profiles, fifteen DPI steps, seven lighting modes and
// the button-function switches.
#include "app/main/pages/nolx/nolx_family_traits.h"

#include "app/core/keys/assignment_texts.h"
#include "app/dialogs/keyedit/key_edit_members.h"
#include "app/macro/managers/marco_manger_nolx.h"
#include "app/main/pages/nolx/nolx_page_parts.h"
#include "devices/common/device_ids.h"

namespace {

int Open(const DeviceEntries& e, uint8_t openFlag) {
    return e.InitMCUDevice_Qiro ? e.InitMCUDevice_Qiro(device_ids::kVendor, device_ids::kNolxProduct, openFlag) : -1;
}

int ReadDeviceData(const DeviceEntries& e) { return e.ReadDeviceData_Qiro ? e.ReadDeviceData_Qiro() : -1; }

int GetChangeData(const DeviceEntries& e, uint8_t report[4]) {
    if (!e.Device_Get_Change_Data_Qiro) return -1;
    int packed = 0;
    const int result = e.Device_Get_Change_Data_Qiro(&packed);
    for (int i = 0; i < 4; ++i) report[i] = static_cast<uint8_t>(static_cast<uint32_t>(packed) >> (8 * i));
    return result;
}

int GetDataByAddress(const DeviceEntries& e, int address, int* value) {
    return e.Device_Get_Data_By_Addr_Qiro ? e.Device_Get_Data_By_Addr_Qiro(value, address) : -1;
}

int ReadImage(const DeviceEntries& e, uint8_t image[2048]) {
    return e.Devcie_Get_Device_Data_Qiro ? e.Devcie_Get_Device_Data_Qiro(image, 2048) : -1;
}

int WriteImage(const DeviceEntries& e, const uint8_t image[2048]) {
    return e.EEPROM_Write_Configuration_Qiro ? e.EEPROM_Write_Configuration_Qiro(image) : -1;
}

NolxFamilyTraits MakeQiroTraits() {
    using B = DeviceLibraryBinder;
    using S = DeviceSettingsRecord;
    NolxFamilyTraits t{};
    t.library = DeviceLibrary::Qiro;
    t.suffix = L"_Qiro";
    t.layout = L"XML\\MousePage_Qiro.xml";
    t.macroFile = &MacroFileQiro;
    t.notifications = &QiroNotifications;
    t.macroManagerTag = L"MacroSettingPage";
    t.fireKeyEditorTag = L"FireMacroSettingPage";
    t.profileTabs = {L"profile1", L"profile2"};
    t.buttonPattern = L"profile1_key_Qiro_%d";
    t.buttonContainer = L"profile1_page";
    t.keyTables = {&QiroMacroKeyTable1, &QiroMacroKeyTable2};
    t.dpiSteps = &DpiStepsQiro;
    t.fireMacroCount = 7;
    t.ledModeOptions = {L"result_LED_mode_DPI_color_breath", L"result_LED_mode_Colorful_light",
                        L"result_LED_mode_rainbow",          L"result_LED_mode_flow_light",
                        L"result_LED_mode_waltz",            L"result_LED_mode_4_seasons",
                        L"result_LED_mode_off"};
    t.hasButtonSwitches = true;
    t.resetButtons = {{L"reset_data", nullptr}};
    t.resetFile = L"TevkNolx005AData_Cfg1.bin";
    t.importOpenFailureText = L"Connect Error";
    t.importRereadRetries = 0;
    t.traceNotifications = true;
    t.loadMacroFile = &ConfigFileStore::LoadMacroFileQiro;
    t.assignmentText = GetAssignmentTextQiro;
    t.makeKeyEdit = &MakeKeyEdit<KeyEdit_Qiro>;
    t.makeMacroManager = &MakeMacroManager<MarcoManger_Qiro>;
    t.makeFireKeyEditor = &MakeFireKeyEditor<FireKeyEdit_Qiro>;
    t.fireMacroAvailable = nullptr;
    t.keyMode = &S::QiroKeyMode;
    t.activeCpiLevel = &S::QiroActiveCpiLevel;
    t.cpiLevelCount = &S::QiroCpiLevelCount;
    t.reportRate = &S::QiroReportRate;
    t.ledRate = &S::QiroLedRate;
    t.ledOn = &S::QiroLedOn;
    t.ledMode = &S::QiroLedMode;
    t.fireKeys = &S::FireKeyTableQiro;
    t.cpiLevels = &QiroCpiLevels;
    t.fireMacros = &QiroFireMacros;
    t.deviceMacros = &QiroDeviceMacroList;
    t.open = Open;
    t.readDeviceData = ReadDeviceData;
    t.getChangeData = GetChangeData;
    t.getDataByAddress = GetDataByAddress;
    t.readImage = ReadImage;
    t.writeImage = WriteImage;
    t.readKeyMode = &B::ReadKeyModeQiro;
    t.writeKeyMode = &B::WriteKeyModeQiro;
    t.readMacros = &B::ReadMacrosQiro;
    t.readFireKeys = &B::ReadFireKeysQiro;
    t.writeFireKey = &B::WriteFireKeyQiro;
    t.readMacroKeys = &B::ReadMacroKeysQiro;
    t.writeMacroKey = &B::WriteMacroKeyQiro;
    t.readFireMacro = &B::ReadFireMacroQiro;
    t.readCpiSettings = &B::ReadCpiSettingsQiro;
    t.writeCpiSettings = &B::WriteCpiSettingsQiro;
    t.writeActiveCpiLevel = &B::WriteActiveCpiLevelQiro;
    t.readReportRate = &B::ReadReportRateQiro;
    t.writeReportRate = &B::WriteReportRateQiro;
    t.readLedBreath = &B::ReadLedBreathQiro;
    t.writeLedBreath = &B::WriteLedBreathQiro;
    t.readComboKeys = &B::ReadComboKeysQiro;
    t.writeComboKeys = &B::WriteComboKeysQiro;
    return t;
}

}  // namespace

const NolxFamilyTraits& QiroFamilyTraits() {
    static const NolxFamilyTraits traits = MakeQiroTraits();
    return traits;
}
