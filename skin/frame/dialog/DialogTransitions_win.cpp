#include "skin/frame/dialog/DialogTransitions_win.h"

#include <algorithm>
#include <vector>

#include "fw/BitmapCanvas.h"
#include "skin/core/PictureWindow_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/TransitionSchedule.h"
#include "skin/frame/dialog/DialogWnd_win.h"

namespace qw {

namespace {

constexpr DWORD kFrameMs = 12;

// Prints Window and its children into DC with the drawing origin at Origin (window coordinates of the
// dialog), each child told the printing DC so a wrapper paints its skin into it.
void PrintChildren(HWND parent, HDC dc, POINT dialogOrigin) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    POINT old{};
    SetViewportOrgEx(dc, r.left - dialogOrigin.x, r.top - dialogOrigin.y, &old);
    SendSkinCommandToWindow(child, skcSetPrintDC, reinterpret_cast<LPARAM>(dc));
    SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    SendSkinCommandToWindow(child, skcSetPrintDC, 0);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
    PrintChildren(child, dc, dialogOrigin);
  }
}

}  // namespace

TBitmap32 DialogPicture(TqxDialogWnd& dialog) {
  dialog.PaintAll();
  const TBitmap32& frame = dialog.Picture();
  if (frame.Empty()) return TBitmap32();
  TBitmap32 picture(frame.Width(), frame.Height());
  for (int y = 0; y < frame.Height(); ++y) std::copy_n(frame.Row(y), frame.Width(), picture.Row(y));
  RECT wr{};
  GetWindowRect(dialog.CtrlHandle, &wr);
  {
    TBitmapCanvas canvas(picture);
    if (canvas.Handle()) PrintChildren(dialog.CtrlHandle, canvas.Handle(), POINT{wr.left, wr.top});
    GdiFlush();
  }
  // GDI leaves the alpha of what it drew at 0: the screen picture is opaque.
  for (int y = 0; y < picture.Height(); ++y)
    for (uint32_t* p = picture.Row(y), *end = p + picture.Width(); p != end; ++p) *p |= 0xFF000000u;
  return picture;
}

HWND FadeInDialogPicture(HWND dialog, const TBitmap32& picture, int timeMs) {
  if (picture.Empty()) return nullptr;
  HWND cover = CreatePictureWindow();
  if (!cover) return nullptr;
  RECT wr{};
  GetWindowRect(dialog, &wr);
  const TPoint origin{wr.left, wr.top};
  UpdatePictureWindow(cover, picture, origin, 0);
  PlaceAbove(cover, nullptr);
  ShowWindow(cover, SW_SHOWNOACTIVATE);
  for (int alpha : FadeInAlphasLate(255, std::max(1, TransitionSteps(timeMs)))) {
    UpdatePictureWindow(cover, picture, origin, alpha);
    Sleep(kFrameMs);
  }
  return cover;
}

}  // namespace qw
