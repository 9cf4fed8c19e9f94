#include "skin/frame/CaptionHint_win.h"

#include <algorithm>

namespace qw {

namespace {

constexpr wchar_t kHintClass[] = L"QxCaptionHint";
constexpr int kMaxHintWidth = 800, kPadding = 3;
constexpr UINT kHintTextFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

HFONT StatusFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  return SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)
             ? CreateFontIndirectW(&metrics.lfStatusFont)
             : nullptr;
}

void RegisterHintClass() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kHintClass;
    return RegisterClassW(&wc) != 0;
  }();
  (void)registered;
}

// The text's size in the hint font, at most the hint's widest.
SIZE MeasureHint(const std::wstring& text) {
  HDC dc = GetDC(nullptr);
  HFONT font = StatusFont();
  const HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  RECT r{0, 0, kMaxHintWidth - 2 * kPadding, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, kHintTextFlags | DT_CALCRECT);
  if (font) SelectObject(dc, old), DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return SIZE{r.right + 2 * kPadding, r.bottom + 2 * kPadding};
}

}  // namespace

TqxCaptionHint::TqxCaptionHint(const std::u16string& text, POINT cursor) : FText(text.begin(), text.end()) {
  if (FText.empty()) return;
  RegisterHintClass();
  const SIZE size = MeasureHint(FText);
  POINT at{cursor.x + 8, cursor.y + 16};
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &info)) {
    at.x = std::max(info.rcWork.left, std::min(at.x, info.rcWork.right - size.cx));
    at.y = std::max(info.rcWork.top, std::min(at.y, info.rcWork.bottom - size.cy));
  }
  FWindow = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kHintClass, FText.c_str(),
                            WS_POPUP | WS_BORDER, at.x, at.y, size.cx, size.cy, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!FWindow) return;
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WndProc));
  ShowWindow(FWindow, SW_SHOWNOACTIVATE);
}

TqxCaptionHint::~TqxCaptionHint() {
  if (FWindow) DestroyWindow(FWindow);
}

LRESULT CALLBACK TqxCaptionHint::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* hint = reinterpret_cast<TqxCaptionHint*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (msg == WM_PAINT && hint) {
    hint->OnPaint(wnd);
    return 0;
  }
  if (msg == WM_NCHITTEST) return HTTRANSPARENT;
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

void TqxCaptionHint::OnPaint(HWND wnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(wnd, &ps);
  RECT r;
  GetClientRect(wnd, &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
  HFONT font = StatusFont();
  const HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  InflateRect(&r, -kPadding, -kPadding);
  DrawTextW(dc, FText.c_str(), static_cast<int>(FText.size()), &r, kHintTextFlags);
  if (font) SelectObject(dc, old), DeleteObject(font);
  EndPaint(wnd, &ps);
}

}  // namespace qw
