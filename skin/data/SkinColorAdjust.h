#pragma once
// The hue and saturation a manager applies to every freshly loaded skin: images and colours alike.
// Applied to fresh data on each load, so values never accumulate.
#include "skin/data/SkinLoader.h"

namespace qw {

// Turns every colour and image of the skin by Offset degrees. With BIKEEPHUE set, the caption-button
// glyphs (and their glow images) keep their colours: 1 keeps all of them, any other value the close ones.
void ApplyHueOffset(TSkinTables& t, int offset);
// Changes the saturation of every colour and image by Amount percent (-100..100).
void ApplySaturation(TSkinTables& t, int amount);
// Hue first, then saturation (Saturation taken modulo 101), each only when not 0.
void AdjustSkinColors(TSkinTables& t, int hueOffset, int saturation);

}  // namespace qw
