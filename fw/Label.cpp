#include "fw/Label.h"

#include <algorithm>

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

void TLabel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  AdjustSize();
  Invalidate();
}

void TLabel::SetMaxWidth(int value) {
  value = std::max(0, value);
  if (value == FMaxWidth) return;
  FMaxWidth = value;
  AdjustSize();
}

UINT TLabel::TextFlags() const {
  UINT flags = DT_TOP | DT_NOPREFIX | DT_WORDBREAK;
  flags |= FAlignment == taCenter ? DT_CENTER : FAlignment == taRightJustify ? DT_RIGHT : DT_LEFT;
  return flags;
}

void TLabel::AdjustSize() {
  if (!FAutoSize || IsLoading()) return;
  HDC dc = GetDC(nullptr);
  RECT r{0, 0, FMaxWidth > 0 ? FMaxWidth : 0x7FFF, 0};
  {
    TCanvas canvas(dc);
    canvas.SetFont(FFont);
    // An empty text keeps the height of a line (and the width of a blank).
    const std::wstring text = FText.empty() ? std::wstring(L" ") : FText;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE));
  }
  ReleaseDC(nullptr, dc);
  int width = r.right - r.left;
  if (FMaxWidth > 0) width = std::min(width, FMaxWidth);
  SetBounds(FLeft, FTop, width, r.bottom - r.top);
}

void TLabel::Paint(TCanvas& canvas) {
  const RECT r = ClientRect();
  if (!FTransparent) {
    canvas.SetBrushColor(FColor);
    canvas.FillRect(r);
  }
  canvas.SetFont(FFont);
  if (!Enabled()) SetTextColor(canvas.Handle(), GetSysColor(COLOR_GRAYTEXT));
  canvas.TextRect(r, FText, TextFlags());
}

}  // namespace qw
