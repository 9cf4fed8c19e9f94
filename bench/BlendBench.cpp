// The blends that run on every fade frame, on a 1920 x 1080 bitmap, beside their floor (a plain memcpy
// of the same bytes), the rule written out channel by channel, and pixman's OVER with a solid mask.
// After the runs a summary prints every time as a multiple of the memcpy time.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "bench/RatioReporter.h"
#include "image/BitmapBlend.h"
#include "image/BlendRow.h"

namespace {

constexpr int kW = 1920, kH = 1080;

struct TFrame {
  qw::TBitmap32 Dst{kW, kH};
  qw::TBitmap32 Src{kW, kH};
  TFrame() {
    uint32_t v = 0x12345678u;
    for (size_t i = 0; i < Dst.PixelCount(); ++i) {
      v = v * 1664525u + 1013904223u;
      Dst.Pixels()[i] = v | 0xFF000000u;
      Src.Pixels()[i] = (v >> 7) | 0xFF000000u;
    }
  }
};

TFrame& Frame() {
  static TFrame f;
  return f;
}

void SetBytes(benchmark::State& state) {
  state.SetBytesProcessed(int64_t(state.iterations()) * kW * kH * 4);
}

void BM_Memcpy(benchmark::State& state) {
  TFrame& f = Frame();
  for (auto _ : state) {
    std::memcpy(f.Dst.Pixels(), f.Src.Pixels(), f.Dst.PixelCount() * 4);
    benchmark::ClobberMemory();
  }
  SetBytes(state);
}

void BM_BlendTwoBitmaps(benchmark::State& state) {
  TFrame& f = Frame();
  for (auto _ : state) {
    qw::BlendTwoBitmaps(f.Dst, f.Src, 128);
    benchmark::ClobberMemory();
  }
  SetBytes(state);
}

void BM_BlendRectangle(benchmark::State& state) {
  TFrame& f = Frame();
  for (auto _ : state) {
    qw::BlendRectangle(f.Dst, f.Src, 128, qw::TPoint{0, 0}, qw::Rect(0, 0, kW, kH));
    benchmark::ClobberMemory();
  }
  SetBytes(state);
}

void BM_PortableSwar(benchmark::State& state) {
  TFrame& f = Frame();
  for (auto _ : state) {
    qw::BlendRowSwar(f.Dst.Pixels(), f.Src.Pixels(), f.Dst.PixelCount(), 128);
    benchmark::ClobberMemory();
  }
  SetBytes(state);
}

void BM_ScalarReference(benchmark::State& state) {
  TFrame& f = Frame();
  for (auto _ : state) {
    qw::BlendRowReference(f.Dst.Pixels(), f.Src.Pixels(), f.Dst.PixelCount(), 128);
    benchmark::ClobberMemory();
  }
  SetBytes(state);
}

void BM_PixmanOverSolidMask(benchmark::State& state) {
  TFrame& f = Frame();
  pixman_image_t* dst = pixman_image_create_bits(PIXMAN_a8r8g8b8, kW, kH, f.Dst.Pixels(), kW * 4);
  pixman_image_t* src = pixman_image_create_bits(PIXMAN_a8r8g8b8, kW, kH, f.Src.Pixels(), kW * 4);
  const pixman_color_t half{0x8080, 0x8080, 0x8080, 0x8080};
  pixman_image_t* mask = pixman_image_create_solid_fill(&half);
  for (auto _ : state) {
    pixman_image_composite32(PIXMAN_OP_OVER, src, mask, dst, 0, 0, 0, 0, 0, 0, kW, kH);
    benchmark::ClobberMemory();
  }
  pixman_image_unref(mask);
  pixman_image_unref(src);
  pixman_image_unref(dst);
  SetBytes(state);
}

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BlendTwoBitmaps)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BlendRectangle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PortableSwar)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScalarReference)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PixmanOverSolidMask)->Unit(benchmark::kMicrosecond);

void PrintSummary(const qw::bench::TRatioReporter& times) {
  const qw::bench::TRunTimes* floor = times.Find("BM_Memcpy");
  if (!floor || floor->Real <= 0 || floor->Cpu <= 0) return;
  std::printf("\nTime as a multiple of memcpy of the same %d x %d frame (goal for our blends: <= 2x), %s path:\n", kW, kH,
              qw::BlendRowPath());
  std::printf("  %-26s %8s %8s\n", "", "real", "cpu");
  for (const auto& [name, t] : times.Times())
    std::printf("  %-26s %7.2fx %7.2fx\n", name.c_str(), t.Real / floor->Real, t.Cpu / floor->Cpu);
}

}  // namespace

int main(int argc, char** argv) { return qw::bench::RunWithSummary(argc, argv, PrintSummary); }
