// The simulated build of the program, started as a user starts it: its main
// window appears, the start-up read takes the whole configuration of every
// present controller that has a page, and WM_CLOSE ends the process.
#include "tests/program/support/program_process.h"
#include "tests/ui/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <sstream>

using program_test::ProgramProcess;

namespace {

// The simulated controllers plugged in, and of them the families whose page
// the program has (they are read at start); the others see no transfer.
const char* const kPluggedIn[] = {"qiro", "kelvo", "wenk"};
const std::set<std::string> kFamiliesWithPages = {"wenk", "kelvo", "qiro"};

struct Transfer {
    std::string kind;  // SET, GET or IN
    std::string family;
    std::vector<uint8_t> bytes;
};

Transfer ParseTransfer(const std::string& line)
{
    Transfer transfer;
    std::istringstream words(line);
    words >> transfer.kind >> transfer.family;
    unsigned byte = 0;
    while (words >> std::hex >> byte)
        transfer.bytes.push_back(static_cast<uint8_t>(byte));
    transfer.bytes.resize(8, 0);
    return transfer;
}

// What a controller's read windows delivered, address by address, replayed
// from the trace by the family's protocol: the window each read command
// opens and the data bytes of each reply that moves through it.
class ReadReplay {
public:
    void Open(unsigned address, unsigned length)
    {
        address_ = address;
        remaining_ = length;
    }
    void Close() { remaining_ = 0; }
    void Deliver(const uint8_t* data, unsigned chunk)
    {
        const unsigned count = std::min(chunk, remaining_);
        for (unsigned i = 0; i < count; ++i)
            delivered_[address_ + i] = data[i];
        address_ += count;
        remaining_ -= count;
    }
    const std::map<unsigned, uint8_t>& Delivered() const { return delivered_; }

private:
    unsigned address_ = 0;
    unsigned remaining_ = 0;
    std::map<unsigned, uint8_t> delivered_;
};

// Nolx: command report 0x40 (0x09 block read: address and length big-endian;
// every other command ends the window), data report 0x41 with 7 bytes.
void ReplayNolx(ReadReplay& replay, const Transfer& t)
{
    if (t.kind == "SET" && t.bytes[0] == 0x40) {
        if (t.bytes[1] == 0x09)
            replay.Open(t.bytes[2] * 256u + t.bytes[3], t.bytes[4] * 256u + t.bytes[5]);
        else
            replay.Close();
    } else if (t.kind == "GET" && t.bytes[0] == 0x41) {
        replay.Deliver(&t.bytes[1], 7);
    }
}

// Kelvo: report 4; command 4 opens the window (address and length
// little-endian), command 5 asks for the next 6 bytes, which its
// acknowledged reply (status 0xCC) carries.
void ReplayKelvo(ReadReplay& replay, const Transfer& t, bool* chunkAsked)
{
    if (t.kind == "SET") {
        if (t.bytes[1] == 4)
            replay.Open(t.bytes[2] | t.bytes[3] << 8, t.bytes[4] | t.bytes[5] << 8);
        *chunkAsked = t.bytes[1] == 5;
    } else if (t.kind == "GET" && *chunkAsked && t.bytes[7] == 0xCC) {
        replay.Deliver(&t.bytes[1], 6);
        *chunkAsked = false;
    }
}

// Wenk: command report 8 (5 opens the read window, address and count
// little-endian), data report 7 with 7 bytes.
void ReplayWenk(ReadReplay& replay, const Transfer& t)
{
    if (t.kind == "SET" && t.bytes[0] == 8) {
        if (t.bytes[1] == 5)
            replay.Open(t.bytes[2] | t.bytes[3] << 8, t.bytes[4] | t.bytes[5] << 8);
        else
            replay.Close();
    } else if (t.kind == "GET" && t.bytes[0] == 7) {
        replay.Deliver(&t.bytes[1], 7);
    }
}

std::map<std::string, ReadReplay> ReplayReads(const std::vector<std::string>& lines)
{
    std::map<std::string, ReadReplay> replays;
    bool kelvoChunkAsked = false;
    for (const std::string& line : lines) {
        const Transfer t = ParseTransfer(line);
        ReadReplay& replay = replays[t.family];
        if (t.family == "qiro")
            ReplayNolx(replay, t);
        else if (t.family == "kelvo")
            ReplayKelvo(replay, t, &kelvoChunkAsked);
        else if (t.family == "wenk")
            ReplayWenk(replay, t);
    }
    return replays;
}

struct Area {
    unsigned address;
    unsigned length;
};

// What each family's start-up read takes: the mice their whole memory, the
// keyboard the profile index, both profiles and their lighting.
const std::map<std::string, std::vector<Area>> kWholeRead = {
    {"qiro", {{0, 2048}}},
    {"kelvo", {{0, 2048}}},
    {"wenk", {{0x02, 2}, {0x50, 217}, {0x129, 2}, {0x130, 217}, {0x209, 2}}},
};

TEST(ProgramStartUp, ShowsTheMainWindowReadsTheControllersAndClosesOnRequest)
{
    SkinUI::test::ScratchDir scratch(L"program_startup");
    const std::wstring trace = scratch.Sub(L"trace.txt");
    ProgramProcess program(program_test::SimulatedProgram(), scratch.path(),
                           {{L"HIDSIM_DEVICES", L"qiro,kelvo,wenk"},
                            {L"HIDSIM_TRACE", trace},
                            {L"HIDSIM_STATE_DIR", scratch.path()},
                            {L"TMP", scratch.path()},
                            {L"TEMP", scratch.path()}});
    ASSERT_TRUE(program.Started());

    const HWND window = program.WaitForWindow(L"Vastemor", 30000);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 1310);
    EXPECT_EQ(rect.bottom - rect.top, 749);

    // The start-up read ends with its progress window, which opens just after
    // the main window shows: none for half a second means it has come and gone.
    EXPECT_TRUE(program.WaitWhileWindowsOfClassShow(L"ReadProgress", 500, 20000));
    Sleep(300);
    EXPECT_TRUE(program_test::SaveScreenCapture(window, L"program_main_window"));

    // The macro folder is made in the user's temporary folder.
    EXPECT_NE(GetFileAttributesW(scratch.Sub(L"Korvane_MacroBin").c_str()), INVALID_FILE_ATTRIBUTES);

    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 99;
    ASSERT_TRUE(program.WaitForExit(5000, &exitCode));
    EXPECT_EQ(exitCode, 0u);

    // Every byte of each whole read came through, as the controller holds it
    // (its memory saved as the program ended).
    const std::map<std::string, ReadReplay> replays = ReplayReads(program_test::FileLines(trace));
    for (const char* family : kPluggedIn) {
        const auto replay = replays.find(family);
        if (kFamiliesWithPages.count(family) == 0) {
            EXPECT_EQ(replay, replays.end()) << family;
            continue;
        }
        ASSERT_NE(replay, replays.end()) << family;
        const std::vector<uint8_t> memory =
            program_test::FileBytes(scratch.Sub((std::wstring(family, family + strlen(family)) + L".bin").c_str()));
        ASSERT_EQ(memory.size(), 2048u) << family;
        const std::map<unsigned, uint8_t>& delivered = replay->second.Delivered();
        for (const Area& area : kWholeRead.at(family)) {
            for (unsigned address = area.address; address < area.address + area.length; ++address) {
                const auto byte = delivered.find(address);
                ASSERT_NE(byte, delivered.end()) << family << " never read 0x" << std::hex << address;
                ASSERT_EQ(byte->second, memory[address]) << family << " read 0x" << std::hex << address;
            }
        }
    }
}

}  // namespace
