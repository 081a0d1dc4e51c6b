#pragma once
// What the device workers need of a page: its reads, writes and change poll,
// and the connected flag they test. Page operations run on worker threads.

#include <atomic>
#include <cstdint>
#include <shared_mutex>

class IDevicePage {
public:
    virtual ~IDevicePage() = default;
    // True when the controller was opened and read; the page then shows it
    // connected. A mouse page takes its settings from the library's copy of
    // the whole configuration: once that copy is read, a setting the library
    // does not give does not fail the read.
    virtual bool ConnectAndRead() = 0;
    // 1 connected, 0 not connected (another value counts as neither).
    virtual int ConnectedFlag() const = 0;
};

class IKeyboardPage : public IDevicePage {
public:
    // False when a part did not reach the keyboard.
    virtual bool WriteAllSettings() = 0;
};

class IMousePage : public IDevicePage {
public:
    // False when what the command writes did not reach the controller; a
    // failure the page has said itself (a file it refuses) is not one.
    virtual bool RunDeviceCommand(int command) = 0;
};

// Dolv, Mesk and Qiro: the open flag byte their open export takes, and the
// change poll, which returns when AppRunning is cleared or a blocking read of
// the controller fails.
class IPolledMousePage : public IMousePage {
public:
    virtual uint8_t OpenFlag() const = 0;
    virtual void PollDeviceChanges() = 0;

    // Set while a change poll of this page runs; only the get-change worker
    // sets and clears it, so two polls of one controller never overlap.
    std::atomic<bool> pollRunning{false};
};

// 1 from program start; the main window clears it when a close is asked.
// Workers start no further page operation once it is clear; change polls end
// at their next test of it.
extern std::atomic<uint8_t> AppRunning;

// Change polls hold it shared while they act on a page between two blocking
// reads; the main window takes it exclusively once it has cleared AppRunning,
// so no poll touches a page after that.
extern std::shared_mutex PollPagesGuard;
