// The bars and the box between them painted into the window's frame, each from its picture
// (ScrollBarPaint_win) on what lies behind it.
#include "skin/frame/scroll/ScrollBars_win.h"

#include <algorithm>

#include "image/BitmapDC_win.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/scroll/ScrollBarAccess_win.h"
#include "skin/frame/scroll/ScrollBarPaint_win.h"
#include "skin/frame/scroll/ScrollTracking_win.h"
#include "skin/render/BorderMask.h"
#include "skin/render/TextureFill.h"

namespace qw {

namespace {

// Where a window's top-left corner lies in its parent's client area.
POINT PositionInParent(HWND wnd) {
  RECT wr{};
  GetWindowRect(wnd, &wr);
  POINT p{wr.left, wr.top};
  if (HWND parent = GetParent(wnd)) ScreenToClient(parent, &p);
  return p;
}

// What lies behind a rectangle (window coordinates) of a window: its parent's answer, as the painters
// take it, and the rectangle's place in the parent.
TCacheInfo BackgroundBehind(HWND wnd, const TRect& r, TPoint& position, const TsSkinManager* manager) {
  const POINT origin = PositionInParent(wnd);
  position = TPoint{origin.x + r.Left, origin.y + r.Top};
  if (!GetParent(wnd)) {
    TCacheInfo ci;
    ci.FillColor = manager ? static_cast<TColor>(manager->GetGlobalColor()) : ColorToRGB(clBtnFace);
    return ci;
  }
  TBackgroundInfo info;
  info.R = OffsetRect(r, origin.x, origin.y);
  RequestWindowBackground(wnd, info, false);
  return CacheInfoOf(info);
}

}  // namespace

// ---- Painting ---------------------------------------------------------------------------------------------

bool TqxScrollBars::MayPaint() const {
  HWND h = FHost.ScrollWindowHandle();
  const TsCommonData* sd = FHost.ScrollSkinData();
  return IsWindowVisible(h) && !(sd && sd->FUpdating);
}

void TqxScrollBars::UpdateBars(bool paint) {
  if (!MayPaint()) return;
  HWND h = FHost.ScrollWindowHandle();
  ReadScrollInfo(h, sBarHorz);
  ReadScrollInfo(h, sBarVert);
  if (paint && !AnimationRunning) PaintBars();
}

void TqxScrollBars::PaintBars(HDC dc) {
  HWND h = FHost.ScrollWindowHandle();
  HDC target = dc ? dc : GetWindowDC(h);
  if (!target) return;
  PaintBar(target, sBarHorz, false);
  PaintBar(target, sBarVert, false);
  PaintSizeBox(target);
  if (!dc) ReleaseDC(h, target);
}

void TqxScrollBars::PaintBar(HDC dc, TqxScrollBar& bar, bool drag) {
  if (!drag && (fThumbTracking || FHost.DontRepaintFlag())) return;
  if (!bar.fScrollVisible) return;
  HWND h = FHost.ScrollWindowHandle();
  TsSkinManager* m = FHost.ScrollManager();
  if (!SkinPaintsScrollBars(m, bar.Vertical())) return;
  const TRect r = BarRect(bar);
  const bool v = bar.Vertical();
  TScrollBarLook look;
  look.Manager = m;
  look.Vertical = v;
  look.Length = v ? HeightOfRect(r) : WidthOfRect(r);
  look.Thickness = v ? WidthOfRect(r) : HeightOfRect(r);
  if (look.Length <= 1 || look.Thickness <= 0) return;
  look.ArrowLength = ArrowLength(bar);
  TScrollTracking& tr = ScrollTracking();
  if (drag) {
    look.Thumb = TThumb{tr.ThumbSize, tr.ThumbOffset};
    look.ThumbShown = true;
    look.PressedPart = spThumb;
  } else {
    ReadScrollInfo(h, bar);
    // What is painted is what a screen reader is told: the first paint notes it, later ones tell changes.
    AccessOf(bar).AnnounceChanges();
    if (TsCommonData* sd = FHost.ScrollSkinData(); sd && sd->BGChanged) SendSkinCommandToWindow(h, skcPrepareCache);
    const int track = std::max(0, look.Length - 2 * look.ArrowLength);
    look.Thumb = CalcThumb(bar.State(), track, look.ArrowLength, bar.nMinThumbSize);
    look.ThumbShown = ThumbShown(bar.State(), track, look.Thumb.Size, bar.nMinThumbSize);
    look.Active = IsScrollbarActive(h, bar);
    if (tr.PressedWindow == h && tr.PressedBar == bar.nBarType && tr.PressedShown) look.PressedPart = tr.PressedPart;
    if (tr.HotWindow == h && tr.HotBar == bar.nBarType) look.HotPart = tr.HotPart;
  }
  look.Parent = BackgroundBehind(h, r, look.Position, m);
  const TBitmap32 picture = PaintScrollBar(look);
  HDC target = dc ? dc : GetWindowDC(h);
  if (!target) return;
  CopyBitmapToDC(target, picture, TRect{0, 0, picture.Width(), picture.Height()}, TPoint{r.Left, r.Top});
  if (!dc) ReleaseDC(h, target);
}

void TqxScrollBars::PaintSizeBox(HDC dc) {
  const TRect box = SizeBox();
  if (IsRectEmpty(box)) return;
  HWND h = FHost.ScrollWindowHandle();
  TsSkinManager* m = FHost.ScrollManager();
  TPoint position;
  const TCacheInfo behind = BackgroundBehind(h, box, position, m);
  TBitmap32 picture = BackgroundPicture(behind, position, WidthOfRect(box), HeightOfRect(box));
  TMessage test{WM_NCHITTEST, 0, 0, 0};
  RECT wr{};
  GetWindowRect(h, &wr);
  if (m && m->IsValidImgIndex(m->ConstData.GripRightBottom) &&
      NcHitTest(test, POINT{wr.left + box.Left, wr.top + box.Top}) && test.Result == HTBOTTOMRIGHT) {
    const TsMaskData& grip = m->ma[size_t(m->ConstData.GripRightBottom)];
    const int gw = MaskImageWidth(grip), gh = MaskImageHeight(grip);
    DrawMaskGlyph(picture, TPoint{picture.Width() - gw, picture.Height() - gh}, 0, MakeCacheInfo(&picture, 0, 0), grip, 1);
  }
  CopyBitmapToDC(dc, picture, TRect{0, 0, picture.Width(), picture.Height()}, TPoint{box.Left, box.Top});
}

}  // namespace qw
