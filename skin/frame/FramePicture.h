#pragma once
// Pieces of the frame's picture copied out and back: the clean caption behind the buttons, a button's
// square for its fade window. The frame's sizes come from the skin and the window, so every copy is
// clipped to both bitmaps and never reads before their first pixel.
#include "base/Geometry.h"
#include "image/Bitmap32.h"

namespace qw {

// The part of Src inside R (clipped to Src); empty when nothing of R lies in it. Where R reaches
// outside Src, the copy is only as large as the part that lies inside.
TBitmap32 CopyBitmapArea(const TBitmap32& src, TRect r);
// Copies Src into Dst with Src's top-left at At, clipped to Dst.
void PasteBitmap(TBitmap32& dst, const TBitmap32& src, TPoint at);
// The same for one rectangle of Src (clipped to Src) placed at At.
void PasteBitmapArea(TBitmap32& dst, const TBitmap32& src, TRect from, TPoint at);

// Draws From of Src over To of Dst in nine parts: the corners as they are, the edges and the middle
// stretched. Margins (left, top, right, bottom widths) larger than half of either rectangle are cut to
// it, so a small target still gets its corners and nothing is read outside From.
void PaintNinePart(TBitmap32& dst, const TRect& to, const TBitmap32& src, const TRect& from, TRect margins);

// One step of a caption button's fade: the alpha of level Level out of MaxIterations steps (255 when
// there are no steps at all, so a zero count never divides).
int FadeLevelAlpha(int level, int maxIterations);

}  // namespace qw
