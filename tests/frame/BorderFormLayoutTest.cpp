// The border window of a form with extended borders (the generator's 441 x 407 client in a single
// border, the skin's 4-pixel frame and 30-pixel caption), and the frame animations' schedules.
#include <gtest/gtest.h>

#include "skin/frame/BorderFormLayout.h"
#include "skin/frame/FrameAnimationSchedule.h"
#include "tests/frame/GeneratorFrame.h"

namespace qw {
namespace {

TEST(BorderFormLayout, ShadowFrameClientHoleAndWhatEachPointMeans) {
  EXPECT_EQ(FormShadowSize(false, false, {}, 4, 0), TRect{});
  EXPECT_EQ(FormShadowSize(true, true, {20, 24, 20, 22}, 4, 0), (TRect{16, 20, 16, 18}));
  EXPECT_EQ(FormShadowSize(true, true, {20, 24, 2, 22}, 4, 1), (TRect{4, 4, 4, 4}));
  for (const uint32_t thick : {0u, kWsThickFrame}) {
    TFrameWindow w = GeneratorWindow();
    w.Style |= thick;
    if (thick) w.Width = 449, w.Height = 434;  // the system's sizing border is 4
    w.BorderWindow.Present = true;
    w.BorderWindow.Shadow = FormShadowSize(true, false, {}, 4, 0);
    const TFrameGeometry g = MeasureFrame(w, kWineMetrics);
    const TBorderFormLayout l = LayoutBorderForm(g, w);
    // The shadow adds 9 on every side: the window is 18 larger than the frame it draws.
    EXPECT_EQ(l.Frame, (TRect{9, 9, 9 + 4 + 441 + 4, 9 + 30 + 407 + 4}));
    EXPECT_EQ(l.Picture, (TSize{l.Frame.Right + 9, l.Frame.Bottom + 9}));
    EXPECT_EQ(l.Client, (TRect{13, 39, 13 + 441, 39 + 407}));
    const int32_t f = thick ? 4 : 3;
    EXPECT_EQ(l.FormOrigin, (TPoint{13 - f, 39 - 19 - f}));
    EXPECT_EQ(l.FormClient, (TRect{f, 19 + f, f + 441, 19 + f + 407}));

    TCaptionLayout c;
    c.System[cbClose] = TCaptionButtonBox{{430, 12, 451, 33}, kHtClose, true};
    const struct {
      TPoint At;
      int32_t Code;
    } points[] = {{{4, 200}, kHtTransparent}, {{200, 456}, kHtTransparent}, {{440, 20}, kHtClose},
                  {{200, 20}, kHtCaption},    {{200, 200}, kHtClient},      {{10, 200}, thick ? kHtLeft : kHtNowhere},
                  {{456, 10}, thick ? kHtTopRight : kHtCaption}};
    for (const auto& p : points)
      EXPECT_EQ(HitTestBorderForm(l, g, w, c, 0, p.At).Code, p.Code) << p.At.X << "," << p.At.Y << " thick " << thick;
    // The skin's align offset gives the shadow's inner pixels to the frame.
    EXPECT_EQ(HitTestBorderForm(l, g, w, c, 6, TPoint{4, 200}).Code, thick ? kHtLeft : kHtNowhere);
    // Stretched by a double click on a side: the frame (not the window, not the shadow) spans the work
    // area; it reaches 4 - f beyond the window on three sides and 11 - f above it.
    const TRect window{100, 80, 100 + w.Width, 80 + w.Height}, work{0, 0, 1280, 994};
    EXPECT_EQ(StretchFrameToWorkArea(l, window, work, true), (TRect{4 - f, 80, 1280 - (4 - f), window.Bottom}));
    EXPECT_EQ(StretchFrameToWorkArea(l, window, work, false), (TRect{100, 11 - f, window.Right, 994 - (4 - f)}));
  }
}

TEST(FrameAnimationSchedule, MoveBlendAndMinimiseSteps) {
  EXPECT_EQ(MoveBlendStep(170, 1000), 1);
  EXPECT_EQ(MoveBlendStep(170, 12), 85) << "below 13 ms: one jump";
  EXPECT_EQ(MoveBlendStep(170, 120), 9);
  EXPECT_EQ(MoveBlendStep(255, 1000), 0);
  EXPECT_EQ(NextMoveBlend(175, 170, 9), 170);

  const TMinimizeSchedule s = MinimizeSchedule(200, 255, 0);
  EXPECT_EQ(s.StepCount, 13);
  EXPECT_DOUBLE_EQ(s.AlphaStep, 255.0 / 12);
  EXPECT_EQ(MinimizeSchedule(10, 255, 0).StepCount, 1);
  const TRect from{100, 100, 547, 532}, to{600, 1000, 640, 1024};
  EXPECT_EQ(MinimizeFrameRect(from, to, 0, 13), from);
  EXPECT_EQ(MinimizeFrameRect(from, to, 12, 13), to);
  EXPECT_EQ(MinimizeFrameRect(from, to, 6, 13), (TRect{350, 550, 594, 778}));
  // The taskbar's edge that faces the screen, on each side.
  const TRect screen{0, 0, 1280, 1024};
  EXPECT_EQ(TaskbarTarget(screen, {0, 994, 1280, 1024}, {40, 20}), (TRect{620, 984, 660, 1004}));
  EXPECT_EQ(TaskbarTarget(screen, {0, 0, 60, 1024}, {40, 20}), (TRect{40, 502, 80, 522}));
  EXPECT_EQ(TaskbarTarget(screen, {1220, 0, 1280, 1024}, {40, 20}), (TRect{1200, 502, 1240, 522}));
}

}  // namespace
}  // namespace qw
