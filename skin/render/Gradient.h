#pragma once
// Gradients of skin sections painted into 32-bit bitmaps, alone or mixed with a tiled texture in one
// pass. The gradient description itself is parsed by the skin data (ParseGradient).
#include <cstdint>
#include <vector>

#include "base/Geometry.h"
#include "skin/data/SkinTables.h"
#include "image/Bitmap32.h"

namespace qw {

// Layouts by the first band's Mode1.
enum TGradientLayout : int { glVertical = 0, glHorizontal = 1, glMesh = 2 };

// The pixel words (alpha 255) of a vertical (one per row of R) or horizontal (one per column) gradient
// over R, R already cut to the bitmap. Bands follow each other from R's top or left edge; a band runs
// from its start to its end inclusive and the next band starts on that end, the later band winning.
// Every entry is written: rows no band reaches keep the first band's start colour.
void GradientLine(const TsGradArray& bands, int layout, const TRect& r, std::vector<uint32_t>& line);

// Paints the gradient over R (cut to the bitmap). Layouts 0 and 1 write every pixel of R with alpha
// 255; layout 2 blends the corner colours (bands 0, 2, 3, 4) toward the centre colour (band 1) over four
// triangles; other layouts and an empty array paint nothing.
void PaintGradient(TBitmap32& bmp, const TRect& r, const TsGradArray& bands);

// The gradient of layout 0 or 1 mixed with a texture tiled from Bmp's origin in one pass: per channel
// (A*(t - g) + g*256) >> 8 with t the texture pixel at (x mod TW, y mod TH) of TexArea (an empty area
// means the whole texture; it is cut to the texture bitmap), alpha 255. Other layouts paint nothing.
void PaintGradientWithTexture(TBitmap32& bmp, const TRect& r, const TsGradArray& bands, int a, TRect texArea,
                              const TBitmap32& texture);

}  // namespace qw
