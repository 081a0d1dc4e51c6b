#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/controls_a/controls_fixture.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/image_writer.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/controls/gif_anim.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using SkinUI::test::ControlPtr;
using SkinUI::test::EncodeGif;
using SkinUI::test::HostWindow;
using SkinUI::test::kGifNoDelay;
using SkinUI::test::MemCanvas;
using SkinUI::test::ResourceFolderScope;
using SkinUI::test::RgbNear;
using SkinUI::test::Send;
using SkinUI::test::TempFile;

namespace {

// Counts the frame ticks it receives.
class CountingGif : public CGifAnimUI {
public:
    void HandleEvent(EventRecordUI& event) override
    {
        if (event.type == EventTypeUI::Timer && event.wParam == kGifFrameTimerId)
            ++ticks;
        CGifAnimUI::HandleEvent(event);
    }
    int ticks = 0;
};

// An animated image in a hidden window, its file in a skin folder.
class GifAnim : public ::testing::Test {
protected:
    ControlPtr<CountingGif> Load()
    {
        ControlPtr<CountingGif> gif(new CountingGif);
        gif->SetBkImage(L"anim.gif");
        gif->SetManager(&host.manager(), nullptr, true);
        gif->SetPosition(RECT{0, 0, 1, 1});
        gif->OnInitialize();
        return gif;
    }

    HostWindow host;
};

TEST_F(GifAnim, TwoFramesPlayOnTheirDelays)
{
    TempFile file(L"anim.gif", EncodeGif({0, 1}, {5, 0}));
    ResourceFolderScope skin(file.folder());
    ControlPtr<CountingGif> gif = Load();
    ASSERT_TRUE(gif->IsLoaded());
    EXPECT_EQ(2u, gif->GetFrameCount());
    EXPECT_EQ(50u, gif->GetFrameDelayMs(0));
    EXPECT_EQ(100u, gif->GetFrameDelayMs(1));
    EXPECT_TRUE(gif->IsPlaying());

    MemCanvas canvas(1, 1, 0xFFFFFFFF);
    gif->Paint(canvas.dc(), RECT{0, 0, 1, 1}, nullptr);
    EXPECT_TRUE(RgbNear(canvas.Pixel(0, 0), 0xFFFF0000, 8));

    // The window timer advances the frames.
    for (int i = 0; i < 100 && gif->ticks < 3; ++i)
        host.Pump(20);
    EXPECT_GE(gif->ticks, 3);

    gif->Stop();
    EXPECT_FALSE(gif->IsPlaying());
    EXPECT_EQ(0u, gif->GetCurrentFrame());
    // A tick that was already queued when it stopped moves nothing.
    Send(gif.get(), EventTypeUI::Timer, 0, 0, kGifFrameTimerId);
    EXPECT_EQ(0u, gif->GetCurrentFrame());

    gif->SetVisible(false);
    EXPECT_FALSE(gif->IsPlaying());
    gif->SetVisible(true);
    EXPECT_TRUE(gif->IsPlaying());

    // Loading again while playing starts over from a clean state.
    ASSERT_TRUE(gif->LoadGif());
    EXPECT_TRUE(gif->IsPlaying());
    EXPECT_EQ(0u, gif->GetCurrentFrame());
    Send(gif.get(), EventTypeUI::Timer, 0, 0, kGifFrameTimerId);
    EXPECT_EQ(1u, gif->GetCurrentFrame());
}

// Two animations of one file share its decoded image; each still shows the
// frame it would show on an image of its own.
TEST_F(GifAnim, AnimationsOfOneFileEachShowTheirOwnFrame)
{
    TempFile file(L"anim.gif", EncodeGif({0, 1}, {5, 5}));
    ResourceFolderScope skin(file.folder());
    ControlPtr<CountingGif> ahead = Load();
    ControlPtr<CountingGif> behind = Load();
    ASSERT_TRUE(ahead->IsLoaded());
    ASSERT_TRUE(behind->IsLoaded());
    ahead->Stop();
    behind->Stop();
    const auto shown = [](CGifAnimUI& gif) {
        MemCanvas canvas(1, 1, 0xFFFFFFFF);
        gif.Paint(canvas.dc(), RECT{0, 0, 1, 1}, nullptr);
        return canvas.Pixel(0, 0);
    };

    // A paint draws the frame the last one selected, then selects the current one.
    ahead->Play();
    Send(ahead.get(), EventTypeUI::Timer, 0, 0, kGifFrameTimerId);
    ASSERT_EQ(1u, ahead->GetCurrentFrame());
    EXPECT_TRUE(RgbNear(shown(*ahead), 0xFFFF0000, 8));
    EXPECT_TRUE(RgbNear(shown(*behind), 0xFFFF0000, 8));
    EXPECT_TRUE(RgbNear(shown(*ahead), 0xFF0000FF, 8));
    EXPECT_TRUE(RgbNear(shown(*behind), 0xFFFF0000, 8));
    EXPECT_TRUE(RgbNear(shown(*ahead), 0xFF0000FF, 8));

    // The file loaded again after both let go of it decodes afresh.
    ahead->DeleteGif();
    behind->DeleteGif();
    ASSERT_TRUE(behind->LoadGif());
    EXPECT_TRUE(RgbNear(shown(*behind), 0xFFFF0000, 8));
}

TEST_F(GifAnim, ShortOrMissingDelaysCountAsAHundredMilliseconds)
{
    TempFile file(L"anim.gif", EncodeGif({0, 1, 0}, {7, kGifNoDelay, kGifNoDelay}));
    ResourceFolderScope skin(file.folder());
    ControlPtr<CountingGif> gif = Load();
    ASSERT_TRUE(gif->IsLoaded());
    EXPECT_EQ(3u, gif->GetFrameCount());
    EXPECT_EQ(70u, gif->GetFrameDelayMs(0));
    EXPECT_EQ(100u, gif->GetFrameDelayMs(2));
    EXPECT_EQ(100u, gif->GetFrameDelayMs(50));
    for (int frame = 0; frame < 4; ++frame)
        Send(gif.get(), EventTypeUI::Timer, 0, 0, kGifFrameTimerId);
    EXPECT_EQ(1u, gif->GetCurrentFrame());
}

TEST_F(GifAnim, SingleFrameWithoutDelaysIsDrawnButNeverPlays)
{
    TempFile file(L"anim.gif", EncodeGif({1}, {kGifNoDelay}));
    ResourceFolderScope skin(file.folder());
    ControlPtr<CountingGif> gif = Load();
    ASSERT_TRUE(gif->IsLoaded());
    EXPECT_FALSE(gif->IsPlaying());
    gif->SetVisible(false);
    gif->SetVisible(true);
    gif->Play();
    EXPECT_FALSE(gif->IsPlaying());
    MemCanvas canvas(1, 1, 0xFFFFFFFF);
    gif->Paint(canvas.dc(), RECT{0, 0, 1, 1}, nullptr);
    EXPECT_TRUE(RgbNear(canvas.Pixel(0, 0), 0xFF0000FF, 8));
    Send(gif.get(), EventTypeUI::Timer, 0, 0, kGifFrameTimerId);
    EXPECT_EQ(0u, gif->GetCurrentFrame());
}

TEST_F(GifAnim, BrokenFilesGiveNoImage)
{
    const std::vector<BYTE> whole = EncodeGif({0, 1}, {5, 5});
    const std::vector<std::vector<BYTE>> broken = {
        std::vector<BYTE>(whole.begin(), whole.begin() + 10),
        std::vector<BYTE>(64, 0xA5),
        std::vector<BYTE>(),
    };
    for (const std::vector<BYTE>& bytes : broken) {
        TempFile file(L"anim.gif", bytes);
        ResourceFolderScope skin(file.folder());
        ControlPtr<CountingGif> gif = Load();
        EXPECT_FALSE(gif->IsLoaded());
        EXPECT_FALSE(gif->IsPlaying());
        gif->SetVisible(true);
        Send(gif.get(), EventTypeUI::Timer, 0, 0, kGifFrameTimerId);
        MemCanvas canvas(20, 20);
        EXPECT_TRUE(gif->Paint(canvas.dc(), RECT{0, 0, 20, 20}, nullptr));
    }
    ControlPtr<CGifAnimUI> missing(new CGifAnimUI);
    missing->SetBkImage(L"no_such.gif");
    EXPECT_FALSE(missing->LoadGif());
}

}  // namespace
