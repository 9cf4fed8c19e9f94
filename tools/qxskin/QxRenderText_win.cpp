// Captions for qxskin render through GDI, in the font skinned controls use by default.
#include <windows.h>

#include "skin/render/GdiTextRenderer_win.h"
#include "tools/qxskin/QxSkinCommand.h"

namespace qw {

namespace {

// The renderer with the font it owns.
class TQxGdiText final : public TTextRenderer {
 public:
  TQxGdiText()
      : FFont(CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma")),
        FRenderer(FFont) {}
  ~TQxGdiText() override {
    if (FFont) DeleteObject(FFont);
  }
  TTextExtent MeasureText(std::u16string_view text, uint32_t flags, int32_t maxWidth) override {
    return FRenderer.MeasureText(text, flags, maxWidth);
  }
  void DrawTextBlack(TBitmap32& target, std::u16string_view text, const TRect& r, uint32_t flags) override {
    FRenderer.DrawTextBlack(target, text, r, flags);
  }

 private:
  HFONT FFont;
  TGdiTextRenderer FRenderer;
};

}  // namespace

std::unique_ptr<TTextRenderer> MakeQxTextRenderer() { return std::make_unique<TQxGdiText>(); }

}  // namespace qw
