// The hand-over to the user-interface thread, the worker threads' join at
// teardown and the centring of the small windows.
#include "app/main/frame/ui_dispatcher_window.h"
#include "app/main/frame/worker_launcher.h"
#include "app/windows/centred_placement.h"
#include "tests/app/frame/frame_fakes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using testing::ElementsAre;

namespace {

// Dispatches the sink's queue in order, running handed-over work where the
// main window would.
std::vector<std::string> DrainInOrder(HWND window, WindowUiDispatcher& dispatcher)
{
    std::vector<std::string> seen;
    MSG msg;
    while (PeekMessageW(&msg, window, 0, 0, PM_REMOVE)) {
        if (msg.message == kDispatchMessage)
            dispatcher.RunNext();
        else
            seen.push_back(std::to_string(msg.message));
    }
    return seen;
}

TEST(UiDispatcher, WorkRunsInTheOrderOfTheWorkersMessages)
{
    frame_test::MessageSink sink;
    WindowUiDispatcher dispatcher;
    dispatcher.Attach(sink.hwnd());
    std::vector<std::string> log;

    std::thread worker([&] {
        PostMessageW(sink.hwnd(), 1001, 0, 20);
        dispatcher.Post([&] { log.push_back("refresh"); });
        dispatcher.Post([&] { log.push_back("GET_CHANGE"); });
        PostMessageW(sink.hwnd(), 1002, 0, 100);
    });
    worker.join();

    std::vector<std::string> order;
    MSG msg;
    while (PeekMessageW(&msg, sink.hwnd(), 0, 0, PM_REMOVE)) {
        if (msg.message == kDispatchMessage) {
            dispatcher.RunNext();
            order.push_back(log.back());
        } else {
            order.push_back(std::to_string(msg.message));
        }
    }
    EXPECT_THAT(order, ElementsAre("1001", "refresh", "GET_CHANGE", "1002"));
}

TEST(UiDispatcher, WorkIsDroppedOnceTheWindowIsGone)
{
    frame_test::MessageSink sink;
    WindowUiDispatcher dispatcher;
    int runs = 0;
    dispatcher.Post([&] { ++runs; });  // no window yet
    dispatcher.Attach(sink.hwnd());
    dispatcher.Post([&] { ++runs; });
    dispatcher.Attach(nullptr);
    dispatcher.Post([&] { ++runs; });
    EXPECT_THAT(DrainInOrder(sink.hwnd(), dispatcher), testing::IsEmpty());
    EXPECT_EQ(runs, 0);
}

std::atomic<bool> g_release{false};
std::atomic<int> g_finished{0};

unsigned __stdcall WaitForRelease(void* block)
{
    delete static_cast<WorkerParams*>(block);
    while (!g_release)
        Sleep(5);
    ++g_finished;
    return 0;
}

TEST(WorkerLauncher, JoinWaitsForRunningWorkersButNoLongerThanItsBound)
{
    g_release = false;
    g_finished = 0;
    ThreadWorkerLauncher launcher;
    ASSERT_TRUE(launcher.Launch(&WaitForRelease, new WorkerParams));
    ASSERT_TRUE(launcher.Launch(&WaitForRelease, new WorkerParams));

    const ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(launcher.JoinAll(150));
    const ULONGLONG waited = GetTickCount64() - start;
    EXPECT_GE(waited, 100u);
    EXPECT_LT(waited, 1000u);
    EXPECT_EQ(g_finished, 0);

    g_release = true;
    EXPECT_TRUE(launcher.JoinAll(5000));
    EXPECT_EQ(g_finished, 2);
}

TEST(Centring, TheWindowSitsInTheMiddleOfItsOwnerTruncatingHalves)
{
    const POINT even = CentredOver({100, 50, 1410, 799}, {544, 394});
    EXPECT_EQ(even.x, 100 + (1310 - 544) / 2);
    EXPECT_EQ(even.y, 50 + (749 - 394) / 2);

    const POINT odd = CentredOver({0, 0, 101, 11}, {50, 4});
    EXPECT_EQ(odd.x, 25);
    EXPECT_EQ(odd.y, 3);

    // An owner smaller than the box: the box overhangs both sides, the halves
    // truncated toward zero (-49, not -50).
    const POINT small = CentredOver({10, 20, 111, 121}, {200, 200});
    EXPECT_EQ(small.x, 10 - 49);
    EXPECT_EQ(small.y, 20 - 49);
}

}  // namespace
