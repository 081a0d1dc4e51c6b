#pragma once
// What the main window does with the page requests it receives and with the
// workers' messages.

#include "app/main/frame/workers.h"

#include <windows.h>

enum class WorkerKind { ReadAll, Write, GetChange, DeviceChange };

struct RequestRoute {
    int chip;
    WorkerKind worker;
    bool waitsForProgress;  // writes: one device job at a time, kept until the progress window closes
    bool opensProgress;             // a change poll never posts the 1002 that would close one
};

// The route of a notification type (compared without regard to case); false
// for notifications that start no worker.
bool FindRequestRoute(const wchar_t* type, RequestRoute* route);

// The notification the main window sends for a worker's read (1003..1008) or
// connect-error (2000..2005) message; null for any other message.
const wchar_t* NotificationOfMessage(UINT message);

WorkerProc ProcOfWorker(WorkerKind kind);
