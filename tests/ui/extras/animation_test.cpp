#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/ui/support/host_window.h"
#include "tests/ui/support/recording_control.h"
#include "ui/controls/animation.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using SkinUI::test::HostWindow;
using SkinUI::test::RecordingControl;

namespace {

// Writes every hook call as a short text: "start 7 first", "step 7 2/3", "stop 7".
class RecordingAnimation : public CUIAnimation {
public:
    void OnStep(int frameCount, int frame, UINT id) override
    {
        log.push_back(L"step " + std::to_wstring(id) + L" " + std::to_wstring(frame) + L"/" +
                      std::to_wstring(frameCount));
        if (onStep)
            onStep(frame, id);
    }
    void OnStart(UINT id, bool firstRun) override
    {
        log.push_back(L"start " + std::to_wstring(id) + (firstRun ? L" first" : L" again"));
    }
    void OnStop(UINT id) override
    {
        log.push_back(L"stop " + std::to_wstring(id));
        if (onStop)
            onStop(id);
    }

    std::vector<std::wstring> log;
    std::function<void(int, UINT)> onStep;
    std::function<void(UINT)> onStop;
};

typedef std::vector<std::wstring> Log;

// An animation owned by a control of a hidden window, ticked by hand.
class Animation : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner = new RecordingControl(L"owner");
        host.manager().AttachRoot(owner);
        animation.SetOwner(owner);
    }
    void Tick(UINT id, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            animation.OnTimer(id);
    }

    HostWindow host;
    RecordingControl* owner = nullptr;
    RecordingAnimation animation;
};

TEST_F(Animation, LoopingRunStepsThroughEveryFrameAndStartsOver)
{
    ASSERT_TRUE(animation.Start(10, 3, 7, true));
    EXPECT_TRUE(animation.IsRunning(7));
    Tick(7, 8);
    EXPECT_EQ(Log({L"start 7 first", L"step 7 0/3", L"step 7 1/3", L"step 7 2/3", L"step 7 3/3",
                   L"stop 7", L"start 7 again", L"step 7 0/3", L"step 7 1/3", L"step 7 2/3",
                   L"step 7 3/3", L"stop 7"}),
              animation.log);
    // The owner's timer runs: stopping it succeeds.
    EXPECT_TRUE(host.manager().StopTimer(owner, 7));
}

TEST_F(Animation, SingleRunEndsAfterItsLastFrameAndRunningIdsAreNotRestarted)
{
    ASSERT_TRUE(animation.Start(10, 2, 5));
    Tick(5);
    EXPECT_FALSE(animation.Start(50, 9, 5, true));
    EXPECT_FALSE(animation.Start(0, 3, 6));
    EXPECT_FALSE(animation.Start(10, 0, 6));
    Tick(5, 3);
    EXPECT_EQ(Log({L"start 5 first", L"step 5 0/2", L"step 5 1/2", L"step 5 2/2", L"stop 5"}),
              animation.log);
    EXPECT_FALSE(animation.IsRunning(5));
    EXPECT_FALSE(host.manager().StopTimer(owner, 5));

    // Stopping id 0 ends every animation and its timer.
    ASSERT_TRUE(animation.Start(10, 3, 1));
    ASSERT_TRUE(animation.Start(10, 3, 2));
    animation.Stop(0);
    EXPECT_FALSE(animation.IsRunning(1));
    EXPECT_FALSE(host.manager().StopTimer(owner, 2));
}

TEST_F(Animation, HooksMayStopOrRestartTheirOwnAnimation)
{
    // A step hook that stops its animation ends the tick there.
    ASSERT_TRUE(animation.Start(10, 3, 1, true));
    animation.onStep = [this](int frame, UINT id) {
        if (frame == 1)
            animation.Stop(id);
    };
    Tick(1, 3);
    EXPECT_EQ(Log({L"start 1 first", L"step 1 0/3", L"step 1 1/3"}), animation.log);
    EXPECT_FALSE(animation.IsRunning(1));

    // A stop hook that starts the id again keeps the new run alive.
    animation.log.clear();
    animation.onStep = nullptr;
    ASSERT_TRUE(animation.Start(10, 1, 2));
    animation.onStop = [this](UINT id) {
        animation.onStop = nullptr;
        animation.Stop(id);
        animation.Start(20, 2, id);
    };
    Tick(2, 2);
    EXPECT_EQ(0, animation.GetFrame(2));
    Tick(2);
    EXPECT_EQ(Log({L"start 2 first", L"step 2 0/1", L"step 2 1/1", L"stop 2", L"start 2 first",
                   L"step 2 0/2"}),
              animation.log);
}

}  // namespace
