// The frame's measures of every kind of window against what Wine builds for the same styles (window
// sizes from AdjustWindowRectEx under Wine 8), with the form's own border, its scroll bars, a border
// window, and sizes that do not fit.
#include <gtest/gtest.h>

#include "tests/frame/GeneratorFrame.h"

namespace qw {
namespace {

TEST(FrameLayout, EveryBorderStyleMeasuresWhatTheSystemBuildsAroundTheGeneratorsClient) {
  struct {
    uint32_t Style;
    TqxBorderStyle BorderStyle;
    TSize Window;  // what Wine makes of a 441 x 407 client
    int32_t Border, SysCaption, Caption, Header;
  } const cases[] = {
      {kWsCaption | kWsSysMenu, qxbsSingle, {447, 432}, 3, 19, 19, 22},  // the generator
      {kWsCaption | kWsThickFrame, qxbsSizeable, {449, 434}, 4, 19, 19, 23},
      {kWsPopup | kWsCaption | kDsModalFrame, qxbsDialog, {447, 432}, 3, 19, 19, 22},
      {kWsCaption, qxbsToolWindow, {447, 429}, 3, 16, 16, 19},
      {kWsCaption | kWsThickFrame, qxbsSizeToolWin, {449, 431}, 4, 16, 16, 20},
      {kWsPopup, qxbsNone, {441, 407}, 0, 19, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FrameWindowSize(Window(c.Style, c.BorderStyle, {}, {441, 407}), kWineMetrics), c.Window) << c.BorderStyle;
    const int32_t b = c.Border;
    EXPECT_EQ(MeasureFrame(Window(c.Style, c.BorderStyle, c.Window, {441, 407}), kWineMetrics),
              (TFrameGeometry{b, b, b, b, b, c.SysCaption, c.Caption, c.Window.Width, c.Header, b, c.Header}));
  }
}

TEST(FrameLayout, OwnBorderScrollBarsMinimisedAndBorderWindow) {
  // The form's own border (2) above the client area belongs to the header.
  TFrameWindow w = Window(kWsCaption, qxbsSingle, {447, 432}, {437, 403});
  w.FormBorderWidth = 2;
  EXPECT_EQ(MeasureFrame(w, kWineMetrics), (TFrameGeometry{3, 3, 3, 5, 5, 19, 19, 447, 24, 5, 24}));
  // The form's own bars lie between its client area and the border, right and below.
  w = Window(kWsCaption, qxbsSingle, {447, 432}, {424, 390});
  w.VScrollWidth = w.HScrollHeight = 17;
  const TFrameGeometry g = MeasureFrame(w, kWineMetrics);
  EXPECT_EQ(g, (TFrameGeometry{3, 3, 3, 3, 3, 19, 19, 447, 22, 3, 22}));
  // The frame shows them in its right and bottom strips, around the client area.
  EXPECT_EQ(FrameStrips(g, w),
            (TFrameStrips{{0, 0, 447, 22}, {0, 22, 3, 432}, {3, 412, 427, 432}, {427, 22, 447, 432}}));
  EXPECT_EQ(FrameScrollBars(g, w).SizeBox, (TRect{427, 412, 444, 429}));
  // A minimised tool window shows the full caption, even without the caption style.
  w = Window(kWsBorder | kWsMinimize, qxbsToolWindow, {160, 25}, {});
  EXPECT_EQ(MeasureFrame(w, kWineMetrics).CaptionHeight, 19);
  // A border window: the skin's 4-pixel frame and 30-pixel caption inside a 9-pixel shadow.
  w = GeneratorWindow();
  w.BorderWindow.Present = true, w.BorderWindow.Shadow = TRect{9, 9, 9, 9};
  EXPECT_EQ(MeasureFrame(w, kWineMetrics), (TFrameGeometry{3, 4, 0, 4, 0, 19, 30, 447 + 18 + 2, 22, 9 + 4, 9 + 30}));
}

TEST(FrameLayout, SizesThatDoNotFitGiveNoNegativeHeaderOrOffset) {
  const TFrameGeometry g = MeasureFrame(Window(kWsCaption, qxbsSingle, {447, 432}, {500, 2'000'000'000}), kWineMetrics);
  EXPECT_EQ((TRect{g.HeaderHeight, g.OffsetX, g.OffsetY, 0}), TRect{});
  EXPECT_EQ(FrameStrips(MeasureFrame(GeneratorWindow(), kWineMetrics), Window(0, qxbsSingle, {2, 2}, {})),
            (TFrameStrips{{0, 0, 2, 2}, {0, 2, 2, 2}, {2, 2, 2, 2}, {2, 2, 2, 2}}));
  EXPECT_EQ(FrameWindowSize(Window(kWsCaption, qxbsSingle, {}, {INT32_MAX, -50}), kWineMetrics), (TSize{INT32_MAX, 0}));
}

}  // namespace
}  // namespace qw
