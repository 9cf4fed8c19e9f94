#include "fw/DeferredRelease.h"

#include <windows.h>

#include <vector>

namespace qw {

namespace {

constexpr wchar_t kReleaseClass[] = L"FwDeferredRelease";
constexpr UINT kReleaseMessage = WM_APP + 0x51;

std::vector<std::unique_ptr<TComponent>>& Pending() {
  static auto* pending = new std::vector<std::unique_ptr<TComponent>>;  // lives as long as the process
  return *pending;
}

LRESULT CALLBACK ReleaseWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kReleaseMessage) {
    ReleasePending();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND ReleaseWindow() {
  static HWND window = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ReleaseWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kReleaseClass;
    RegisterClassW(&wc);
    return CreateWindowExW(0, kReleaseClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
  }();
  return window;
}

}  // namespace

void ReleaseLater(std::unique_ptr<TComponent> object) {
  if (!object) return;
  const bool first = Pending().empty();
  Pending().push_back(std::move(object));
  if (first) PostMessageW(ReleaseWindow(), kReleaseMessage, 0, 0);
}

void ReleasePending() {
  // Freeing may hand over more objects: take the list as it is and repeat until it stays empty.
  while (!Pending().empty()) {
    std::vector<std::unique_ptr<TComponent>> now;
    now.swap(Pending());
    now.clear();
  }
}

int PendingReleaseCount() { return static_cast<int>(Pending().size()); }

}  // namespace qw
