#pragma once
// The plain settings fields of every controller family, one program-wide
// record. The device wrappers fill and send them; the pages show and edit them.

#include "app/core/settings/settings_records.h"

#include <array>
#include <cstdint>

struct DeviceSettingsRecord {
    // Wenk keyboard: LED block of set 1 and set 2, and the active set (0 or 1).
    std::array<WenkLedBlock, 2> WenkLedBlocks{};
    int WenkActiveSet = 0;

    int KelvoFireCount = 0;
    int KelvoFireTime = 0;
    int KelvoLedOnOff = 0;
    int KelvoLedLight = 0;  // MCU-LED control
    int KelvoLedMode = 0;   // mode index 0..6; another: a stored mode no option names
    int KelvoLedStep = 0;
    int KelvoMiddleKeyPressType = 0;
    int KelvoCpiKeyPressType = 0;
    int KelvoGunKeyPressType = 0;
    int KelvoKeyMode = 0;  // 0 selects button table 1, 1 button table 2
    int KelvoCpiCount = 0;
    int KelvoCurrentCpi = 0;

    int KelvoDriverFireCount = 0;
    int KelvoDriverFireTime = 0;
    int KelvoDriverMiddleKeyPressType = 0;
    int KelvoDriverCpiKeyPressType = 0;
    int KelvoDriverGunKeyPressType = 0;
    int KelvoDriverKeyMode = 0;
    int KelvoDriverCpiCount = 0;
    int KelvoDriverCurrentCpi = 0;
    std::array<uint8_t, 4> KelvoDriverLedCpiBlock{};

    int DolvKeyMode = 0;
    int DolvReportRate = 0;  // index 0..3
    int DolvLedRate = 0;
    int DolvLedOn = 0;
    int DolvLedMode = 0;
    int DolvActiveCpiLevel = 0;  // 1-based
    int DolvCpiLevelCount = 0;
    std::array<FireKeyEntry, 3> FireKeyTableDolv{};

    int MeskKeyMode = 0;
    int MeskReportRate = 0;
    int MeskLedRate = 0;  // 1..10
    int MeskLedOn = 0;    // the page's own: the Mesk library keeps no on flag
    int MeskLedMode = 0;
    int MeskActiveCpiLevel = 0;
    int MeskCpiLevelCount = 0;
    std::array<FireKeyEntry, 3> FireKeyTableMesk{};

    int QiroKeyMode = 0;
    int QiroReportRate = 0;
    int QiroLedRate = 0;
    int QiroLedOn = 0;
    int QiroLedMode = 0;
    int QiroActiveCpiLevel = 0;
    int QiroCpiLevelCount = 0;
    std::array<FireKeyEntry, 3> FireKeyTableQiro{};
    std::array<uint8_t, 4> QiroComboKey2{};
    std::array<uint8_t, 4> QiroComboKey4{};
};

extern DeviceSettingsRecord DeviceSettings;
