#include "fw/Panel.h"

#include "fw/Canvas.h"

namespace qw {

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

void TPanel::PaintWindow(TCanvas& canvas) {
  TWinControl::PaintWindow(canvas);
  RECT r = ClientRect();
  if (Bevel) DrawEdge(canvas.Handle(), &r, BDR_RAISEDINNER, BF_RECT);
  canvas.SetFont(FFont);
  canvas.TextRect(r, FText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace qw
