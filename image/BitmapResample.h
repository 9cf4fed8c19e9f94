#pragma once
// Filtered rescaling of 32-bit bitmaps: two separable passes (horizontal, then vertical) with one of
// seven kernels and 16.16 fixed-point weights.
#include "image/Bitmap32.h"

namespace qw {

// The kernels by number: 0 box, 1 triangle, 2 Hermite, 3 bell, 4 B-spline, 5 windowed sine, 6 Mitchell.
enum TResampleFilter : int {
  rfBox = 0, rfTriangle = 1, rfHermite = 2, rfBell = 3, rfBSpline = 4, rfWindowedSine = 5, rfMitchell = 6
};

// Rescales Src into Dst (which takes the new size); equal sizes copy, NewWidth or NewHeight of 0 or less
// does nothing, filters outside 0..6 are limited to that range. Throws EImageError("Source bitmap is too
// small") for a source 1 pixel (or less) wide or high.
void ResampleBitmap(const TBitmap32& src, TBitmap32& dst, int newWidth, int newHeight, int filter);

// The kernel value k(x) of a filter and its support radius (exposed for tests).
double ResampleKernel(int filter, double x);
double ResampleSupport(int filter);

}  // namespace qw
