#include "fw/Label.h"

#include "fw/Canvas.h"
#include "fw/WinControl.h"

namespace qw {

TLabel::TLabel() { FParentColor = true; }

void TLabel::WndProc(TMessage& message) {
  TGraphicControl::WndProc(message);
  if (message.Msg == FW_TEXT_CHANGED || message.Msg == FW_FONT_CHANGED) AdjustSize();
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
