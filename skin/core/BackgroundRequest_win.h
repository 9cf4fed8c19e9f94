#pragma once
// The background request: a control asks its parent for what lies behind it, and a parent answers from
// its cache bitmap or with its colour. Sent as the skin command skcPaintBackground with the record's
// address; a parent that does not answer is asked for its colour, or made to paint itself.
#include <windows.h>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "image/CacheInfo.h"
#include "image/ColorToRgb.h"

namespace qw {

class TControl;

// BgType values.
enum : int { btUnknown = 0, btFill = 1, btCache = 2 };

struct TBackgroundInfo {
  // The answer: the answerer's painted picture (not owned) ...
  TBitmap32* Bmp = nullptr;
  // ... or its plain colour.
  TColor Color = clNoColor;
  // Where the asked parent's client origin lies in Bmp: the requester's pixel (x, y) is Bmp's pixel
  // (x + requester's position in the parent + Offset). A transparent parent that passes the request on
  // adds its own position to what its parent answered.
  TPoint Offset;
  // The requester's rectangle in the asked parent's client coordinates.
  TRect R;
  // btUnknown (nobody answered), btFill (Color only) or btCache (Bmp and Offset valid).
  int BgType = btUnknown;
  // The answerer also paints R's background into DrawDC, whose origin stands for R's top-left corner.
  bool PleaseDraw = false;
  HDC DrawDC = nullptr;
};

// Asks the parent of Requester (its parent control, else its parent window) for the background at R
// (the requester's bounds unless given). Always answers: when nobody answers, the parent's colour (or,
// with PleaseDraw, the parent painted into DrawDC).
void RequestParentBackground(TControl& requester, TBackgroundInfo& info, bool pleaseDraw);
// The same for a window without a control object, asking its parent window.
void RequestWindowBackground(HWND window, TBackgroundInfo& info, bool pleaseDraw);

// The answer as the record every painter takes (parent coordinates to Bmp's).
TCacheInfo CacheInfoOf(const TBackgroundInfo& info);

}  // namespace qw
