// The mouse on the bars: hot tracking, presses on arrows, pages and the thumb, dragging, the repeat
// timers and the scroll messages the window receives.
#include "skin/frame/scroll/ScrollBars_win.h"

#include <algorithm>

#include "base/FlagScope.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/frame/scroll/ScrollTracking_win.h"

namespace qw {

namespace {

bool IsLineOrPage(int part) { return part >= spFirstArrow && part <= spPageAfter; }

}  // namespace

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

}  // namespace qw
