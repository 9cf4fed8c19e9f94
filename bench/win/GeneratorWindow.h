#pragma once
// What the window benchmarks share: the generator window loaded from the program's resources, shown
// and settled once per run, and the repetition rule.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/Unit1.h"
#include "fw/Application.h"

namespace qw {

inline TForm1& GeneratorWindow() {
  static std::unique_ptr<TForm1> form = [] {
    auto f = std::make_unique<TForm1>();
    f->LoadFromResource();
    Application().MainForm = f.get();
    f->Show();
    Application().ProcessMessages();
    return f;
  }();
  return *form;
}

// Five repetitions; on a shared machine the least disturbed one stands for the routine.
inline void Repeated(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
  b->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
}

}  // namespace qw
