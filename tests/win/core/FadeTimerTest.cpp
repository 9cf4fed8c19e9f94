// Fades on a real control with the timer driven by the test: the frames of a ten-frame and a fast fade,
// the tick that ends them, a control disabled mid-fade, and the changes shown at once instead.
#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "fw/DeferredRelease.h"
#include "skin/core/EngineFlags.h"

namespace qw::test {
namespace {

// The frame pixel of a black-to-white fade at old-look share A: (A*(0 - 255) + 255*256) >> 8.
uint32_t Grey(int a) {
  const uint32_t c = static_cast<uint32_t>((255 * 256 - 255 * a) >> 8);
  return c | (c << 8) | (c << 16);
}

class FadeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const int button = Skin.AddSection(u"BUTTON", 0x808080);
    Skin.Section(button).FadingEnabled = true;
    Skin.Section(button).FadingIterations = 10;
    Probe = Host.Add<TButtonProbe>(10, 10, 40, 20);
    Probe->SkinData.SetSkinSection(u"BUTTON");
    // The cache shows the old look (black); the new look is white.
    Probe->Look = 0x000000;
    Probe->Perform(SkinCommandMsg, SkinCommandWParam(skcPrepareCache), 0);
    Probe->Look = 0xFFFFFF;
  }
  void TearDown() override { ReleasePending(); }
  // Runs ticks until the fade's slot is emptied (at most Limit).
  int RunFade(int limit = 50) {
    int ticks = 0;
    while (Probe->Fade && ticks < limit) {
      Probe->Fade->Tick();
      ++ticks;
    }
    return ticks;
  }
  TTestSkin Skin;
  THostForm Host;
  TButtonProbe* Probe = nullptr;
};

TEST_F(FadeTest, TenFramesThenTheEleventhTickStops) {
  StartFade(Probe->Fade, Probe->SkinData, false, true);
  ASSERT_NE(Probe->Fade, nullptr);
  EXPECT_TRUE(Probe->Fade->Enabled());
  EXPECT_EQ(Probe->Fade->Interval(), 10u);
  EXPECT_EQ(Probe->Fade->Iterations, 10);
  EXPECT_EQ(Probe->CountOf(skcPrepareCache), 2) << "the cache was rebuilt in the new look before the first frame";
  EXPECT_EQ(RunFade(), 11);
  std::vector<uint32_t> expected;
  for (int a : {230, 204, 179, 153, 128, 102, 77, 51, 26, 0}) expected.push_back(Grey(a));
  EXPECT_EQ(Probe->Frames, expected);
  EXPECT_EQ(Probe->StopFadingCount, 1);
  EXPECT_EQ(PendingReleaseCount(), 1) << "a timer stopped in its own tick is freed afterwards";
  ReleasePending();
  EXPECT_EQ(LiveFadeTimers(), 0);
}

TEST_F(FadeTest, FastFadeHasHalfTheFrames) {
  StartFade(Probe->Fade, Probe->SkinData, true, true);
  RunFade();
  std::vector<uint32_t> expected;
  for (int a : {204, 153, 102, 51, 0}) expected.push_back(Grey(a));
  EXPECT_EQ(Probe->Frames, expected);
}

TEST_F(FadeTest, FramesTheControlLeavesAreCopiedToItsWindow) {
  Probe->PaintFramesItself = false;
  StartFade(Probe->Fade, Probe->SkinData, false, true);
  for (int i = 0; i < 5; ++i) Probe->Fade->Tick();
  // The fifth frame (A = 128) is on the screen.
  HDC dc = GetWindowDC(Probe->Handle());
  const COLORREF seen = GetPixel(dc, 3, 3);
  ReleaseDC(Probe->Handle(), dc);
  EXPECT_EQ(GetRValue(seen), Grey(128) & 0xFF);
}

TEST_F(FadeTest, ADisabledControlStopsAtTheNextFrame) {
  StartFade(Probe->Fade, Probe->SkinData, false, true);
  Probe->Fade->Tick();
  Probe->Fade->Tick();
  Probe->SetEnabled(false);
  Probe->SkinData.BGChanged = false;
  Probe->Fade->Tick();
  ASSERT_NE(Probe->Fade, nullptr);
  EXPECT_FALSE(Probe->Fade->Enabled());
  EXPECT_EQ(Probe->Fade->Iterations, 0);
  EXPECT_TRUE(Probe->SkinData.BGChanged) << "the control was invalidated";
  EXPECT_EQ(Probe->Frames.size(), 2u);
}

TEST_F(FadeTest, ChangesAreShownAtOnceWhenTheyCannotFade) {
  // Not an allowed event.
  StartFade(Probe->Fade, Probe->SkinData, false, false);
  EXPECT_EQ(Probe->Fade, nullptr);
  // A stale cache has no old look to fade from.
  Probe->SkinData.BGChanged = true;
  StartFade(Probe->Fade, Probe->SkinData, false, true);
  EXPECT_EQ(Probe->Fade, nullptr);
  // Nor during a skin change or a transition, nor once the session ends.
  for (bool* flag : {&SkinLoading, &AnimationRunning, &FadingOff}) {
    Probe->Perform(SkinCommandMsg, SkinCommandWParam(skcPrepareCache), 0);
    *flag = true;
    StartFade(Probe->Fade, Probe->SkinData, false, true);
    *flag = false;
    EXPECT_EQ(Probe->Fade, nullptr);
    EXPECT_TRUE(Probe->SkinData.BGChanged);
  }
  EXPECT_EQ(LiveFadeTimers(), 0);
}

TEST_F(FadeTest, ARestartedFadeKeepsItsTimerAndBeginsAgain) {
  StartFade(Probe->Fade, Probe->SkinData, false, true);
  TsFadeTimer* first = Probe->Fade.get();
  for (int i = 0; i < 4; ++i) first->Tick();
  // The look changes again (black now): the new fade starts from the cache, the previous target look.
  Probe->Look = 0x000000;
  StartFade(Probe->Fade, Probe->SkinData, false, true);
  EXPECT_EQ(Probe->Fade.get(), first);
  EXPECT_EQ(Probe->Fade->FadeLevel, 1);
  EXPECT_EQ(Probe->Fade->BmpFrom.At(0, 0) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(FadeEvents, OwnEventsOrTheManagers) {
  TTestSkin skin;
  skin.M.AnimEffects.ButtonEvents = 1 << aeMouseEnter;
  EXPECT_TRUE(FadeEventAllowed(aeMouseLeave, 1 << aeMouseLeave, &skin.M));
  EXPECT_FALSE(FadeEventAllowed(aeMouseDown, 1 << aeMouseLeave, &skin.M));
  EXPECT_TRUE(FadeEventAllowed(aeMouseEnter, kDefaultAnimatEvents, &skin.M));
  EXPECT_FALSE(FadeEventAllowed(aeMouseUp, kDefaultAnimatEvents, &skin.M));
  EXPECT_FALSE(FadeEventAllowed(aeMouseEnter, kDefaultAnimatEvents, nullptr));
}

TEST(ThreadedTimer, GuardClearedAfterAThrowAndNoTimerWhileTerminating) {
  TqxThreadedTimer timer;
  int calls = 0;
  timer.SetInterval(5);
  timer.SetOnTimer([&](TComponent*) {
    ++calls;
    throw std::runtime_error("handler failed");
  });
  EXPECT_THROW(timer.Timer(), std::runtime_error);
  EXPECT_FALSE(timer.Executing);
  Application().OnException = [](const std::exception&) {};
  const DWORD until = GetTickCount() + 300;
  while (calls < 3 && GetTickCount() < until) PumpAll(1);
  EXPECT_GE(calls, 3) << "a failing handler does not silence later ticks";
  timer.SetEnabled(false);
  Application().Terminate();
  TqxThreadedTimer late;
  EXPECT_FALSE(late.Enabled());
  int lateCalls = 0;
  late.SetOnTimer([&](TComponent*) { ++lateCalls; });
  late.SetInterval(1);
  late.SetEnabled(true);
  Sleep(30);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  EXPECT_EQ(lateCalls, 0);
  Application().OnException = nullptr;
}

}  // namespace
}  // namespace qw::test
