#include "skin/frame/scroll/ScrollBars_win.h"

#include <optional>

#include "image/BitmapDC_win.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/scroll/ScrollBarPaint_win.h"
#include "skin/frame/scroll/ScrollTracking_win.h"
#include "skin/render/BorderMask.h"
#include "skin/render/TextureFill.h"

namespace qw {

namespace {

bool IsLineOrPage(int part) { return part >= spFirstArrow && part <= spPageAfter; }

// Sets a flag for the length of a call.
class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) : FFlag(flag), FOld(flag) { flag = true; }
  ~TFlagScope() { FFlag = FOld; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
  bool FOld;
};

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

TqxScrollBars::TqxScrollBars(TScrollBarHost& host, bool control) : FHost(host), FControl(control) {
  sBarHorz.nBarType = 0;
  sBarVert.nBarType = 1;
  sBarHorz.Control = sBarVert.Control = control;
}

TqxScrollBars::~TqxScrollBars() { ReleaseTracking(); }

void TqxScrollBars::Initialize() {
  HWND h = FHost.ScrollWindowHandle();
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  if (FControl) {
    const bool vertical = (style & SBS_VERT) != 0;
    TqxScrollBar& bar = vertical ? sBarVert : sBarHorz;
    bar.fScrollFlags = sfWanted;
    bar.fScrollVisible = true;
    bars = vertical ? 2 : 1;
    ReadScrollInfo(h, bar);
    return;
  }
  sBarHorz.fScrollFlags = (style & WS_HSCROLL) ? sfWanted : 0;
  sBarVert.fScrollFlags = (style & WS_VSCROLL) ? sfWanted : 0;
  sBarHorz.nMinThumbSize = sBarVert.nMinThumbSize = 10;
  ReadScrollInfo(h, sBarHorz);
  ReadScrollInfo(h, sBarVert);
  bars = static_cast<uint16_t>(((style & WS_HSCROLL) ? 1 : 0) | ((style & WS_VSCROLL) ? 2 : 0));
  fLeftScrollbar = (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
}

// ---- Geometry --------------------------------------------------------------------------------------------

POINT TqxScrollBars::ToWindow(POINT screen) const {
  RECT wr{};
  GetWindowRect(FHost.ScrollWindowHandle(), &wr);
  return POINT{screen.x - wr.left, screen.y - wr.top};
}

TRect TqxScrollBars::BarRect(const TqxScrollBar& bar) const {
  RECT wr{};
  GetWindowRect(FHost.ScrollWindowHandle(), &wr);
  const int32_t w = wr.right - wr.left, h = wr.bottom - wr.top;
  if (bar.Control) return TRect{0, 0, w, h};
  const TBarPlacement p = PlaceBars(w, h, Edges, BarThickness(sBarHorz), sBarHorz.fScrollVisible,
                                    BarThickness(sBarVert), sBarVert.fScrollVisible, fLeftScrollbar);
  return bar.Vertical() ? p.Vert : p.Horz;
}

TRect TqxScrollBars::SizeBox() const {
  if (FControl || !sBarHorz.fScrollVisible || !sBarVert.fScrollVisible) return TRect{};
  RECT wr{};
  GetWindowRect(FHost.ScrollWindowHandle(), &wr);
  return PlaceBars(wr.right - wr.left, wr.bottom - wr.top, Edges, BarThickness(sBarHorz), true, BarThickness(sBarVert),
                   true, fLeftScrollbar)
      .SizeBox;
}

int TqxScrollBars::ArrowLength(const TqxScrollBar& bar) const { return BarArrowLength(bar, FHost.ScrollManager()); }

int TqxScrollBars::TrackLength(const TqxScrollBar& bar) const {
  const TRect r = BarRect(bar);
  const int len = bar.Vertical() ? HeightOfRect(r) : WidthOfRect(r);
  return std::max(0, len - 2 * ArrowLength(bar));
}

TqxScrollBar* TqxScrollBars::BarOfType(int type) {
  if (type == 0) return &sBarHorz;
  if (type == 1) return &sBarVert;
  return nullptr;
}

TqxScrollBar* TqxScrollBars::BarAt(POINT p) {
  for (TqxScrollBar* bar : {&sBarHorz, &sBarVert}) {
    if (!bar->fScrollVisible) continue;
    const TRect r = BarRect(*bar);
    if (p.x >= r.Left && p.x < r.Right && p.y >= r.Top && p.y < r.Bottom) return bar;
  }
  return nullptr;
}

int TqxScrollBars::PartAt(const TqxScrollBar& bar, POINT p) const {
  const TRect r = BarRect(bar);
  const bool v = bar.Vertical();
  const int len = v ? HeightOfRect(r) : WidthOfRect(r);
  const int thick = v ? WidthOfRect(r) : HeightOfRect(r);
  const int arrow = ArrowLength(bar);
  const TThumb thumb = CalcThumb(bar.State(), std::max(0, len - 2 * arrow), arrow, bar.nMinThumbSize);
  return ScrollPartAt(v ? p.y - r.Top : p.x - r.Left, v ? p.x - r.Left : p.y - r.Top, len, thick, arrow, thumb);
}

// ---- Non-client size and hit tests -------------------------------------------------------------------------

void TqxScrollBars::NcCalcSize(TMessage& message) {
  HWND h = FHost.ScrollWindowHandle();
  auto* rect = reinterpret_cast<RECT*>(message.LParam);  // also the first rectangle of NCCALCSIZE_PARAMS
  if (!rect || FControl) return FHost.CallPreviousHandler(message);
  const RECT proposed = *rect;
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  const LONG scroll = style & (WS_HSCROLL | WS_VSCROLL);
  if (scroll) {
    // Without the styles the system reserves no room for bars of its own.
    TFlagScope prevent(bPreventStyleChange);
    SetWindowLongW(h, GWL_STYLE, style & ~scroll);
    FHost.CallPreviousHandler(message);
    SetWindowLongW(h, GWL_STYLE, GetWindowLongW(h, GWL_STYLE) | scroll);
  } else {
    FHost.CallPreviousHandler(message);
  }
  RECT& client = *rect;
  Edges = TNonClientEdges{client.left - proposed.left, client.top - proposed.top, proposed.right - client.right,
                          proposed.bottom - client.bottom};
  const auto want = [](TqxScrollBar& bar, bool on) {
    bar.fScrollFlags = static_cast<uint16_t>((bar.fScrollFlags & ~sfWanted) | (on ? sfWanted : 0));
  };
  want(sBarHorz, style & WS_HSCROLL);
  want(sBarVert, style & WS_VSCROLL);
  const int ht = BarThickness(sBarHorz), vt = BarThickness(sBarVert);
  sBarHorz.fScrollVisible = (style & WS_HSCROLL) && client.bottom - client.top >= ht;
  if (sBarHorz.fScrollVisible) client.bottom -= ht;
  sBarVert.fScrollVisible = (style & WS_VSCROLL) && client.right - client.left >= vt;
  if (sBarVert.fScrollVisible) {
    if (fLeftScrollbar) client.left += vt;
    else client.right -= vt;
  }
  bars = static_cast<uint16_t>((sBarHorz.fScrollVisible ? 1 : 0) | (sBarVert.fScrollVisible ? 2 : 0));
}

bool TqxScrollBars::NcHitTest(TMessage& message, POINT screen) {
  if (FControl) return false;
  HWND h = FHost.ScrollWindowHandle();
  const POINT p = ToWindow(screen);
  if (TqxScrollBar* bar = BarAt(p)) {
    message.Result = IsScrollbarActive(h, *bar) ? (bar->Vertical() ? HTVSCROLL : HTHSCROLL) : HTNOWHERE;
    return true;
  }
  const TRect box = SizeBox();
  if (!IsRectEmpty(box) && p.x >= box.Left && p.x < box.Right && p.y >= box.Top && p.y < box.Bottom) {
    // The box is the size grip only where it is the corner of the top-level window's client area.
    HWND top = GetAncestor(h, GA_ROOT);
    RECT tc{};
    GetClientRect(top, &tc);
    POINT corner{tc.right, tc.bottom};
    ClientToScreen(top, &corner);
    RECT wr{};
    GetWindowRect(h, &wr);
    if (corner.x == wr.left + box.Right && corner.y == wr.top + box.Bottom) {
      message.Result = HTBOTTOMRIGHT;
      return true;
    }
  }
  return false;
}

// ---- Mouse ---------------------------------------------------------------------------------------------------

void TqxScrollBars::NcMouseMove(UINT hitTest) {
  if (hitTest != HTHSCROLL && hitTest != HTVSCROLL) return;
  HWND h = FHost.ScrollWindowHandle();
  TScrollTracking& tr = ScrollTracking();
  const int type = hitTest == HTVSCROLL ? 1 : 0;
  if (tr.HotWindow == h && tr.HotBar == type) return;
  tr.HotWindow = h;
  tr.HotBar = type;
  tr.HotPart = spNone;
  const TRect r = BarRect(*BarOfType(type));
  tr.HotRect = RECT{r.Left, r.Top, r.Right, r.Bottom};
  ScrollInput().SetTimer(h, kScrollHotTimer, kScrollHotInterval);
  PaintBars();
}

bool TqxScrollBars::NcButtonDown(TMessage& message, UINT hitTest, POINT screen) {
  if (FControl || (hitTest != HTHSCROLL && hitTest != HTVSCROLL)) return false;
  TqxScrollBar& bar = hitTest == HTVSCROLL ? sBarVert : sBarHorz;
  if (!Press(bar, ToWindow(screen))) return false;
  message.Result = 0;
  return true;
}

bool TqxScrollBars::NcOtherButton(TMessage& message, UINT hitTest) {
  if (hitTest != HTHSCROLL && hitTest != HTVSCROLL) return false;
  message.Result = 0;
  return true;
}

bool TqxScrollBars::ControlButtonDown(TMessage& message, POINT client) {
  if (!FControl) return false;
  HWND h = FHost.ScrollWindowHandle();
  POINT screen = client;
  ClientToScreen(h, &screen);
  if (!Press((bars & 2) ? sBarVert : sBarHorz, ToWindow(screen))) return false;
  message.Result = 0;
  return true;
}

bool TqxScrollBars::Press(TqxScrollBar& bar, POINT p) {
  HWND h = FHost.ScrollWindowHandle();
  ReadScrollInfo(h, bar);
  int part = PartAt(bar, p);
  if ((part == spFirstArrow && (bar.fScrollFlags & sfFirstArrowDisabled)) ||
      (part == spSecondArrow && (bar.fScrollFlags & sfSecondArrowDisabled)))
    part = spNone;
  if (part == spNone || !IsScrollbarActive(h, bar)) return false;
  TScrollTracking& tr = ScrollTracking();
  if (tr.PressedWindow && tr.PressedWindow != h) tr.ClearPressed();
  tr.PressedWindow = h;
  tr.PressedBar = bar.nBarType;
  tr.ScrollMessage = bar.Vertical() ? WM_VSCROLL : WM_HSCROLL;
  tr.PressedPart = part;
  tr.PressedShown = true;
  SetCapture(h);
  if (IsLineOrPage(part)) {
    SendScrollMessage(bar, part, bar.ScrollInfo.nPos);
    ScrollInput().SetTimer(h, kScrollFirstRepeatTimer, kScrollFirstRepeatDelay);
    // After the scroll message: the window's own scrolling may have drawn the system's bar.
    PaintBar(nullptr, bar, false);
    return true;
  }
  // The thumb.
  const TRect r = BarRect(bar);
  const int arrow = ArrowLength(bar);
  const TThumb thumb = CalcThumb(bar.State(), TrackLength(bar), arrow, bar.nMinThumbSize);
  tr.ThumbSize = thumb.Size;
  tr.ThumbOffset = thumb.Offset;
  tr.BarRect = RECT{r.Left, r.Top, r.Right, r.Bottom};
  tr.GrabOffset = (bar.Vertical() ? p.y - r.Top : p.x - r.Left) - (arrow + thumb.Offset);
  tr.LastPos = bar.ScrollInfo.nPos;
  bar.ScrollInfo.nTrackPos = bar.ScrollInfo.nPos;
  fThumbTracking = true;
  PaintBar(nullptr, bar, true);
  return true;
}

bool TqxScrollBars::MouseMove(TMessage& message, POINT client) {
  HWND h = FHost.ScrollWindowHandle();
  TScrollTracking& tr = ScrollTracking();
  if (tr.PressedWindow != h || tr.PressedPart == spNone) {
    if (FControl) NcMouseMove((bars & 2) ? HTVSCROLL : HTHSCROLL);
    return false;
  }
  POINT screen = client;
  ClientToScreen(h, &screen);
  TrackTo(ToWindow(screen));
  message.Result = 0;
  return true;
}

void TqxScrollBars::TrackTo(POINT p) {
  TScrollTracking& tr = ScrollTracking();
  TqxScrollBar* bar = BarOfType(tr.PressedBar);
  if (!bar) return;
  if (fThumbTracking && tr.PressedPart == spThumb) {
    const bool v = bar->Vertical();
    const int along = v ? p.y - tr.BarRect.top : p.x - tr.BarRect.left;
    const int arrow = ArrowLength(*bar), track = TrackLength(*bar);
    tr.ThumbOffset = DragThumbOffset(along, tr.GrabOffset, arrow, track, tr.ThumbSize);
    const int pos = DragPosition(bar->State(), tr.ThumbOffset, track, tr.ThumbSize);
    if (pos != tr.LastPos) {
      tr.LastPos = pos;
      bar->ScrollInfo.nTrackPos = pos;
      TFlagScope quiet(FHost.DontRepaintFlag());
      SendScrollMessage(*bar, SB_THUMBTRACK, pos);
    }
    // The drag paints its bar itself, after the window has scrolled (and maybe drawn the system's bar).
    PaintBar(nullptr, *bar, true);
    return;
  }
  // A pressed arrow or page part looks pressed only while the mouse is over it.
  const bool over = PartAt(*bar, p) == tr.PressedPart;
  if (over != tr.PressedShown) {
    tr.PressedShown = over;
    PaintBar(nullptr, *bar, false);
  }
}

void TqxScrollBars::ButtonUp() {
  HWND h = FHost.ScrollWindowHandle();
  TScrollTracking& tr = ScrollTracking();
  if (tr.PressedWindow != h || tr.PressedPart == spNone) return;
  TqxScrollBar* bar = BarOfType(tr.PressedBar);
  const int part = tr.PressedPart;
  const int lastPos = tr.LastPos;
  // Cleared before the capture goes, so the capture change that follows finds nothing pressed.
  tr.ClearPressed();
  ScrollInput().KillTimer(h, kScrollFirstRepeatTimer);
  ScrollInput().KillTimer(h, kScrollRepeatTimer);
  if (GetCapture() == h) ReleaseCapture();
  if (!bar) return;
  if (part == spThumb) {
    {
      TFlagScope quiet(FHost.DontRepaintFlag());
      SendScrollMessage(*bar, SB_THUMBPOSITION, lastPos);
    }
    fThumbTracking = false;
    SendScrollMessage(*bar, SB_ENDSCROLL, lastPos);
  } else {
    SendScrollMessage(*bar, SB_ENDSCROLL, bar->ScrollInfo.nPos);
    FHost.DontRepaintFlag() = false;
  }
  fThumbTracking = false;
  PaintBar(nullptr, *bar, false);
}

// ---- Timers -------------------------------------------------------------------------------------------------

bool TqxScrollBars::Timer(TMessage& message, UINT_PTR id) {
  HWND h = FHost.ScrollWindowHandle();
  TScrollTracking& tr = ScrollTracking();
  const bool pressedHere = tr.PressedWindow == h && IsLineOrPage(tr.PressedPart);
  switch (id) {
    case kScrollFirstRepeatTimer:
      // The first repeat comes 300 ms after the press; the others follow every 55 ms.
      ScrollInput().KillTimer(h, kScrollFirstRepeatTimer);
      if (pressedHere) {
        ScrollInput().SetTimer(h, kScrollRepeatTimer, kScrollRepeatInterval);
        RepeatStep();
      }
      break;
    case kScrollRepeatTimer:
      if (pressedHere) RepeatStep();
      else ScrollInput().KillTimer(h, kScrollRepeatTimer);
      break;
    case kScrollHotTimer:
      HotTick();
      break;
    default:
      return false;
  }
  message.Result = 0;
  return true;
}

void TqxScrollBars::RepeatStep() {
  TScrollTracking& tr = ScrollTracking();
  // Window coordinates as they are: a bar left of the client area lies at negative client coordinates.
  TrackTo(ToWindow(ScrollInput().CursorPos()));
  TqxScrollBar* bar = BarOfType(tr.PressedBar);
  if (!bar || !tr.PressedShown) return;
  {
    TFlagScope quiet(FHost.DontRepaintFlag());
    ReadScrollInfo(FHost.ScrollWindowHandle(), *bar);
    SendScrollMessage(*bar, tr.PressedPart, bar->ScrollInfo.nPos);
  }
  PaintBar(nullptr, *bar, false);
}

void TqxScrollBars::HotTick() {
  HWND h = FHost.ScrollWindowHandle();
  TScrollTracking& tr = ScrollTracking();
  if (fThumbTracking) return;
  if (tr.HotWindow != h) {
    ScrollInput().KillTimer(h, kScrollHotTimer);
    return;
  }
  const POINT p = ToWindow(ScrollInput().CursorPos());
  TqxScrollBar* bar = BarOfType(tr.HotBar);
  if (bar && PtInRect(&tr.HotRect, p)) {
    const int part = PartAt(*bar, p);
    if (part != tr.HotPart) {
      tr.HotPart = part;
      PaintBar(nullptr, *bar, false);
    }
    return;
  }
  ScrollInput().KillTimer(h, kScrollHotTimer);
  tr.ClearHot();
  PaintBars();
}

void TqxScrollBars::ReleaseTracking() {
  HWND h = FHost.ScrollWindowHandle();
  TScrollTracking& tr = ScrollTracking();
  if (tr.HotWindow == h) {
    tr.ClearHot();
    if (IsWindow(h)) ScrollInput().KillTimer(h, kScrollHotTimer);
  }
  if (tr.PressedWindow == h) {
    tr.ClearPressed();
    if (IsWindow(h)) {
      ScrollInput().KillTimer(h, kScrollFirstRepeatTimer);
      ScrollInput().KillTimer(h, kScrollRepeatTimer);
    }
    if (GetCapture() == h) ReleaseCapture();
  }
  fThumbTracking = false;
}

// ---- Scroll messages -----------------------------------------------------------------------------------------

void TqxScrollBars::SendScrollMessage(TqxScrollBar& bar, int code, int position) {
  HWND h = FHost.ScrollWindowHandle();
  const UINT msg = bar.Vertical() ? WM_VSCROLL : WM_HSCROLL;
  const LPARAM arg = MAKELONG(code, msg);
  if (SendSkinCommandToWindow(h, skcBeforeScroll, arg) != 1) {
    ReadScrollInfo(h, bar);
    if (code == SB_THUMBTRACK) {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_POS;
      si.nPos = position;
      SetScrollInfo(h, bar.SystemBar(), &si, FALSE);
    }
  }
  const WPARAM wParam = MAKEWPARAM(code, std::clamp(position, 0, 0xFFFF));
  if (bar.Control) SendMessageW(GetParent(h), msg, wParam, reinterpret_cast<LPARAM>(h));
  else SendMessageW(h, msg, wParam, 0);
  if (IsWindow(h)) SendSkinCommandToWindow(h, skcAfterScroll, arg);
}

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
