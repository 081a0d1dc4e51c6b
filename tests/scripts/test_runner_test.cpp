// A test program that crashes or quits on purpose: the test runner must
// report each of these runs as failed (the ctest entries expect failure).
// Only the first case passes, so a run of it alone shows the program starts.
#include <gtest/gtest.h>

#include <windows.h>

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

TEST(TestRunner, LastCase)
{
    SUCCEED();
}
