#pragma once
// The six controller families as the main window and its workers serve them:
// chip index, device library, notification names and the messages a
// device-change worker posts for them.

#include "app/core/binder/device_entries.h"
#include "app/core/settings/constants.h"
#include "app/main/pages/device_page.h"

#include <windows.h>

// Which pages a worker serves: 0 all, 1..6 one family, any other value none.
enum ChipIndex : int {
    ChipAll = 0,
    ChipWenk = 1,
    ChipKelvo = 2,
    ChipKelvoDriver = 3,
    ChipDolv = 4,
    ChipMesk = 5,
    ChipQiro = 6,
};

// Worker messages to the main window; wParam 0, lParam a progress value.
constexpr UINT kWorkerStartedMessage = 1001;
constexpr UINT kWorkerFinishedMessage = 1002;
constexpr LPARAM kWorkerStartedProgress = 20;
constexpr LPARAM kWorkerFinishedProgress = 100;
// A write job's page failed to write its controller; wParam the family index.
constexpr UINT kWriteFailedMessage = WM_APP + 3;

struct DeviceFamily {
    int chip;
    DeviceLibrary library;
    const FamilyNotificationNames* names;
    UINT readMessage;  // a controller that was not connected has been read
    LPARAM readProgress;
    UINT errorMessage;  // a connected controller can no longer be opened
    LPARAM errorProgress;
    int nameText;  // the language text of the controller's name
    // Its page's controls write at once, so after a failed write the page
    // shows the controller read again; the Kelvo pages keep their unsent edits.
    bool readsAgainAfterFailedWrite;
};

constexpr int kDeviceFamilyCount = 6;
// In the order the workers serve the pages: keyboard, Kelvo, Kelvo driver,
// Dolv, Mesk, Qiro.
extern const DeviceFamily kDeviceFamilies[kDeviceFamilyCount];

// The pages of the main window, null until made; not owned.
struct DevicePages {
    IKeyboardPage* keyboard = nullptr;
    IMousePage* kelvo = nullptr;
    IMousePage* kelvoDriver = nullptr;
    IPolledMousePage* dolv = nullptr;
    IPolledMousePage* mesk = nullptr;
    IPolledMousePage* qiro = nullptr;
};

// The page of family i of kDeviceFamilies.
IDevicePage* PageOfFamily(const DevicePages& pages, int family);

// The pages a chip index selects: all for 0, one for 1..6, none otherwise.
DevicePages SelectPages(const DevicePages& pages, int chip);

// Calls the family's open export with the shared ids (and the open flag of a
// Nolx mouse); 0 when the controller was found and opened, non-zero when it
// was not or the export is unbound.
int OpenFamilyDevice(const DeviceEntries& entries, int family, uint8_t openFlag);
