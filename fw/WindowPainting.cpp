#include "fw/WinControl.h"

#include "fw/Canvas.h"
#include "fw/PaintDC.h"

// Painting: the face of windows that paint themselves, the windowless children over it, and pictures of
// whole windows (PaintTo) that need not be on the screen.

namespace qw {

void TWinControl::PaintWindow(TCanvas& canvas) {
  canvas.SetBrushColor(FColor);
  canvas.FillRect(ClientRect());
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : FControls) {
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
    RECT r = c->BoundsRect();
    if (!RectVisible(dc, &r)) continue;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
    {
      TCanvas canvas(dc);
      c->Paint(canvas);
    }
    RestoreDC(dc, saved);
  }
}

void TWinControl::WMPaint(TMessage& message, HDC dc) {
  if (!FOwnPaint) return DefaultHandler(message);
  message.Result = 0;
  const TPaintDC paint(FHandle, dc);
  if (!paint.Handle()) return;
  {
    TCanvas canvas(paint.Handle());
    PaintWindow(canvas);
  }
  PaintControls(paint.Handle());
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  if (!FHandle || !dc) return;
  PaintWindowTo(FHandle, dc, x, y);
}

void TWinControl::PaintWindowTo(HWND window, HDC dc, int x, int y) {
  RECT wr;
  GetWindowRect(window, &wr);
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, x, y, nullptr);
  IntersectClipRect(dc, 0, 0, wr.right - wr.left, wr.bottom - wr.top);
  if (TWinControl* own = FromHandle(window); own && own->FOwnPaint) {
    // The client area lies inside the frame: paint the frame, then the face at the client's offset.
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    OffsetViewportOrgEx(dc, client.x - wr.left, client.y - wr.top, nullptr);
    own->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    own->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
  } else {
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  }
  RestoreDC(dc, saved);
  // Child windows from the bottom of the z-order up, each at its place in the window.
  for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST); child; child = GetWindow(child, GW_HWNDPREV)) {
    // The window's own visibility: a hidden ancestor (a form not on the screen) does not matter.
    if (!(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) || GetParent(child) != window) continue;
    RECT cr;
    GetWindowRect(child, &cr);
    PaintWindowTo(child, dc, x + cr.left - wr.left, y + cr.top - wr.top);
  }
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
  if (FOwnPaint) message.Result = 1;  // the whole face is painted in WM_PAINT
  else DefaultHandler(message);
}

}  // namespace qw
