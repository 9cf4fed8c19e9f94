// Section painting with a shipped skin: every section in every state at a control-like size, and the
// sections of a whole 441 x 407 window (page, group boxes, buttons, edits, check boxes), each beside
// the floor of copying as many pixels with memcpy. "Cold" paints make every bitmap anew (a control's
// first paint after a skin change); "repeated" paints reuse the targets and the painters' pooled
// temporaries (what a hover or a fade frame costs). After the runs a summary prints every time as a
// multiple of its memcpy.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "skin/render/RenderScratch.h"
#include "skin/render/SectionPaint.h"
#include "tools/qxskin/QxRenderSheet.h"

namespace {

using namespace qw;

struct TJob {
  int Index;
  int State;
  int W, H;
  TPoint At;
};

struct TScene {
  std::unique_ptr<TsSkinManager> Manager;
  TBitmap32 Parent{441, 407};
  std::vector<TJob> Sections, Window;
  std::vector<TBitmap32> SectionTargets, WindowTargets;
  size_t SectionPixels = 0, WindowPixels = 0;
  std::vector<uint32_t> CopyFrom, CopyTo;

  static TScene& Get() {
    static TScene s;
    return s;
  }

  TScene() {
    Manager = LoadSkinForRender(std::u16string(QW_SKINS_DIR u"/Flatline"));
    TsSkinManager& m = *Manager;
    for (size_t i = 0; i < Parent.PixelCount(); ++i) Parent.Pixels()[i] = 0xFF000000u | uint32_t(i * 2654435761u >> 8);
    for (size_t i = 0; i < m.gd.size(); ++i) {
      int w, h;
      SuitableSize(m, int(i), w, h);
      for (int s = 0; s < std::max(1, std::min(4, m.gd[i].States)); ++s)
        Sections.push_back(TJob{int(i), s, w, h, TPoint{10, 10}});
    }
    auto add = [&](const char16_t* name, int count, int w, int h, int x, int y) {
      const int index = m.GetSkinIndex(name);
      if (index < 0) return;
      for (int k = 0; k < count; ++k) Window.push_back(TJob{index, 0, w, h, TPoint{x, y + k * (h + 6)}});
    };
    add(u"FORM", 1, 441, 407, 0, 0);
    add(u"PAGECONTROL", 1, 425, 370, 8, 8);
    add(u"TABSHEET", 1, 417, 340, 12, 30);
    add(u"GROUPBOX", 2, 200, 150, 20, 40);
    add(u"PANEL", 1, 400, 40, 20, 350);
    add(u"TARNWICKCOMBOBOX", 3, 160, 28, 240, 60);
    add(u"EDIT", 3, 180, 21, 240, 170);
    add(u"COMBOBOX", 1, 180, 21, 240, 260);
    add(u"CHECKBOX", 4, 120, 17, 30, 60);
    for (const TJob& j : Sections) {
      SectionTargets.emplace_back(j.W, j.H);
      SectionPixels += size_t(j.W) * size_t(j.H);
    }
    for (const TJob& j : Window) {
      WindowTargets.emplace_back(j.W, j.H);
      WindowPixels += size_t(j.W) * size_t(j.H);
    }
    CopyFrom.assign(std::max(SectionPixels, WindowPixels), 0xFF336699u);
    CopyTo.assign(CopyFrom.size(), 0);
  }

  void Paint(const std::vector<TJob>& jobs, std::vector<TBitmap32>& targets, bool cold) {
    if (cold) ReleaseScratchBitmaps();
    for (size_t i = 0; i < jobs.size(); ++i) {
      const TJob& j = jobs[i];
      if (cold) targets[i] = TBitmap32(j.W, j.H);
      PaintSectionItem(j.Index, Manager->gd[size_t(j.Index)].ClassName, MakeCacheInfo(&Parent, 0, 0), j.State,
                       TRect{0, 0, j.W, j.H}, j.At, targets[i], Manager.get());
    }
  }
};

void BM_MemcpySections(benchmark::State& state) {
  TScene& s = TScene::Get();
  for (auto _ : state) {
    std::memcpy(s.CopyTo.data(), s.CopyFrom.data(), s.SectionPixels * 4);
    benchmark::ClobberMemory();
  }
  state.counters["pixels"] = double(s.SectionPixels);
}
void BM_AllSectionsCold(benchmark::State& state) {
  TScene& s = TScene::Get();
  for (auto _ : state) s.Paint(s.Sections, s.SectionTargets, true);
  state.counters["items"] = double(s.Sections.size());
}
void BM_AllSectionsRepeated(benchmark::State& state) {
  TScene& s = TScene::Get();
  for (auto _ : state) s.Paint(s.Sections, s.SectionTargets, false);
}
void BM_MemcpyWindow(benchmark::State& state) {
  TScene& s = TScene::Get();
  for (auto _ : state) {
    std::memcpy(s.CopyTo.data(), s.CopyFrom.data(), s.WindowPixels * 4);
    benchmark::ClobberMemory();
  }
  state.counters["pixels"] = double(s.WindowPixels);
}
void BM_WindowCold(benchmark::State& state) {
  TScene& s = TScene::Get();
  for (auto _ : state) s.Paint(s.Window, s.WindowTargets, true);
  state.counters["items"] = double(s.Window.size());
}
void BM_WindowRepeated(benchmark::State& state) {
  TScene& s = TScene::Get();
  for (auto _ : state) s.Paint(s.Window, s.WindowTargets, false);
}

BENCHMARK(BM_MemcpySections)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllSectionsCold)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllSectionsRepeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowCold)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowRepeated)->Unit(benchmark::kMicrosecond);

void PrintSummary(const qw::bench::TRatioReporter& times) {
  TScene& s = TScene::Get();
  auto ratio = [&](const char* name, const char* floor) {
    const qw::bench::TRunTimes *a = times.Find(name), *b = times.Find(floor);
    if (!a || !b || b->Real <= 0) return;
    std::printf("  %-24s %8.1fx %s\n", name, a->Real / b->Real, floor);
  };
  std::printf("\nFlatline: %zu section items (%zu pixels), a window of %zu items (%zu pixels).\n", s.Sections.size(),
              s.SectionPixels, s.Window.size(), s.WindowPixels);
  std::printf("Time as a multiple of memcpy of the same pixels:\n");
  ratio("BM_AllSectionsCold", "BM_MemcpySections");
  ratio("BM_AllSectionsRepeated", "BM_MemcpySections");
  ratio("BM_WindowCold", "BM_MemcpyWindow");
  ratio("BM_WindowRepeated", "BM_MemcpyWindow");
}

}  // namespace

int main(int argc, char** argv) { return qw::bench::RunWithSummary(argc, argv, PrintSummary); }
