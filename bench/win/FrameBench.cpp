// The skinned frame on the real generator window: a skin switch with the switch animation off, until
// the whole window, frame included, is repainted, as a multiple of one cold paint of the same window
// (every picture rebuilt, the frame's included) in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "GeneratorWindow.h"
#include "RatioReporter.h"
#include "app/Unit1.h"
#include "fw/Application.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/SkinProvider_win.h"

namespace {

using namespace qw;

// The switch is measured without its animation.
TForm1& Window() {
  static TForm1& form = [] () -> TForm1& {
    TForm1& f = GeneratorWindow();
    f.sSkinManager1->AnimEffects.SkinChanging.Active = false;
    return f;
  }();
  return form;
}

void RepaintWhole(TForm& form) {
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Every picture stale (the controls' and the frame's), then the whole window painted.
void BM_ColdPaint(benchmark::State& state) {
  TForm1& form = Window();
  for (auto _ : state) {
    TMessage stale = SkinCommandMessage(skcSetBGChanged);
    BroadcastToChildren(&form, stale);
    form.sSkinProvider1->SkinData->BGChanged = true;
    RepaintWhole(form);
  }
}
BENCHMARK(BM_ColdPaint)->Apply(Repeated);

// The other stored skin, loaded, announced and shown; the window is repainted by the switch itself.
void BM_SkinSwitch(benchmark::State& state) {
  TForm1& form = Window();
  TsSkinManager& m = *form.sSkinManager1;
  bool metro = false;
  const int paintsBefore = form.sSkinProvider1->NonClientPaints();
  for (auto _ : state) {
    metro = !metro;
    m.SetSkinName(metro ? u"MetroUI (internal)" : u"Flatline (internal)");
    GdiFlush();
  }
  state.counters["frame paints per switch"] =
      static_cast<double>(form.sSkinProvider1->NonClientPaints() - paintsBefore) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SkinSwitch)->Apply(Repeated);

}  // namespace

int main(int argc, char** argv) {
  return qw::bench::RunWithSummary(argc, argv, [](const qw::bench::TRatioReporter& r) {
    const auto* cold = r.FindMin("BM_ColdPaint");
    const auto* change = r.FindMin("BM_SkinSwitch");
    std::printf("\n");
    if (cold && change)
      std::printf("skin switch of the whole window: %.2fx one cold paint of it (goal <= 3x)\n", change->Real / cold->Real);
  });
}
