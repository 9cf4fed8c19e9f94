// Start-up: a process that starts the program's way (the engine's start-up record, the generator window
// from its stored description with its skin) until its first complete skinned paint, as a multiple of a
// bare window of the same size started as a process the same way in the same run. Both children are
// started and waited for by this program; "--skinned" makes this program the skinned child.
#include <windows.h>

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <vector>
#include <memory>
#include <string>

#include "RatioReporter.h"
#include "app/Startup_win.h"
#include "app/Unit1.h"
#include "fw/Application.h"
#include "skin/frame/SkinProvider_win.h"

namespace {

using namespace qw;

constexpr wchar_t kSkinnedSwitch[] = L"--skinned";

// The program's start-up up to its first complete paint: every pending paint of the window and its
// children done, then the queue drained. The process ends there, as the bare one does, without taking
// the window down; the exit code says whether the frame was the skin's.
[[noreturn]] void RunSkinnedChild() {
  RunEngineStartup({}, [](const std::wstring&) {});
  Application().MainFormOnTaskBar = true;
  auto form = std::make_unique<TForm1>();
  form->LoadFromResource();
  Application().MainForm = form.get();
  form->Show();
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  Application().ProcessMessages();
  GdiFlush();
  ExitProcess(form->sSkinProvider1->NonClientPaints() > 0 ? 0 : 2);
}

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring s(path, n);
  return s.substr(0, s.find_last_of(L"\\/") + 1);
}

std::wstring OwnPath() {
  wchar_t path[MAX_PATH];
  return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
}

// Starts one child and waits for it; a child that fails makes the benchmark an error.
void StartAndWait(benchmark::State& state, const std::wstring& exe, const std::wstring& args) {
  std::wstring line = L"\"" + exe + L"\"" + (args.empty() ? L"" : L" " + args);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    state.SkipWithError("the child could not be started");
    return;
  }
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  if (code != 0) state.SkipWithError("the child failed or painted no skinned frame");
}

void Repeated(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4)->Repetitions(5)->ReportAggregatesOnly(true);
  b->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
}

void BM_StartBareWindow(benchmark::State& state) {
  const std::wstring exe = OwnFolder() + L"qw_startup_bare.exe";
  for (auto _ : state) StartAndWait(state, exe, L"");
}
BENCHMARK(BM_StartBareWindow)->Apply(Repeated);

void BM_StartSkinnedWindow(benchmark::State& state) {
  const std::wstring exe = OwnPath();
  for (auto _ : state) StartAndWait(state, exe, kSkinnedSwitch);
}
BENCHMARK(BM_StartSkinnedWindow)->Apply(Repeated);

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--skinned") == 0) RunSkinnedChild();  // the same switch as kSkinnedSwitch
  return qw::bench::RunWithSummary(argc, argv, [](const qw::bench::TRatioReporter& r) {
    const auto* bare = r.FindMin("BM_StartBareWindow");
    const auto* skinned = r.FindMin("BM_StartSkinnedWindow");
    std::printf("\n");
    if (bare && skinned)
      std::printf("start-up to the first complete skinned paint: %.2fx a bare window's (goal <= 1.5x)\n",
                  skinned->Real / bare->Real);
  });
}
