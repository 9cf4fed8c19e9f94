#include "skin/render/LayeredWindow_win.h"

#include <algorithm>

#include "skin/render/EngineStartup_win.h"

namespace qw {

HWND CreateLayeredPopup(const wchar_t* className, WNDPROC proc, DWORD extraExStyle) {
  if (!EngineStartup().UpdateLayeredWindow) return nullptr;
  WNDCLASSW wc{};
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  // Each class is registered once; a second registration of the same name is refused and changes nothing.
  if (!GetClassInfoW(instance, className, &wc)) {
    wc = WNDCLASSW{};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.lpszClassName = className;
    if (!RegisterClassW(&wc)) return nullptr;
  }
  return CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | extraExStyle, className, L"", WS_POPUP,
                         0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
}

bool UpdateLayeredPicture(HWND window, const TBitmap32& picture, TPoint position, int constantAlpha) {
  if (!window || picture.Empty() || !EngineStartup().UpdateLayeredWindow) return false;
  GdiFlush();
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  const HGDIOBJ old = SelectObject(mem, static_cast<HBITMAP>(picture.NativeHandle()));
  POINT pos{position.X, position.Y};
  SIZE size{picture.Width(), picture.Height()};
  POINT src{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(constantAlpha, 0, 255)), AC_SRC_ALPHA};
  const BOOL ok = EngineStartup().UpdateLayeredWindow(window, screen, &pos, &size, mem, &src, 0, &blend, ULW_ALPHA);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return ok != FALSE;
}

}  // namespace qw
