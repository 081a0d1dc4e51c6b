#include "app/main/frame/request_routes.h"

#include <cwchar>

bool FindRequestRoute(const wchar_t* type, RequestRoute* route)
{
    if (type == nullptr)
        return false;
    if (_wcsicmp(type, L"windowinit") == 0) {
        *route = {ChipAll, WorkerKind::ReadAll, false, true};
        return true;
    }
    for (const DeviceFamily& family : kDeviceFamilies) {
        if (_wcsicmp(type, family.names->writeRequest) == 0) {
            *route = {family.chip, WorkerKind::Write, true, true};
            return true;
        }
        if (family.chip != ChipWenk && _wcsicmp(type, family.names->changePoll) == 0) {
            *route = {family.chip, WorkerKind::GetChange, false, false};
            return true;
        }
    }
    return false;
}

const wchar_t* NotificationOfMessage(UINT message)
{
    for (const DeviceFamily& family : kDeviceFamilies) {
        if (message == family.readMessage)
            return family.names->readFinished;
        if (message == family.errorMessage)
            return family.names->connectionError;
    }
    return nullptr;
}

WorkerProc ProcOfWorker(WorkerKind kind)
{
    switch (kind) {
    case WorkerKind::ReadAll: return &ReadAllThreadProc;
    case WorkerKind::Write: return &WriteThreadProc;
    case WorkerKind::GetChange: return &GetChangeThreadProc;
    case WorkerKind::DeviceChange: return &DeviceChangeThreadProc;
    }
    return nullptr;
}
