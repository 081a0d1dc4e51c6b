#pragma once
// The worker threads of device requests: the block each gets and the four
// procedures. They post their progress to the main window and call the page
// operations directly; each page operation takes its family's library lock.
// Once the program ends (AppRunning clear) they start no further page
// operation: the main window waits for them before its pages go.

#include "app/main/frame/device_families.h"

#include <windows.h>

#include <functional>

class DeviceLibraryBinder;

// What the workers reach besides the pages; tests put fakes behind it.
struct WorkerEnvironment {
    DeviceLibraryBinder* binder = nullptr;  // the device-change worker's open exports
    std::function<void()> readPointerSettings;
};

// Made by StartWorker, owned and deleted by the worker.
struct WorkerParams {
    HWND mainWindow = nullptr;
    int argument = 0;  // write: the command code; read-all: "windowinit"'s lParam
    DevicePages pages;  // only those the chip index selects
    const WorkerEnvironment* environment = nullptr;
};

typedef unsigned(__stdcall* WorkerProc)(void* params);

// 1001, the pointer settings, every selected page's ConnectAndRead, 1002,
// then 100 ms of rest.
unsigned __stdcall ReadAllThreadProc(void* params);
// 1001, the keyboard's WriteAllSettings or a mouse's RunDeviceCommand(argument),
// 1002. A page whose write failed is named to the main window
// (kWriteFailedMessage) after it read its controller again, when its family
// does that.
unsigned __stdcall WriteThreadProc(void* params);
// The change poll of a selected, connected Dolv, Mesk or Qiro page, unless one
// of that page already runs. The poll ends when the program ends or a blocking
// read fails; the page's mark is cleared so that its next read starts another.
unsigned __stdcall GetChangeThreadProc(void* params);
// 1001; a connected page's controller opened again (its connect-error message
// when that fails), a page not connected read (its read message when that
// succeeds); 1002.
unsigned __stdcall DeviceChangeThreadProc(void* params);
