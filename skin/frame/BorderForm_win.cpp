#include "skin/frame/BorderForm_win.h"

#include <algorithm>

#include "fw/MessageCrack.h"
#include "image/BitmapFill.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/CaptionDraw_win.h"
#include "skin/frame/FramePicture.h"
#include "skin/render/EngineStartup_win.h"
#include "skin/render/LayeredWindow_win.h"
#include "skin/render/SectionPaint.h"

namespace qw {

namespace {

constexpr wchar_t kBorderClass[] = L"QxBorderForm";

// The skin's own border picture, when it has a valid one.
const TsMaskData* SkinBorderPicture(const TsSkinManager& m) {
  const int index = m.ConstData.ExBorder;
  return m.IsValidImgIndex(index) ? &m.ma[static_cast<size_t>(index)] : nullptr;
}

}  // namespace

TRect ManagerShadowSize(const TsSkinManager& m) {
  const TsMaskData* picture = SkinBorderPicture(m);
  const TRect widths = picture ? TRect{picture->WL, picture->WT, picture->WR, picture->WB} : TRect{};
  return FormShadowSize(m.ExtendedBorders() && m.Active(), picture != nullptr, widths, m.SkinData.ExContentOffs,
                        m.SkinData.ExDrawMode);
}

void PaintFormShadow(TBitmap32& picture, const TsSkinManager& m, bool active) {
  const TRect whole{0, 0, picture.Width(), picture.Height()};
  if (const TsMaskData* mask = SkinBorderPicture(m)) {
    // The inactive look is the first state, the active one the second (when there is one).
    const TBitmap32& src = mask->Bmp ? *mask->Bmp : m.MasterBitmap;
    const int count = std::max<int>(1, mask->ImageCount);
    const int width = WidthOfRect(mask->R) / count;
    const int state = active && count > 1 ? 1 : 0;
    const TRect from{mask->R.Left + state * width, mask->R.Top, mask->R.Left + (state + 1) * width,
                     mask->R.Top + HeightOfRect(mask->R) / (mask->MaskType > 0 ? mask->MaskType + 1 : 1)};
    PaintNinePart(picture, whole, src, from, TRect{mask->WL, mask->WT, mask->WR, mask->WB});
    return;
  }
  const TBitmap32& shadow = active ? EngineStartup().ShadowActive : EngineStartup().ShadowInactive;
  const TRect from{0, 0, shadow.Width(), shadow.Height()};
  // The pictures are a blurred square: its corners as they are, its sides and middle stretched.
  PaintNinePart(picture, whole, shadow, from,
                TRect{shadow.Width() / 2, shadow.Height() / 2, shadow.Width() / 2, shadow.Height() / 2});
}

TBorderWindowFrame ManagerBorderWindow(const TsSkinManager& m) {
  TBorderWindowFrame bw;
  bw.Present = true;
  bw.BorderWidth = m.SkinData.ExBorderWidth, bw.TitleHeight = m.SkinData.ExTitleHeight;
  bw.MaxHeight = m.SkinData.ExMaxHeight, bw.CenterOffset = m.SkinData.ExCenterOffs;
  bw.TopMargin = m.SkinData.BITopMargin;
  bw.Shadow = ManagerShadowSize(m);
  return bw;
}

bool BorderWindowAllowed(HWND window, const TsSkinManager* m) {
  if (!window || !m || !m->Active() || !m->ExtendedBorders() || !EngineStartup().UpdateLayeredWindow) return false;
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE), exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if ((style & WS_CHILD) || (exStyle & WS_EX_MDICHILD)) return false;
  if (!IsWindowVisible(window) || IsIconic(window)) return false;
  return !(IsZoomed(window) && ExtBordersOffWhenMaximized);
}

void PaintBorderFrame(TBitmap32& picture, const TsControlPaintData& frame, const TsSkinManager& m,
                      const TBorderFormLayout& l, bool active, TBitmap32& shadow) {
  FillRect32(picture, TRect{0, 0, picture.Width(), picture.Height()}, 0, 0);
  PaintFormShadow(picture, m, active);
  shadow = picture.Clone();
  // The skin's frame over it, painted at its own size.
  const int width = WidthOfRect(l.Frame), height = HeightOfRect(l.Frame);
  if (width <= 0 || height <= 0) return;
  TBitmap32 framePicture(width, height);
  const int state = LimitState(m.gd[static_cast<size_t>(frame.SkinIndex())], active ? 1 : 0);
  PaintControlItem(frame, EmptyCacheInfo(), state, TRect{0, 0, width, height}, TPoint{0, 0}, framePicture, false);
  PasteBitmap(picture, framePicture, TPoint{l.Frame.Left, l.Frame.Top});
}

void FinishBorderFrame(TBitmap32& picture, const TsSkinManager& m, int borderMask, int titleMask,
                       const TBorderFormLayout& l, int captionHeight, const TBitmap32& shadow) {
  SetAlphaInRect(picture, l.Frame, 255, false);
  for (const TRegionRun& run : FrameMaskCuts(m, borderMask, titleMask, WidthOfRect(l.Frame), HeightOfRect(l.Frame),
                                         captionHeight)) {
    const TRect r = OffsetRect(TRect{run.Left, run.Y, run.Right, run.Y + 1}, l.Frame.Left, l.Frame.Top);
    PasteBitmapArea(picture, shadow, r, TPoint{r.Left, r.Top});
  }
}

bool UpdateBorderForm(std::unique_ptr<TqxBorderForm>& border, TBorderFormOwner& owner) {
  const bool want = owner.WantsBorderForm();
  if (want == (border != nullptr)) return false;
  if (want) {
    border = std::make_unique<TqxBorderForm>(owner);
    if (!border->Window()) border.reset();
  } else {
    border.reset();
  }
  return true;
}

TqxBorderForm::TqxBorderForm(TBorderFormOwner& owner) : FOwner(owner) {
  FWnd = CreateLayeredPopup(kBorderClass, &BorderProc);
  if (!FWnd) return;
  SetWindowLongPtrW(FWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // In the window's owner group, so it stays with the window; never owned by the window itself, or the
  // system would keep it above the window.
  if (HWND window = owner.BorderOwnerWindow())
    SetWindowLongPtrW(FWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(GetWindow(window, GW_OWNER)));
}

TqxBorderForm::~TqxBorderForm() {
  if (!FWnd) return;
  // Nothing reaches this object once it goes: the window forgets it first.
  SetWindowLongPtrW(FWnd, GWLP_USERDATA, 0);
  DestroyWindow(FWnd);
}

TPoint TqxBorderForm::Origin() const {
  RECT wr{};
  if (HWND form = FOwner.BorderOwnerWindow()) GetWindowRect(form, &wr);
  const TPoint at = FOwner.BorderLayout().FormOrigin;
  return TPoint{wr.left - at.X, wr.top - at.Y};
}

void TqxBorderForm::UpdateExBordersPos(bool newPicture, int blend) {
  HWND form = FOwner.BorderOwnerWindow();
  if (!FWnd || !form || FUpdating) return;
  FUpdating = true;
  const TBorderFormLayout l = FOwner.BorderLayout();
  const TPoint at = Origin();
  // While a minimise or restore animation flies, the picture window is the form's only look.
  if (FOwner.BorderMinimizing()) blend = 0;
  FBlend = blend;
  // The forms are locked for a skin change: the old look stays until it fades into the new one.
  if (FShowingPicture && FOwner.BorderPictureLocked()) newPicture = false;
  if (newPicture) {
    FShowingPicture = false;
    if (FOwner.BorderPictureStale() || FOwner.BorderPicture().Width() != l.Picture.Width ||
        FOwner.BorderPicture().Height() != l.Picture.Height)
      FOwner.RepaintBorderPicture();
    UpdateLayeredPicture(FWnd, FOwner.BorderPicture(), at, blend);
    SetHole(true);
  }
  // Shown without activation, then directly behind the form.
  if (!IsWindowVisible(FWnd)) ShowWindow(FWnd, SW_SHOWNA);
  SetWindowPos(FWnd, form, at.X, at.Y, l.Picture.Width, l.Picture.Height, SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  FUpdating = false;
}

void TqxBorderForm::ShowPicture(const TBitmap32& picture, int blend) {
  if (!FWnd || picture.Empty()) return;
  FShowingPicture = true;
  SetHole(false);
  UpdateLayeredPicture(FWnd, picture, Origin(), blend);
}

void TqxBorderForm::SetBlend(int blend) {
  if (!FWnd || blend == FBlend) return;
  FBlend = blend;
  UpdateLayeredPicture(FWnd, FOwner.BorderPicture(), Origin(), blend);
}

void TqxBorderForm::UpdateRgn() {
  if (!FWnd || !FResetRgn) return;
  FResetRgn = false;
  SetHole(!FShowingPicture);
}

void TqxBorderForm::SetHole(bool cut) {
  const TBorderFormLayout l = FOwner.BorderLayout();
  HRGN region = CreateRectRgn(0, 0, l.Picture.Width, l.Picture.Height);
  if (cut) {
    // The form's client area (with its own scroll bars) shows through.
    HRGN hole = CreateRectRgn(l.Client.Left, l.Client.Top, l.FormOrigin.X + l.FormClient.Right,
                              l.FormOrigin.Y + l.FormClient.Bottom);
    CombineRgn(region, region, hole, RGN_DIFF);
    DeleteObject(hole);
  }
  if (!SetWindowRgn(FWnd, region, FALSE)) DeleteObject(region);
}

// ---- Messages -----------------------------------------------------------------------------------------------

LRESULT CALLBACK TqxBorderForm::BorderProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TqxBorderForm*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  return self ? self->WndProc(msg, wParam, lParam) : DefWindowProcW(wnd, msg, wParam, lParam);
}

LRESULT TqxBorderForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      return 0;
    case WM_NCHITTEST:
      return OnNcHitTest(PointFromLParam(lParam));
    case WM_SETCURSOR:
      if (OnSetCursor(HwndFrom(wParam), LoWord(lParam), HiWord(lParam))) return TRUE;
      break;
    case WM_MOUSEACTIVATE:
      return OnMouseActivate();
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      // Only the shadow answers "client": these points are the shadow's.
      OnShadowMouse(PointFromLParam(lParam));
      return 0;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
      OnNcMouse(msg, PointFromLParam(lParam));
      return 0;
    case WM_NCMOUSELEAVE:
      FTracking = false;
      if (HWND form = FOwner.BorderOwnerWindow()) SendMessageW(form, WM_NCMOUSELEAVE, 0, 0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(FWnd, msg, wParam, lParam);
}

TFrameHit TqxBorderForm::HitTest(POINT screen) const { return FOwner.BorderHitTest(screen); }

bool TqxBorderForm::MouseAboveTheShadow(POINT screen) const {
  return HitTest(screen).Code == kHtTransparent;
}

LRESULT TqxBorderForm::OnNcHitTest(POINT screen) {
  // Over the shadow the mouse comes as client messages, which cut the pixel under it away: the window
  // below gets the next message there, whichever thread or program it belongs to (letting a hit test
  // through reaches only the windows of this thread). Elsewhere every mouse message comes here as a
  // non-client one, and the system does nothing of its own with it.
  if (MouseAboveTheShadow(screen)) return HTCLIENT;
  UpdateRgn();
  return HTOBJECT;
}

void TqxBorderForm::OnShadowMouse(POINT client) {
  if (!FWnd) return;
  // No caption button stays hot once the mouse is out on the shadow.
  FOwner.ReleaseHotButton();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(FWnd, region) == ERROR) {
    DeleteObject(region);
    const TBorderFormLayout l = FOwner.BorderLayout();
    region = CreateRectRgn(0, 0, l.Picture.Width, l.Picture.Height);
  }
  HRGN pixel = CreateRectRgn(client.x, client.y, client.x + 1, client.y + 1);
  CombineRgn(region, region, pixel, RGN_DIFF);
  DeleteObject(pixel);
  if (!SetWindowRgn(FWnd, region, FALSE)) DeleteObject(region);
  FResetRgn = true;
}

bool TqxBorderForm::OnSetCursor(HWND, UINT, UINT) {
  POINT cursor{};
  GetCursorPos(&cursor);
  LPCWSTR shape = IDC_ARROW;
  switch (HitTest(cursor).Code) {
    case kHtLeft:
    case kHtRight: shape = IDC_SIZEWE; break;
    case kHtTop:
    case kHtBottom: shape = IDC_SIZENS; break;
    case kHtTopLeft:
    case kHtBottomRight: shape = IDC_SIZENWSE; break;
    case kHtTopRight:
    case kHtBottomLeft: shape = IDC_SIZENESW; break;
    default: break;
  }
  SetCursor(LoadCursorW(nullptr, shape));
  return true;
}

LRESULT TqxBorderForm::OnMouseActivate() {
  POINT cursor{};
  GetCursorPos(&cursor);
  // A click on the shadow is meant for the window below, never for the form.
  if (MouseAboveTheShadow(cursor)) return MA_NOACTIVATE;
  // The border window is never active itself: the form is.
  if (HWND form = FOwner.BorderOwnerWindow(); form && IsWindowEnabled(form)) SetForegroundWindow(form);
  return MA_NOACTIVATE;
}

void TqxBorderForm::OnNcMouse(UINT msg, POINT screen) {
  HWND form = FOwner.BorderOwnerWindow();
  if (!form) return;
  const TFrameHit hit = HitTest(screen);
  if (hit.Code == kHtTransparent) return;
  if (msg == WM_NCMOUSEMOVE && !FTracking) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE | TME_NONCLIENT, FWnd, 0};
    FTracking = TrackMouseEvent(&track) != FALSE;
  }
  // The form's frame component answers the frame's clicks; the system moves and sizes the form itself
  // for the caption and the borders.
  SendMessageW(form, msg, static_cast<WPARAM>(hit.Code), PointToLParam(screen));
}

}  // namespace qw
