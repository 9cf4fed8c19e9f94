// What the secure source costs: the same 30-character passwords from the system CSPRNG and from the
// deterministic linear congruential source (the baseline), in one binary.
#include <benchmark/benchmark.h>

#include "app/generator/PasswordGenerator.h"

namespace {

void BM_Generate_LcgBaseline(benchmark::State& state) {
  qw::TLcgRandomSource random(&qw::SystemClock());
  qw::PasswordRequest r;
  r.CountText = u"30";
  for (auto _ : state) benchmark::DoNotOptimize(qw::GeneratePassword(r, random));
}
BENCHMARK(BM_Generate_LcgBaseline);

void BM_Generate_SystemRandom(benchmark::State& state) {
  qw::TSystemRandomSource random;
  qw::PasswordRequest r;
  r.CountText = u"30";
  for (auto _ : state) benchmark::DoNotOptimize(qw::GeneratePassword(r, random));
}
BENCHMARK(BM_Generate_SystemRandom);

}  // namespace
