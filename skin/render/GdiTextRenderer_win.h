#pragma once
// Windows: text rasterised by GDI (DrawTextW) straight into a bitmap's DIB section.
#include <windows.h>

#include "skin/render/TextPaint.h"

namespace qw {

class TGdiTextRenderer final : public TTextRenderer {
 public:
  // Draws with Font (not owned; it must outlive the renderer). A null font means the system's GUI font.
  explicit TGdiTextRenderer(HFONT font);
  ~TGdiTextRenderer() override;
  TGdiTextRenderer(const TGdiTextRenderer&) = delete;
  TGdiTextRenderer& operator=(const TGdiTextRenderer&) = delete;

  // DT_CALCRECT over a rectangle MaxWidth wide (0: no limit).
  TTextExtent MeasureText(std::u16string_view text, uint32_t flags, int32_t maxWidth) override;
  // DrawTextW in black with a transparent background into Target's DIB section.
  void DrawTextBlack(TBitmap32& target, std::u16string_view text, const TRect& r, uint32_t flags) override;

 private:
  HFONT FFont;
  HDC FDC;  // a memory DC that keeps the font selected
  HGDIOBJ FOldFont;
};

}  // namespace qw
