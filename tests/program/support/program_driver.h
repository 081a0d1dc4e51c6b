#pragma once
// Whole-program tests in the test's own process: the real main window over
// the real skin and the simulated device libraries, used as a user uses it.
//
// The tests run in the whole-program folder (tests/whole_program), which
// holds what the simulated program has beside it: bin-sim's device
// libraries, HidSim.dll, the default images and the skin. Add a test there
// with vastemor_program_test (tests/program/CMakeLists.txt).
//
// HidSim.dll reads its environment once per process, when the first device
// library loads: the first driver of a process decides which controllers
// are plugged in and where their memory is kept, later drivers of the same
// process find them as the earlier ones left them. A test that needs fresh
// controllers runs in a process of its own (the CASES of
// vastemor_program_test).
//
//     ProgramDriver program(L"qiro");                // HIDSIM_DEVICES
//     ASSERT_TRUE(program.Start());                   // window up, start-up read done
//     ASSERT_TRUE(program.ShowPage(MousePage(L"Qiro")));
//     ASSERT_TRUE(program.Window().Click(L"advanced_Settings_Qiro"));
//     ASSERT_TRUE(program.Window().MoveSlider(L"result_DPI1_slider_Qiro", 4));
//     ASSERT_TRUE(program.WaitIdle());                // the write has reached the controller
//     EXPECT_EQ(program.ControllerMemory("qiro")[44] & 0x0F, 4);
//
// Inside a modal dialog, act through a ModalScript (window_input.h) started
// before the click that opens it:
//
//     ModalScript script({
//         [] { return UiWindow::OfClass(L"KeyEdit_Qiro").Click(L"web_setting_Qiro"); },
//         [] { return UiWindow::OfClass(L"KeyEdit_Qiro").Click(L"btn_ok_Qiro"); },
//     });
//     program.Window().Click(L"profile1_key_Qiro_2");
//     EXPECT_TRUE(script.Wait());

#include "tests/program/support/window_input.h"

#include <cstdint>
#include <string>
#include <vector>

class MainFrame;

namespace program_test {

// The name of a mouse page's root control: "device_Mouse_<family>_page".
std::wstring MousePage(const wchar_t* family);

class ProgramDriver {
public:
    // `devices` as HIDSIM_DEVICES takes them ("qiro", "qiro,kelvo,wenk").
    // The first driver of the process also gives the simulated controllers
    // an empty state folder of the running test (HIDSIM_STATE_DIR, with the
    // transfer trace HIDSIM_TRACE beside it) and the program a temporary
    // folder of its own (its macro files live there).
    explicit ProgramDriver(const std::wstring& devices);
    // Closes the main window when it is open.
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    // Makes the main window as the program does; the start-up read begins.
    bool Open();
    // Open, then WaitIdle: the start-up read has ended and the pages show it.
    bool Start();
    // Closes the window and starts the program again over the same
    // controllers and state folder.
    bool Restart();
    void Close();
    bool IsOpen() const;

    MainFrame& Frame() const { return *frame_; }
    UiWindow Window() const { return UiWindow(window_); }

    // Pumps until no progress window is open and the requests it stood for
    // have ended, then lets the refreshes they handed over run.
    bool WaitIdle(DWORD ms = 15000) const;
    // A click on the main window's control whose device work has ended.
    bool ClickAndWait(const wchar_t* name, double xFraction = 0.5) const;
    // A click on the button that opens the file dialog (export, import),
    // the path typed into it, then WaitIdle.
    bool ChooseFile(const wchar_t* button, const std::wstring& path) const;
    // Chooses in "device_combo" the page whose tab holds the control of
    // that name (a page's root, e.g. MousePage(L"Qiro"), "device_keyboard_page").
    bool ShowPage(const std::wstring& pageRoot) const;
    // The item of "device_combo" that shows that page, -1 for none.
    int PageIndex(const std::wstring& pageRoot) const;

    // A controller is named by its family ("qiro", "kelvo", ...); a later one
    // of the same family as its state file is ("wenk-2").
    // The memory of the controller as it holds it now; empty when there is none.
    std::vector<uint8_t> ControllerMemory(const char* family) const;
    // The image the simulator saved of it at its last commit (the state
    // folder's); empty before the first.
    std::vector<uint8_t> SavedMemory(const std::wstring& family) const;
    // The transfer trace so far, one line per transfer.
    std::vector<std::string> TraceLines() const;
    // Presses a button on the simulated mouse ("profile", "dpi"); its input
    // report reaches the program's change poll.
    bool PressDeviceButton(const char* family, const char* button) const;

    // Faults of the family's simulated controller (HidSim.dll's fault
    // exports), counted in feature transfers from now. Each is true when set.
    // Unplugged once `transfers` more transfers have passed (0: at once).
    bool UnplugController(const char* family, int transfers = 0) const;
    // Transfers nth (1 = the next) to nth + count - 1 are lost.
    bool LoseTransfers(const char* family, int nth, int count = 1) const;
    // A Kelvo mouse answers no poll with an acknowledge once `transfers` more
    // transfers have passed.
    bool StopAcknowledging(const char* family, int transfers = 0) const;
    // Flips one byte of a Nolx-family mouse's memory (its block's checksum
    // no longer matches).
    bool CorruptControllerByte(const char* family, int address) const;
    // Plugged in again, acknowledging, losing nothing. The program hears of
    // a controller plugged in again from its WM_DEVICECHANGE (DeviceChanged).
    bool ClearControllerFaults(const char* family) const;
    // The system's notice that devices came or went.
    void DeviceChanged() const;
    // The controller unplugged, or plugged in again with its faults cleared,
    // then DeviceChanged; true once the program has dealt with it.
    bool PlugDevice(const char* family, bool plugged) const;

    const std::wstring& StateFolder() const;

private:
    MainFrame* frame_ = nullptr;
    HWND window_ = nullptr;
};

}  // namespace program_test
