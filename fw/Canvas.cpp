#include "fw/Canvas.h"

namespace qw {

TCanvas::TCanvas(HDC dc) : FDC(dc) { FSavedDC = SaveDC(dc); }

TCanvas::~TCanvas() {
  if (FOldFont) SelectObject(FDC, FOldFont);
  RestoreDC(FDC, FSavedDC);
  if (FBrush) DeleteObject(FBrush);
}

void TCanvas::SetFont(const TFont& font) {
  HGDIOBJ old = SelectObject(FDC, font.Handle());
  if (!FOldFont) FOldFont = old;
  SetTextColor(FDC, ColorToRGB(font.Color()));
}

void TCanvas::SetBrushColor(TColor color) {
  if (FBrush) DeleteObject(FBrush);
  FBrush = CreateSolidBrush(ColorToRGB(color));
}

void TCanvas::FillRect(const RECT& r) {
  if (!FBrush) SetBrushColor(clBtnFace);
  ::FillRect(FDC, &r, FBrush);
}

void TCanvas::TextRect(RECT r, std::wstring_view text, UINT format) {
  SetBkMode(FDC, TRANSPARENT);
  DrawTextW(FDC, text.data(), static_cast<int>(text.size()), &r, format);
}

SIZE TCanvas::TextExtent(std::wstring_view text) {
  SIZE s{};
  GetTextExtentPoint32W(FDC, text.data(), static_cast<int>(text.size()), &s);
  return s;
}

}  // namespace qw
