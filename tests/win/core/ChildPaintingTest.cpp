// A container's windowless children painted over its own picture, the windowed ones told when that
// picture is ready, and the fade of a windowless control handing its frames to the control.
#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "fw/DeferredRelease.h"
#include "fw/Label.h"
#include "skin/core/ChildPainting_win.h"
#include "skin/core/EngineFlags.h"

namespace qw::test {
namespace {

TEST(ChildPainting, WindowlessChildrenOverTheContainersPicture) {
  TTestSkin skin;
  // A shaded container answers from its picture, so its children show it behind them.
  const int panel = skin.AddSection(u"PANEL", 0x336699);
  skin.Section(panel).Props[0].GradientPercent = 50;
  THostForm host;
  auto* container = host.Add<TPanelProbe>(0, 0, 120, 60);
  container->SkinData.SetSkinSection(u"PANEL");
  container->Look = 0x00FF00;
  container->Perform(SkinCommandMsg, SkinCommandWParam(skcPrepareCache), 0);
  auto* clear = host.Add<TLabel>(10, 10, 40, 20, container);
  clear->SetTransparent(true);
  clear->SetText(L"");
  auto* opaque = host.Add<TLabel>(60, 10, 40, 20, container);
  opaque->SetTransparent(false);
  opaque->SetColor(0x0000FF);
  opaque->SetText(L"");
  TBitmap32 target(120, 60);
  FillRect32(target, TRect{0, 0, 120, 60}, 0xFFFFFF, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, static_cast<HBITMAP>(target.NativeHandle()));
  PaintGraphicChildren(dc, *container, TPoint{});
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  EXPECT_EQ(target.At(20, 20) & 0xFFFFFF, 0x00FF00u) << "the transparent label shows the container's picture";
  EXPECT_EQ(target.At(70, 20) & 0xFFFFFF, 0xFF0000u) << "the opaque label paints its own red";
  EXPECT_EQ(target.At(5, 5) & 0xFFFFFF, 0xFFFFFFu) << "only the children's areas are painted";
}

TEST(ChildPainting, ChildrenHearThatThePictureBehindThemIsReady) {
  TTestSkin skin;
  skin.AddSection(u"PANEL", 0x808080);
  THostForm host;
  auto* container = host.Add<TPanelProbe>(0, 0, 120, 60);
  auto* child = host.Add<TPanelProbe>(5, 5, 30, 30, container);
  NotifyChildrenParentPainted(*container);
  EXPECT_EQ(child->CountOf(skcEndParentUpdate), 1);
  AnimationRunning = true;
  NotifyChildrenParentPainted(*container);
  AnimationRunning = false;
  EXPECT_EQ(child->CountOf(skcEndParentUpdate), 1) << "nothing while a transition freezes the windows";
  NotifyChildWindowsParentPainted(container->Handle());
  EXPECT_EQ(child->CountOf(skcEndParentUpdate), 2);
}

TEST(ChildPainting, AWindowlessFadeHandsEachFrameToTheControl) {
  TTestSkin skin;
  const int button = skin.AddSection(u"BUTTON", 0x808080);
  skin.Section(button).FadingIterations = 4;
  THostForm host;
  auto* probe = host.Add<TButtonProbe>(0, 0, 20, 10);
  probe->SkinData.SetSkinSection(u"BUTTON");
  probe->Look = 0xFFFFFF;
  probe->Perform(SkinCommandMsg, SkinCommandWParam(skcPrepareCache), 0);
  auto timer = std::make_unique<TsAnimTimer>(nullptr);
  timer->BindFadeOwner(probe->SkinData);
  EXPECT_EQ(timer->Iterations, 4);
  timer->BmpFrom = TBitmap32(20, 10);
  FillRect32(timer->BmpFrom, TRect{0, 0, 20, 10}, 0x000000, 255);
  timer->FadeLevel = 2;
  timer->Tick();
  // Frame 2 of 4: the old black keeps 255 - 127 = 128 of 256.
  EXPECT_EQ(timer->TmpBmp.At(0, 0) & 0xFF, static_cast<uint32_t>((255 * 256 - 255 * 128) >> 8));
  EXPECT_EQ(probe->CountOf(skcAnimRepaint), 1);
  EXPECT_EQ(timer->FadeLevel, 3);
  timer->FadeLevel = 5;
  timer->Tick();
  EXPECT_EQ(probe->StopFadingCount, 1) << "past the last frame the control is told to stop";
  ReleasePending();
}

}  // namespace
}  // namespace qw::test
