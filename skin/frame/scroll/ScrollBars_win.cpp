// The bars of one window: what they are made of, where they lie and what lies under a point; the room
// they take from the client area and the hit tests that answer for them.
#include "skin/frame/scroll/ScrollBars_win.h"

#include <algorithm>

#include "base/FlagScope.h"
#include "skin/frame/scroll/ScrollBarAccess_win.h"

namespace qw {

TqxScrollBars::TqxScrollBars(TScrollBarHost& host, bool control) : FHost(host), FControl(control) {
  sBarHorz.nBarType = 0;
  sBarVert.nBarType = 1;
  sBarHorz.Control = sBarVert.Control = control;
}

TqxScrollBars::~TqxScrollBars() { ReleaseTracking(); }

bool TqxScrollBars::AnswerObject(TMessage& message) {
  const LONG id = static_cast<LONG>(message.LParam);
  TqxScrollBar* bar = nullptr;
  if (FControl && id == OBJID_CLIENT) bar = (bars & 2) ? &sBarVert : &sBarHorz;
  else if (!FControl && id == OBJID_VSCROLL && (sBarVert.fScrollFlags & sfWanted)) bar = &sBarVert;
  else if (!FControl && id == OBJID_HSCROLL && (sBarHorz.fScrollFlags & sfWanted)) bar = &sBarHorz;
  if (!bar) return false;
  return AccessOf(*bar).Answer(message.WParam, message.LParam, message.Result);
}

TqxScrollBarAccess& TqxScrollBars::AccessOf(TqxScrollBar& bar) {
  std::unique_ptr<TqxScrollBarAccess>& access = bar.Vertical() ? FVertAccess : FHorzAccess;
  if (!access) access = std::make_unique<TqxScrollBarAccess>(*this, bar, FHost.ScrollWindowHandle());
  return *access;
}

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

}  // namespace qw
