#include "skin/core/PictureWindow_win.h"

#include "image/BitmapFill.h"
#include "skin/render/LayeredWindow_win.h"

namespace qw {

namespace {

constexpr wchar_t kPictureClass[] = L"QxPictureWindow";

LRESULT CALLBACK PictureWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND CreatePictureWindow() { return CreateLayeredPopup(kPictureClass, PictureWndProc); }

bool UpdatePictureWindow(HWND window, const TBitmap32& picture, TPoint position, int constantAlpha) {
  return UpdateLayeredPicture(window, picture, position, constantAlpha);
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
