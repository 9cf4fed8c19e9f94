#include "fw/GroupBox.h"

#include "fw/Canvas.h"

namespace qw {

TGroupBox::TGroupBox() {
  FOwnPaint = true;
  FParentColor = true;
  ControlStyle |= csAcceptsControls;
  FWidth = 185;
  FHeight = 105;
}

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

void TGroupBox::PaintWindow(TCanvas& canvas) {
  TWinControl::PaintWindow(canvas);
  canvas.SetFont(FFont);
  const std::wstring caption = FText;
  const SIZE text = canvas.TextExtent(caption.empty() ? std::wstring_view(L"0") : std::wstring_view(caption));
  RECT frame = ClientRect();
  frame.top += text.cy / 2;
  DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
  if (caption.empty()) return;
  RECT tr{8, 0, 8 + text.cx + 4, text.cy};
  canvas.SetBrushColor(FColor);
  canvas.FillRect(tr);
  if (!Enabled()) SetTextColor(canvas.Handle(), GetSysColor(COLOR_GRAYTEXT));
  tr.left += 2;
  canvas.TextRect(tr, caption, DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace qw
