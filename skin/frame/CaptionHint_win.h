#pragma once
// The hint of a hot user caption button: a small window in the info colours near the cursor, kept
// inside the monitor's work area, never activated. The provider owns at most one and frees it when the
// button stops being hot.
#include <windows.h>

#include <string>

namespace qw {

class TqxCaptionHint {
 public:
  // Shows Text near the screen point (the cursor); an empty text shows nothing.
  TqxCaptionHint(const std::u16string& text, POINT cursor);
  ~TqxCaptionHint();
  TqxCaptionHint(const TqxCaptionHint&) = delete;
  TqxCaptionHint& operator=(const TqxCaptionHint&) = delete;
  HWND Window() const { return FWindow; }

 private:
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnPaint(HWND wnd);
  std::wstring FText;
  HWND FWindow = nullptr;
};

}  // namespace qw
