#include "fw/Label.h"

#include "fw/Canvas.h"
#include "fw/WinControl.h"

namespace qw {

TLabel::TLabel() { FParentColor = true; }

void TLabel::FWTextOrFontChanged(TMessage& message) {
  TGraphicControl::WndProc(message);
  AdjustSize();
}

void TLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case FW_TEXT_CHANGED:
    case FW_FONT_CHANGED:
      return FWTextOrFontChanged(message);
    default:
      return TGraphicControl::WndProc(message);
  }
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustSize();
}

void TLabel::SetAutoSize(bool value) {
  FAutoSize = value;
  AdjustSize();
}

void TLabel::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Invalidate();
}

void TLabel::AdjustSize() {
  if (!FAutoSize || IsLoading()) return;
  HDC dc = GetDC(nullptr);
  SIZE s{};
  {
    TCanvas canvas(dc);
    canvas.SetFont(FFont);
    s = canvas.TextExtent(FText.empty() ? std::wstring_view(L" ") : std::wstring_view(FText));
  }
  ReleaseDC(nullptr, dc);
  SetBounds(FLeft, FTop, FText.empty() ? 0 : s.cx, s.cy);
}

void TLabel::Paint(TCanvas& canvas) {
  const RECT r = ClientRect();
  if (!FTransparent) {
    canvas.SetBrushColor(FColor);
    canvas.FillRect(r);
  }
  canvas.SetFont(FFont);
  if (!Enabled()) SetTextColor(canvas.Handle(), GetSysColor(COLOR_GRAYTEXT));
  canvas.TextRect(r, FText, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace qw
