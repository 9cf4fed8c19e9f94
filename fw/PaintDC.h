#pragma once
// The device context a paint message paints into. A WM_PAINT or WM_PRINTCLIENT that carries a DC asks for
// a picture in that DC (printing, the skin's off-screen copies), and it is used as it is. Otherwise the
// window's own paint cycle runs: BeginPaint now and EndPaint when the guard goes, whichever way the
// painting code leaves, so the update region is always validated and the DC always given back.
#include <windows.h>

namespace qw {

class TPaintDC {
 public:
  TPaintDC(HWND window, HDC given) : FWindow(window), FDC(given) {
    if (!FDC) {
      FDC = BeginPaint(window, &FPaint);
      FBegan = true;
    }
  }
  ~TPaintDC() {
    if (FBegan) EndPaint(FWindow, &FPaint);
  }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;

  // Where to paint; null when the system gave no DC (a window without a visible part).
  HDC Handle() const { return FDC; }
  // True when this guard runs the window's paint cycle rather than painting into a DC it was given.
  bool Began() const { return FBegan; }
  // The paint cycle's record (the area to repaint); empty when a DC was given.
  const PAINTSTRUCT& Info() const { return FPaint; }

 private:
  HWND FWindow;
  HDC FDC;
  PAINTSTRUCT FPaint{};
  bool FBegan = false;
};

}  // namespace qw
