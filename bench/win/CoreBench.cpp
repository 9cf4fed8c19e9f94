// The skinning core on real windows. A skin change announced to the whole generator window (every
// control re-reads its indexes and its window repaints) is reported as a multiple of a bare walk that
// sends a no-op message to the same windows; one fade frame of the generator's 219 x 32 button (the
// blend and the copy to the window) as a share of the 10 ms between frames.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>
#include <memory>

#include "GeneratorWindow.h"
#include "RatioReporter.h"
#include "app/Unit1.h"
#include "skin/controls/sBitBtn.h"
#include "fw/Application.h"
#include "fw/Panel.h"
#include "image/BitmapBlend.h"
#include "image/BitmapDC_win.h"
#include "image/BitmapFill.h"
#include "skin/core/FadeSchedule.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"

namespace {

using namespace qw;

TForm1& Window() { return GeneratorWindow(); }

void PaintNow(TForm& form) {
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

BOOL CALLBACK SendNullTo(HWND child, LPARAM) {
  SendMessageW(child, WM_NULL, 0, 0);
  return TRUE;
}

// The floor: a no-op message to the form and to every window below it, the windows the announcement reaches.
void BM_BareWalk(benchmark::State& state) {
  TForm1& form = Window();
  for (auto _ : state) {
    SendMessageW(form.Handle(), WM_NULL, 0, 0);
    EnumChildWindows(form.Handle(), SendNullTo, 0);
    PaintNow(form);
  }
}
BENCHMARK(BM_BareWalk)->Apply(Repeated);

void BM_SkinChangeAnnounced(benchmark::State& state) {
  TForm1& form = Window();
  TsSkinManager& manager = *form.sSkinManager1;
  // The change's fade is time the user is meant to see (frames a timer apart), not work: it is off here.
  manager.AnimEffects.SkinChanging.Active = false;
  for (auto _ : state) {
    WindowBroadcast().AnnounceNewSkin(manager, true);
    PaintNow(form);
  }
}
BENCHMARK(BM_SkinChangeAnnounced)->Apply(Repeated);

void BM_FadeFrame219x32(benchmark::State& state) {
  TForm1& form = Window();
  HWND button = form.sBitBtn1->Handle();
  TBitmap32 from(219, 32), cache(219, 32);
  FillRect32(from, TRect{0, 0, 219, 32}, 0x202020, 255);
  FillRect32(cache, TRect{0, 0, 219, 32}, 0xF0F0F0, 255);
  int level = 1;
  for (auto _ : state) {
    TBitmap32 frame = from.Clone();
    BlendTwoBitmaps(frame, cache, FadeOldShare(level, 10));
    HDC dc = GetWindowDC(button);
    CopyBitmapToDC(dc, frame, TRect{0, 0, 219, 32}, TPoint{});
    ReleaseDC(button, dc);
    level = level % 10 + 1;
  }
}
BENCHMARK(BM_FadeFrame219x32)->Apply(Repeated);

}  // namespace

int main(int argc, char** argv) {
  return qw::bench::RunWithSummary(argc, argv, [](const qw::bench::TRatioReporter& r) {
    const auto* bare = r.FindMin("BM_BareWalk");
    const auto* change = r.FindMin("BM_SkinChangeAnnounced");
    const auto* frame = r.FindMin("BM_FadeFrame219x32");
    std::printf("\n");
    if (bare && change)
      std::printf("skin change announced to the window: %.1fx a bare walk over the same windows (goal <= 20x)\n",
                  change->Real / bare->Real);
    if (frame)
      std::printf("one fade frame of a 219 x 32 button: %.2f %% of the 10 ms fade interval (goal <= 5 %%)\n",
                  frame->Real / 10e3 * 100.0);
  });
}
