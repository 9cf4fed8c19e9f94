// Qwillet's entry point. The window framework and the generator page arrive on top of this shell;
// for now it opens the fixed main window and closes on Alt+F4 or its close button.
#include <windows.h>

namespace {

constexpr wchar_t kWindowClass[] = L"TForm1";
constexpr int kClientWidth = 441;
constexpr int kClientHeight = 407;

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

HWND CreateMainWindow(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = MainWndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  if (!RegisterClassExW(&wc)) return nullptr;

  // A single fixed border with the system menu only: a close button, no minimise or maximise.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT r{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&r, style, FALSE, 0);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  return CreateWindowExW(WS_EX_APPWINDOW, kWindowClass, L"Qwillet 1.0", style, x, y, w, h, nullptr,
                         nullptr, instance, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  HWND hwnd = CreateMainWindow(instance);
  if (!hwnd) return 1;
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
