// TsSkinProvider: where the form goes: its maximised place and size, and snapping to the work area.
#include "fw/Form.h"
#include "skin/frame/SkinProvider_win.h"
#include "skin/frame/WindowPlacementLayout.h"

namespace qw {

namespace {

// The work area of the window's monitor (the whole monitor for a stay-on-top window), in screen
// coordinates, and the monitor's own rectangle.
bool MonitorAreas(HWND window, const RECT* proposedRect, RECT& work, RECT& monitor) {
  HMONITOR m = proposedRect ? MonitorFromRect(proposedRect, MONITOR_DEFAULTTONEAREST) : MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!m || !GetMonitorInfoW(m, &info)) return false;
  monitor = info.rcMonitor;
  work = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) ? info.rcMonitor : info.rcWork;
  return true;
}

}  // namespace

void TsSkinProvider::OnGetMinMaxInfo(TMessage& message, MINMAXINFO& info) {
  HWND h = Handle();
  const TFrameWindow w = WindowFacts();
  RECT work{}, monitor{};
  if (DrawNonClientArea && h && HaveBorder(w) && !w.Child && MonitorAreas(h, nullptr, work, monitor)) {
    // Relative to the monitor, as the system takes the maximised position.
    const TRect area{work.left - monitor.left, work.top - monitor.top, work.right - monitor.left, work.bottom - monitor.top};
    const TMaximizedPlacement p = MaximizedPlacement(area, MeasureFrame(w, SystemFrameMetrics()), w);
    info.ptMaxPosition = POINT{p.Position.X, p.Position.Y};
    info.ptMaxSize = POINT{p.Size.Width, p.Size.Height};
  }
  CallPrevious(message);
}

void TsSkinProvider::OnWindowPosChanging(TMessage& message, WINDOWPOS& pos) {
  HWND h = Handle();
  RECT work{}, monitor{};
  const bool moves = !(pos.flags & SWP_NOMOVE) && !(pos.x == 0 && pos.y == 0);
  if (ScreenSnap && moves && h && IsWindowVisible(h) && !IsZoomed(h)) {
    RECT wr{};
    GetWindowRect(h, &wr);
    const int width = (pos.flags & SWP_NOSIZE) ? wr.right - wr.left : pos.cx;
    const int height = (pos.flags & SWP_NOSIZE) ? wr.bottom - wr.top : pos.cy;
    const RECT proposed{pos.x, pos.y, pos.x + width, pos.y + height};
    if (MonitorAreas(h, &proposed, work, monitor)) {
      const TPoint p = SnapToWorkArea(TRect{proposed.left, proposed.top, proposed.right, proposed.bottom},
                                      TRect{work.left, work.top, work.right, work.bottom}, SnapBuffer);
      pos.x = p.X, pos.y = p.Y;
    }
  }
  CallPrevious(message);
}

// ---- Moving and sizing by an outline -------------------------------------------------------------------------

namespace {

// Draws (or, drawn again, erases) the outline of R on the screen.
void DrawOutline(const RECT& r) {
  HDC dc = GetDC(nullptr);
  const int mode = SetROP2(dc, R2_NOT);
  const POINT points[5] = {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1},
                           {r.left, r.top}};
  Polyline(dc, points, 5);
  SetROP2(dc, mode);
  ReleaseDC(nullptr, dc);
}

bool IsSizingCode(int code) { return code >= HTLEFT && code <= HTBOTTOMRIGHT; }

}  // namespace

bool TsSkinProvider::BeginOutlineDrag(int hitCode, POINT screen) {
  HWND h = Handle();
  if (ResizeMode != TResizeMode::rmBorder || !h || !FForm->Enabled() || IsZoomed(h)) return false;
  if (hitCode != HTCAPTION && !IsSizingCode(hitCode)) return false;
  FOutline.Active = true;
  FOutline.HitCode = hitCode;
  FOutline.Start = screen;
  GetWindowRect(h, &FOutline.StartRect);
  FOutline.Shown = FOutline.StartRect;
  SetCapture(h);
  DrawOutline(FOutline.Shown);
  return true;
}

void TsSkinProvider::MoveOutline(POINT screen) {
  const TSizeConstraints& limits = FForm->Frame().Constraints;
  const RECT& s = FOutline.StartRect;
  const TRect r = OutlineBounds(TRect{s.left, s.top, s.right, s.bottom}, FOutline.HitCode, screen.x - FOutline.Start.x,
                                screen.y - FOutline.Start.y, TSize{limits.MinWidth, limits.MinHeight});
  const RECT next{r.Left, r.Top, r.Right, r.Bottom};
  if (EqualRect(&next, &FOutline.Shown)) return;
  DrawOutline(FOutline.Shown);
  FOutline.Shown = next;
  DrawOutline(FOutline.Shown);
}

void TsSkinProvider::EndOutlineDrag(bool apply) {
  if (!FOutline.Active) return;
  FOutline.Active = false;
  DrawOutline(FOutline.Shown);
  HWND h = Handle();
  if (h && GetCapture() == h) ReleaseCapture();
  const RECT& r = FOutline.Shown;
  if (apply && h && !EqualRect(&r, &FOutline.StartRect))
    MoveWindow(h, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

}  // namespace qw
