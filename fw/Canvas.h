#pragma once
// A device context with the font, brush and pen it paints with. Objects it selects are restored when the
// canvas is done; objects it creates are deleted by it.
#include <windows.h>

#include <string_view>

#include "fw/Color.h"
#include "fw/Font.h"

namespace qw {

class TCanvas {
 public:
  // Wraps a DC owned by someone else (a paint DC, a memory DC).
  explicit TCanvas(HDC dc);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return FDC; }
  // Selects the font's GDI object and sets the text colour from it.
  void SetFont(const TFont& font);
  // Solid brush of this colour for the fills below.
  void SetBrushColor(TColor color);
  void FillRect(const RECT& r);
  // Draws text with DrawTextW in the current font and colour, background left alone.
  void TextRect(RECT r, std::wstring_view text, UINT format);
  SIZE TextExtent(std::wstring_view text);

 private:
  HDC FDC;
  HGDIOBJ FOldFont = nullptr;
  HBRUSH FBrush = nullptr;
  int FSavedDC = 0;
};

}  // namespace qw
