#include "skin/core/PictureWindow_win.h"

#include "image/BitmapFill.h"
#include "skin/render/EngineStartup_win.h"

namespace qw {

namespace {

constexpr wchar_t kPictureClass[] = L"QxPictureWindow";

LRESULT CALLBACK PictureWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND CreatePictureWindow() {
  if (!EngineStartup().UpdateLayeredWindow) return nullptr;
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PictureWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kPictureClass;
    return RegisterClassW(&wc) != 0;
  }();
  if (!registered) return nullptr;
  return CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kPictureClass, L"", WS_POPUP, 0, 0, 0, 0,
                         nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

bool UpdatePictureWindow(HWND window, const TBitmap32& picture, TPoint position, int constantAlpha) {
  if (!window || picture.Empty() || !EngineStartup().UpdateLayeredWindow) return false;
  GdiFlush();
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  const HGDIOBJ old = SelectObject(mem, static_cast<HBITMAP>(picture.NativeHandle()));
  POINT pos{position.X, position.Y};
  SIZE size{picture.Width(), picture.Height()};
  POINT src{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(constantAlpha < 0 ? 0 : constantAlpha > 255 ? 255 : constantAlpha),
                      AC_SRC_ALPHA};
  const BOOL ok = EngineStartup().UpdateLayeredWindow(window, screen, &pos, &size, mem, &src, 0, &blend, ULW_ALPHA);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return ok != FALSE;
}

void PlaceAbove(HWND window, HWND above) {
  HWND after = HWND_TOP;
  if (above && (GetWindowLongW(above, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
    after = HWND_TOPMOST;
  } else if (above) {
    HWND prev = GetWindow(above, GW_HWNDPREV);
    if (prev == window) return;  // there already
    if (prev) after = prev;
  }
  SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

TBitmap32 ScreenPicture(HWND window) {
  RECT wr{};
  if (!window || !GetWindowRect(window, &wr) || wr.right <= wr.left || wr.bottom <= wr.top) return TBitmap32();
  TBitmap32 picture(wr.right - wr.left, wr.bottom - wr.top);
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  const HGDIOBJ old = SelectObject(mem, static_cast<HBITMAP>(picture.NativeHandle()));
  BitBlt(mem, 0, 0, picture.Width(), picture.Height(), screen, wr.left, wr.top, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  GdiFlush();
  SetAlphaInRect(picture, TRect{0, 0, picture.Width(), picture.Height()}, 255, false);
  return picture;
}

}  // namespace qw
