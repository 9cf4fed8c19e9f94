#pragma once
// Captions in a skin's text colours: the state's main colour with its one-pixel contours, text
// composited into 32-bit bitmaps from rendered coverage, the blurred glow behind a text, and the
// shortening of a text with "..." until it fits. Turning text into pixels is the job of a
// TTextRenderer: GDI in the Windows build, a fake with fixed metrics in the tests.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "image/ColorToRgb.h"

namespace qw {

class TsSkinManager;

// Text flags, the values of the platform's DrawText flags (passed through unchanged).
inline constexpr uint32_t kDtLeft = 0x0000, kDtCenter = 0x0001, kDtRight = 0x0002, kDtVCenter = 0x0004,
                          kDtBottom = 0x0008, kDtWordBreak = 0x0010, kDtSingleLine = 0x0020,
                          kDtExpandTabs = 0x0040, kDtNoClip = 0x0100, kDtCalcRect = 0x0400,
                          kDtNoPrefix = 0x0800, kDtEndEllipsis = 0x8000, kDtRtlReading = 0x20000;

struct TTextExtent {
  int32_t Width = 0;
  int32_t Height = 0;
};

// Rasterises text with one font.
class TTextRenderer {
 public:
  virtual ~TTextRenderer() = default;
  // The size the text takes drawn with Flags, wrapped at MaxWidth when Flags ask for word breaks.
  virtual TTextExtent MeasureText(std::u16string_view text, uint32_t flags, int32_t maxWidth) = 0;
  // Draws the text in black into Target at R with Flags; pixels it does not touch stay as they are.
  virtual void DrawTextBlack(TBitmap32& target, std::u16string_view text, const TRect& r, uint32_t flags) = 0;
};

// The text colours of a section state: the main colour and the contours on the four sides (-1 none).
struct TTextColors {
  TColor Main = 0;
  TColor Left = clNone, Top = clNone, Right = clNone, Bottom = clNone;
};
// The colours of Props[1] when Hot and the section has more than one state, else of Props[0].
TTextColors SectionTextColors(const TsSkinManager& manager, int skinIndex, bool hot);

// One drawing of a text: offset from R and colour.
struct TTextPass {
  TPoint Offset;
  TColor Color = 0;
  friend bool operator==(const TTextPass&, const TTextPass&) = default;
};
// The drawings in order: the contours that are set (left, top, right, bottom at one pixel to that
// side), then the main colour at R.
std::vector<TTextPass> TextPasses(const TTextColors& colors, bool contours);

// The caption colour of a disabled skinned control: 40 % of the section's font colour, the rest the
// skin's global colour.
TColor DisabledTextColor(TColor fontColor, TColor globalColor);

// Puts rendered text into Bmp: for every pixel of Coverage (black text on white) that is not white,
// the Bmp pixel at At plus its position gets per channel ((d - c)*t + c*256) >> 8 (t the coverage
// channel, c the colour's) and alpha 255. Positions outside Bmp are skipped.
void CompositeTextCoverage(TBitmap32& bmp, const TBitmap32& coverage, TPoint at, TColor color);
// Renders the text into a temporary of R's size and composites it into Bmp at R in Color.
void DrawTextOnBitmap32(TBitmap32& bmp, TTextRenderer& renderer, std::u16string_view text, const TRect& r,
                        uint32_t flags, TColor color);
// A caption in a section's colours with its contours (when asked), keeping Bmp's alpha meaningful. An
// invalid section draws in FontColor.
void WriteTextOnBitmap(TBitmap32& bmp, TTextRenderer& renderer, std::u16string_view text, bool contours,
                       const TsSkinManager* manager, bool hot, int skinIndex, uint32_t flags, const TRect& r,
                       TColor fontColor);

// An 8-bit gray mask (0 black .. 255 white), rows top-down.
struct TGrayMask {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint8_t> Pixels;
  uint8_t& At(int32_t x, int32_t y) { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
  uint8_t At(int32_t x, int32_t y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
};

// The Gaussian kernel of a blur radius, trimmed where its tails weigh less than 1/510 and normalised:
// 2j + 1 weights, j the half-width. Empty for a radius of 0 or less.
std::vector<double> BlurKernel(int radius);
// Blurs the mask along its rows and then its columns (edges repeated); radius 0 or less does nothing.
void BlurMask(TGrayMask& mask, int radius);

// Side flags of the glow's text drawings.
enum TGlowSides : int { gsLeft = 1, gsTop = 2, gsRight = 4, gsBottom = 8 };
// A soft glow in Color behind the text drawn at R: the text (and its copies moved by a pixel to each
// side in Sides) drawn black on white into the mask, blurred by Radius, then laid over Bmp. The mask
// is kept in Cache and rebuilt only when its size changes.
void DrawTextGlow(TBitmap32& bmp, TTextRenderer& renderer, std::u16string_view text, const TRect& r, TGrayMask& cache,
                  TColor color, int radius, int sides, uint32_t flags);

// The text shortened until it fits MaxWidth: characters are taken off its end (a surrogate pair as a
// whole) until it fits with "..." appended. Empty when MaxWidth is 0 or less or not even "..." fits.
std::u16string CutTextToWidth(TTextRenderer& renderer, std::u16string_view text, int32_t maxWidth);

}  // namespace qw
