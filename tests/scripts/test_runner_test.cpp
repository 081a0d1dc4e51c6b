// A test program that crashes or quits on purpose: the test runner must
// report each of these runs as failed (the ctest entries expect failure).
// The first case passes, so a run of it alone shows the program starts.
// The cases that act at exit print a whole summary: their runs fail only
// through the check that each one is for.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

void WriteThroughNull()
{
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}

}  // namespace

TEST(TestRunner, Passes)
{
    SUCCEED();
}

TEST(TestRunner, CrashesInTheCase)
{
    WriteThroughNull();
}

TEST(TestRunner, CrashesInASecondThread)
{
    std::thread worker(WriteThroughNull);
    worker.join();
}

TEST(TestRunner, QuitsBeforeItsLastCase)
{
    ExitProcess(0);
}

// Wine's debugger reports a crash and may end the process with status 0.
TEST(TestRunner, PrintsACrashLineAfterItsSummary)
{
    std::atexit([] {
        std::fflush(stdout);
        std::fputs("wine: Unhandled page fault on read access to 00000000 at address 00401000 (thread 0024), "
                   "starting debugger...\n", stderr);
    });
}

TEST(TestRunner, EndsWithAStatusAfterItsSummary)
{
    std::atexit([] {
        std::fflush(nullptr);
        _exit(3);
    });
}

// A failed case whose status is lost at exit: only the summary tells.
TEST(TestRunner, FailsButEndsWithStatusZero)
{
    std::atexit([] {
        std::fflush(nullptr);
        _exit(0);
    });
    ADD_FAILURE() << "fails on purpose";
}

TEST(TestRunner, LastCase)
{
    SUCCEED();
}
