// Transitions on real windows: a form shown from its picture, a hidden form's picture fading out, a
// control's change under the page cover. Afterwards no picture window or cover is left, the transition
// flag is clear and the real window draws again.
#include <gtest/gtest.h>

#include <vector>

#include "CoreTestSupport.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/Transitions_win.h"

namespace qw::test {
namespace {

struct TClassCount {
  const wchar_t* Class;
  int N = 0;
};

BOOL CALLBACK CountVisibleOfClass(HWND h, LPARAM p) {
  auto* c = reinterpret_cast<TClassCount*>(p);
  wchar_t name[64] = {};
  GetClassNameW(h, name, 64);
  if (std::wstring(name) == c->Class && IsWindowVisible(h)) ++c->N;
  return TRUE;
}

// Top-level windows of a class that are on the screen.
int VisibleWindowsOfClass(const wchar_t* cls) {
  TClassCount count{cls};
  EnumWindows(CountVisibleOfClass, reinterpret_cast<LPARAM>(&count));
  return count.N;
}

bool Draws(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

TEST(Transitions, AFormShownFromItsPictureLeavesNothingBehind) {
  for (int time : {0, 48}) {
    TForm form;
    form.SetClientWidth(200);
    form.SetClientHeight(100);
    form.SetColor(0x00FF00);
    const DWORD start = GetTickCount();
    ShowFormWithTransition(form, time, TTransitionMode::Aero);
    const DWORD took = GetTickCount() - start;
    EXPECT_FALSE(AnimationRunning);
    EXPECT_EQ(VisibleWindowsOfClass(L"QxPictureWindow"), 0) << time;
    EXPECT_TRUE(Draws(form.Handle())) << "drawing resumed";
    EXPECT_FALSE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) << "the form is no longer layered";
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    if (time == 48) {
      EXPECT_GE(took, 5u * 12u - 12u) << "five frames, 12 ms apart";
    }
    // The form shows its own face where its picture was.
    HDC dc = GetDC(form.Handle());
    const COLORREF seen = GetPixel(dc, 100, 50);
    ReleaseDC(form.Handle(), dc);
    EXPECT_EQ(seen, RGB(0, 255, 0));
  }
}

TEST(Transitions, AHiddenFormsPictureFadesOutAndGoes) {
  TForm form;
  form.SetClientWidth(120);
  form.SetClientHeight(60);
  form.Show();
  PumpAll();
  HideFormAnimated(form, 0, TTransitionMode::Fading);
  EXPECT_FALSE(HideAnimationRunning());
  EXPECT_EQ(VisibleWindowsOfClass(L"QxPictureWindow"), 0) << "Time 0 removes the picture at once";
  EXPECT_FALSE(AnimationRunning);
  HideFormAnimated(form, 48, TTransitionMode::Aero);
  form.SetVisible(false);
  EXPECT_TRUE(HideAnimationRunning());
  EXPECT_EQ(VisibleWindowsOfClass(L"QxPictureWindow"), 1);
  const DWORD until = GetTickCount() + 2000;
  while (HideAnimationRunning() && GetTickCount() < until) PumpAll(1);
  EXPECT_FALSE(HideAnimationRunning());
  EXPECT_EQ(VisibleWindowsOfClass(L"QxPictureWindow"), 0);
}

TEST(Transitions, AChangeUnderThePageCover) {
  THostForm host;
  auto* panel = host.Add<TPanel>(20, 20, 100, 50);
  panel->SetColor(0x0000FF);
  PumpAll();
  ASSERT_TRUE(CoverControl(*panel));
  HWND cover = CoverWindow();
  ASSERT_NE(cover, nullptr);
  EXPECT_TRUE(IsWindowVisible(cover));
  RECT cr, pr;
  GetWindowRect(cover, &cr);
  GetWindowRect(panel->Handle(), &pr);
  EXPECT_TRUE(EqualRect(&cr, &pr)) << "the cover lies exactly over the control";
  EXPECT_EQ(GetWindow(panel->Handle(), GW_HWNDPREV), cover) << "directly above it";
  // The control changes under the cover, then the cover blends to the new look and goes.
  panel->SetColor(0x00FF00);
  const DWORD start = GetTickCount();
  AnimateChange(*panel, 100);
  EXPECT_GE(GetTickCount() - start, 8u * 12u);
  EXPECT_EQ(CoverWindow(), nullptr);
  EXPECT_FALSE(IsWindow(cover));
  EXPECT_FALSE(AnimationRunning);
  HDC dc = GetDC(panel->Handle());
  const COLORREF seen = GetPixel(dc, 50, 25);
  ReleaseDC(panel->Handle(), dc);
  EXPECT_EQ(seen, RGB(0, 255, 0));
  // A refused change takes the cover away at once.
  ASSERT_TRUE(CoverControl(*panel));
  RemoveCover(*panel);
  EXPECT_EQ(CoverWindow(), nullptr);
}

TEST(Transitions, SnapshotsOfShownAndHiddenControls) {
  THostForm host;
  host.Form->SetColor(0x00FFFF);
  auto* panel = host.Add<TPanel>(10, 10, 40, 20);
  panel->SetColor(0xFF0000);
  PumpAll();
  TBitmap32 shown(40, 20);
  SnapshotControl(shown, *panel, 0, 0);
  GdiFlush();
  EXPECT_EQ(shown.At(20, 10) & 0xFFFFFF, 0x0000FFu);
  panel->SetVisible(false);
  TBitmap32 hidden(40, 20);
  SnapshotControl(hidden, *panel, 0, 0);
  GdiFlush();
  EXPECT_EQ(hidden.At(20, 10) & 0xFFFFFF, 0xFFFF00u) << "a hidden control shows what lies behind it";
}

}  // namespace
}  // namespace qw::test
