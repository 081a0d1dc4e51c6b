// Started through scripts/wine-exec, a test program runs in the process its
// Wine loader made: no start program handed it on to a second process.
#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <map>
#include <string>

namespace {

// The image name of the process that created this one; empty when that
// process is not a Windows process (or no longer runs).
std::wstring ParentImageName()
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return L"";
    std::map<DWORD, std::wstring> names;
    DWORD parent = 0;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        names[entry.th32ProcessID] = entry.szExeFile;
        if (entry.th32ProcessID == GetCurrentProcessId())
            parent = entry.th32ParentProcessID;
    }
    CloseHandle(snapshot);
    const auto found = names.find(parent);
    return found == names.end() ? L"" : found->second;
}

}  // namespace

TEST(WineStart, NoStartProgramHandsTheProgramOn)
{
    const std::wstring parent = ParentImageName();
    EXPECT_NE(_wcsicmp(parent.c_str(), L"start.exe"), 0) << "handed on by Wine's start program";
}
