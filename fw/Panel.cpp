#include "fw/Panel.h"

#include <algorithm>

#include "fw/Canvas.h"

namespace qw {

namespace {

// Draws one bevel of Width lines around R and moves R inside it.
void DrawBevel(HDC dc, RECT& r, TBevelCut cut, int width) {
  if (cut == bvNone) return;
  const UINT edge = cut == bvLowered ? BDR_SUNKENOUTER : cut == bvRaised ? BDR_RAISEDINNER : 0;
  for (int i = 0; i < width; ++i) {
    if (edge) DrawEdge(dc, &r, edge, BF_RECT);
    InflateRect(&r, -1, -1);
  }
}

}  // namespace

TPanel::TPanel() {
  FOwnPaint = true;
  ControlStyle |= csAcceptsControls;
  FWidth = 185;
  FHeight = 41;
}

void TPanel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

void TPanel::SetBevelOuter(TBevelCut value) {
  if (value == FBevelOuter) return;
  const TBevelCut old = FBevelOuter;
  FBevelOuter = value;
  BevelOuterChanged(old);
}

void TPanel::SetBevelInner(TBevelCut value) {
  if (value == FBevelInner) return;
  FBevelInner = value;
  LookChanged();
}

void TPanel::SetBevelWidth(int value) {
  value = std::max(1, value);
  if (value == FBevelWidth) return;
  FBevelWidth = value;
  LookChanged();
}

void TPanel::SetBorderWidth(int value) {
  value = std::max(0, value);
  if (value == FBorderWidth) return;
  FBorderWidth = value;
  LookChanged();
}

void TPanel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  LookChanged();
}

void TPanel::SetVerticalAlignment(TVerticalAlignment value) {
  if (value == FVerticalAlignment) return;
  FVerticalAlignment = value;
  LookChanged();
}

void TPanel::SetShowCaption(bool value) {
  if (value == FShowCaption) return;
  FShowCaption = value;
  LookChanged();
}

void TPanel::BevelOuterChanged(TBevelCut) { LookChanged(); }

void TPanel::LookChanged() { Invalidate(); }

void TPanel::PaintWindow(TCanvas& canvas) {
  TWinControl::PaintWindow(canvas);
  RECT r = ClientRect();
  DrawBevel(canvas.Handle(), r, FBevelOuter, FBevelWidth);
  InflateRect(&r, -FBorderWidth, -FBorderWidth);
  DrawBevel(canvas.Handle(), r, FBevelInner, FBevelWidth);
  if (!FShowCaption) return;
  canvas.SetFont(FFont);
  UINT flags = DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS;
  flags |= FAlignment == taCenter ? DT_CENTER : FAlignment == taRightJustify ? DT_RIGHT : DT_LEFT;
  flags |= FVerticalAlignment == taVerticalCenter ? DT_VCENTER : FVerticalAlignment == taAlignBottom ? DT_BOTTOM : DT_TOP;
  canvas.TextRect(r, FText, flags);
}

}  // namespace qw
