#pragma once
// Colour values in the window system's layout (0x00BBGGRR, red in the low byte), the system colours they
// may name, and the conversions between colour values and pixel words.
#include <array>
#include <cstdint>

namespace qw {

// A colour value 0x00BBGGRR. A value whose top byte is 0xFF (a negative value) names the system colour
// whose index is its low byte; -1 means "no colour".
using TColor = int32_t;

inline constexpr TColor clNone = -1;
// Means "no colour given" wherever a colour is a parameter (and is the skins' transparent magenta).
inline constexpr TColor clNoColor = 0xFF00FF;
// The system button-face colour, the usual fallback background.
inline constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000Fu);

// What each system colour index (0..255) currently looks like, as plain 0x00BBGGRR values.
using TSystemColorTable = std::array<uint32_t, 256>;

// Replaces the system colour table (the Windows build installs the real one at start-up, tests their own).
void SetSystemColorTable(const TSystemColorTable& table);
// The table in use; before anything is installed it holds the classic default scheme.
const TSystemColorTable& SystemColorTable();
// Resolves a system colour through the table; plain colour values are returned as they are.
TColor ColorToRGB(TColor color);

// Exchanges the low and the third byte (colour value <-> pixel word); green and the top byte stay.
constexpr uint32_t SwapRedBlue(uint32_t c) {
  return (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
}
// The pixel word of a colour value with the given alpha; the colour is taken as it is (no system colours).
constexpr uint32_t ColorToPixel(TColor color, uint32_t alpha) {
  return (alpha << 24) | (SwapRedBlue(static_cast<uint32_t>(color)) & 0x00FFFFFFu);
}

// Per channel round(x*c1 + (1-x)*c2) (reals, ties to even), clamped to 0..255; the top byte is C1's.
TColor MixColors(TColor c1, TColor c2, double x);

}  // namespace qw
