#pragma once
// Colour transforms of single colours and of whole 32-bit bitmaps: tint, grayscale, hue and saturation.
// Alpha bytes are always kept.
#include <cstdint>

#include "image/Bitmap32.h"
#include "image/ColorToRgb.h"

namespace qw {

// Every pixel but the key: per channel round(x*(c - k) + k), k the channel of ColorToRGB(Color).
void TintBitmap(TBitmap32& bmp, TColor color, double x);
// Every pixel: R = G = B = (R + G + B) div 3.
void GrayscaleBitmap(TBitmap32& bmp);
// The same, leaving pixels whose word equals Key alone.
void GrayscaleBitmapKeyed(TBitmap32& bmp, uint32_t key);

// The colour with its hue turned by Offset degrees (0 leaves it unchanged; gray stays gray).
TColor ChangeColorHue(TColor color, int offset);
// Turns the hue of every pixel that is neither the key 0x00FF00FF nor gray.
void ChangeBitmapHue(TBitmap32& bmp, int offset);
// Every colour byte c becomes clamp(round(c - (avg - c)*Amount/100)), avg the mean of the three bytes;
// positive amounts saturate, -100 gives gray; 0 leaves the colour unchanged; the top byte is kept.
TColor ChangeColorSaturation(TColor color, int amount);
// The same for every pixel that is neither the key 0x00FF00FF nor gray.
void ChangeBitmapSaturation(TBitmap32& bmp, int amount);

// One pixel word turned by Offset degrees (the per-pixel step of ChangeBitmapHue).
uint32_t ChangePixelHue(uint32_t pixel, int offset);
// One pixel word (or colour value: the rule is symmetric in the channels) saturated by Amount percent.
uint32_t ChangePixelSaturation(uint32_t pixel, int amount);

}  // namespace qw
