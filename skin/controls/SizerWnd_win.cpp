#include "skin/controls/SizerWnd_win.h"

#include "fw/MessageCrack.h"
#include "fw/PaintDC.h"
#include "image/BitmapDC_win.h"
#include "image/BitmapFill.h"
#include "skin/core/CommonData_win.h"
#include "skin/data/SkinManager.h"

namespace qw {

namespace {

// The grip: three diagonal rows of square dots in the bottom-right corner, Pitch apart.
constexpr int kDot = 2, kPitch = 4, kRows = 3;

void DrawGrip(TBitmap32& bmp, TColor color) {
  for (int row = 0; row < kRows; ++row)
    for (int col = kRows - 1 - row; col < kRows; ++col) {
      const int x = bmp.Width() - kPitch * (kRows - col), y = bmp.Height() - kPitch * (kRows - row);
      if (x >= 0 && y >= 0) FillRect32(bmp, TRect{x, y, x + kDot, y + kDot}, color, 255);
    }
}

}  // namespace

void TqxSizerWnd::WMPaint(TMessage& message, HDC given) {
  message.Result = 0;
  TPaintDC cycle(CtrlHandle, given);
  if (!cycle.Handle() || !Ready()) return;
  // The cache stays the plain section: it is what children and repaints are given as the background.
  TBitmap32 picture = SkinData->CacheBmp()->Clone();
  const TsSkinManager* m = Manager();
  const int index = SkinData->SkinIndex();
  const TColor dots = m && m->IsValidSkinIndex(index)
                          ? ColorToRGB(static_cast<TColor>(m->gd[static_cast<size_t>(index)].Props[0].FontColor.Color))
                          : ColorToRGB(static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)));
  DrawGrip(picture, dots);
  const POINT client = ClientOffset();
  RECT cr{};
  GetClientRect(CtrlHandle, &cr);
  CopyBitmapToDC(cycle.Handle(), picture, TRect{client.x, client.y, client.x + cr.right, client.y + cr.bottom},
                 TPoint{0, 0});
}

void TqxSizerWnd::qxWndProc(TMessage& message) {
  if (Skinned() && (message.Msg == WM_PAINT || message.Msg == WM_PRINTCLIENT))
    return WMPaint(message, DcFrom(message.WParam));
  TqxSectionWnd::qxWndProc(message);
}

}  // namespace qw
