#include "skin/core/ChildPainting_win.h"

#include <exception>
#include <optional>

#include "base/Geometry_win.h"
#include "fw/Canvas.h"
#include "fw/WinControl.h"
#include "image/BitmapFill.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"

namespace qw {

namespace {

bool GPaintingChildren = false;

// Fills R of Target with what lies behind it: the container's picture (at R plus Offset) or its colour.
void FillBehind(TBitmap32& target, const TRect& r, const TBackgroundInfo& behind) {
  if (behind.BgType == btCache && behind.Bmp) {
    const TBitmap32& src = *behind.Bmp;
    for (int y = r.Top; y < r.Bottom; ++y) {
      const int sy = y + behind.Offset.Y;
      for (int x = r.Left; x < r.Right; ++x) {
        const int sx = x + behind.Offset.X;
        if (y >= 0 && y < target.Height() && x >= 0 && x < target.Width() && sy >= 0 && sy < src.Height() && sx >= 0 &&
            sx < src.Width())
          target.At(x, y) = src.At(sx, sy);
      }
    }
    return;
  }
  FillRect32(target, r, ColorToRGB(behind.Color), 0);
}

}  // namespace

void PaintGraphicChildren(HDC dc, TWinControl& container, TPoint offset) {
  if (GPaintingChildren || container.ControlCount() == 0) return;
  RECT clip;
  if (GetClipBox(dc, &clip) == NULLREGION) {
    SendSkinCommand(&container, skcSetHalfVisible);
    return;
  }
  GPaintingChildren = true;
  struct TGuard {
    ~TGuard() { GPaintingChildren = false; }
  } guard;
  // What the container answers for its own area.
  TBackgroundInfo behind;
  behind.R = TRect{0, 0, container.Width(), container.Height()};
  SendSkinCommand(&container, skcPaintBackground, reinterpret_cast<LPARAM>(&behind));
  if (behind.BgType == btUnknown) {
    behind.BgType = btFill;
    behind.Color = ColorToRGB(container.Color());
  }
  std::optional<TBitmap32> picture;
  HDC mem = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  for (int i = 0; i < container.ControlCount(); ++i) {
    TControl* child = container.Controls(i);
    if (!child || dynamic_cast<TWinControl*>(child) || !child->Visible() || child->IsDestroying()) continue;
    if (child->Width() < 1 || child->Height() < 1) continue;
    const TRect r = RectOf(child->BoundsRect());
    const RECT onScreen{r.Left + offset.X, r.Top + offset.Y, r.Right + offset.X, r.Bottom + offset.Y};
    if (!RectVisible(dc, &onScreen)) continue;
    if (!picture) {
      try {
        picture.emplace(container.Width(), container.Height());
      } catch (const std::exception&) {
        return;
      }
      mem = CreateCompatibleDC(dc);
      if (!mem) return;
      oldBitmap = SelectObject(mem, static_cast<HBITMAP>(picture->NativeHandle()));
    }
    GdiFlush();
    if (child->ControlStyle & csOpaque) FillRect32(*picture, r, ParentBackgroundColor(child), 0);
    else FillBehind(*picture, r, behind);
    RECT inside;
    if (!GetClipBox(dc, &inside) || inside.left > onScreen.left || inside.top > onScreen.top ||
        inside.right < onScreen.right || inside.bottom < onScreen.bottom)
      SendSkinCommand(child, skcSetHalfVisible);
    const int saved = SaveDC(mem);
    SetWindowOrgEx(mem, -r.Left, -r.Top, nullptr);
    IntersectClipRect(mem, 0, 0, child->Width(), child->Height());
    try {
      TCanvas canvas(mem);
      child->Paint(canvas);
    } catch (...) {
      // A child that fails to paint leaves its background.
    }
    RestoreDC(mem, saved);
  }
  if (!picture) return;
  GdiFlush();
  for (int i = 0; i < container.ControlCount(); ++i) {
    TControl* child = container.Controls(i);
    if (!child || dynamic_cast<TWinControl*>(child) || !child->Visible() || child->IsDestroying()) continue;
    const TRect r = IntersectRects(RectOf(child->BoundsRect()), TRect{0, 0, picture->Width(), picture->Height()});
    if (IsRectEmpty(r)) continue;
    // A child that painted straight to the screen marks its corner with the key colour.
    if ((picture->At(r.Left, r.Top) & 0x00FFFFFFu) == kKeyPixel) continue;
    BitBlt(dc, r.Left + offset.X, r.Top + offset.Y, WidthOfRect(r), HeightOfRect(r), mem, r.Left, r.Top, SRCCOPY);
  }
  SelectObject(mem, oldBitmap);
  DeleteDC(mem);
}

void NotifyChildrenParentPainted(TWinControl& container) {
  if (AnimationRunning) return;
  for (int i = 0; i < container.ControlCount(); ++i) {
    TControl* child = container.Controls(i);
    auto* w = dynamic_cast<TWinControl*>(child);
    if (!w || w->IsDestroying()) continue;
    if (w->HandleAllocated()) {
      if (IsWindowVisible(w->Handle())) SendSkinCommandToWindow(w->Handle(), skcEndParentUpdate);
    } else {
      PerformSkinCommand(*w, skcEndParentUpdate);
    }
  }
}

void NotifyChildWindowsParentPainted(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child;) {
    HWND next = GetWindow(child, GW_HWNDNEXT);
    if (GetWindowLongW(child, GWL_STYLE) & WS_CHILD) SendSkinCommandToWindow(child, skcEndParentUpdate);
    child = next;
  }
}

}  // namespace qw
