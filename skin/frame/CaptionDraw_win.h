#pragma once
// Drawing that every skinned caption shares, the form's frame and a system dialog's wrapper alike: the
// caption strip of the title section, the window's icon in the frame's picture, the caption font, and
// the window region cut after the skin's corner masks.
#include <windows.h>

#include <string_view>
#include <vector>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "skin/render/BorderMask.h"

namespace qw {

class TsSkinManager;

// The system's caption font (null when the system gives no metrics); the caller deletes it.
HFONT CreateCaptionFont();

// The system's caption font selected into a DC while this lives; false when there is no DC or no font.
class TCaptionFontScope {
 public:
  explicit TCaptionFontScope(HDC dc);
  ~TCaptionFontScope();
  TCaptionFontScope(const TCaptionFontScope&) = delete;
  TCaptionFontScope& operator=(const TCaptionFontScope&) = delete;
  explicit operator bool() const { return FFont != nullptr; }
  int TextHeight() const { return static_cast<int>(FMetrics.tmHeight); }

 private:
  HDC FDC;
  HFONT FFont;
  HGDIOBJ FOld = nullptr;
  TEXTMETRICW FMetrics{};
};

// The section whose colours a caption's text takes: the skin's CAPTION plate, else the title section.
int CaptionTextSection(const TsSkinManager& manager, int titleIndex);

// Paints the title section over Band (from the picture's top-left corner), its transparent parts showing
// what lies under it.
void PaintCaptionStrip(TBitmap32& picture, TsSkinManager& manager, int titleIndex, std::u16string_view titleSection,
                       bool active, TRect band);

// Draws the icon into R of the picture; only the icon's own pixels become opaque.
void DrawCaptionIcon(TBitmap32& picture, TRect r, HICON icon);

// The pixels of a Width x Height frame that the border mask (whole frame) and the title section's mask
// (its top rows, over HeaderHeight) cut away: their key-coloured corners, in the frame's rows.
std::vector<TRegionRun> FrameMaskCuts(const TsSkinManager& manager, int borderMaskIndex, int titleMaskIndex, int width,
                                      int height, int headerHeight);

// The region of a Width x Height window whose frame shows the border mask (whole window) and the title
// section's mask (its top rows, over HeaderHeight): their key-coloured corner pixels cut away. Null when
// the window is too small to have a region.
HRGN MakeFrameRegion(const TsSkinManager& manager, int borderMaskIndex, int titleMaskIndex, int width, int height,
                     int headerHeight);

}  // namespace qw
