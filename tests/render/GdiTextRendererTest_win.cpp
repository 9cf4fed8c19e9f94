// Windows: GDI text drawn into a bitmap's DIB section and measured with DT_CALCRECT, then composited
// in a colour. (Compiled empty elsewhere.)
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include "skin/render/GdiTextRenderer_win.h"

namespace qw {
namespace {

TEST(GdiTextRenderer, MeasuresAndDrawsIntoTheBitmap) {
  HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma");
  {
    TGdiTextRenderer text(font);
    const TTextExtent one = text.MeasureText(u"W", kDtSingleLine, 0);
    const TTextExtent two = text.MeasureText(u"WW", kDtSingleLine, 0);
    EXPECT_GT(one.Width, 0);
    EXPECT_GT(one.Height, 0);
    EXPECT_GT(two.Width, one.Width);

    TBitmap32 b(60, 20);
    DrawTextOnBitmap32(b, text, u"WWW", TRect{2, 2, 58, 18}, kDtLeft | kDtSingleLine, 0x0000FF);
    int red = 0;
    for (size_t i = 0; i < b.PixelCount(); ++i) {
      const uint32_t p = b.Pixels()[i];
      if (p == 0xFFFF0000u) ++red;
      // Every pixel is either untouched white or moved toward red (green and blue fall together).
      if (p != 0x00FFFFFFu) {
        ASSERT_EQ(p >> 24, 0xFFu);
      }
    }
    EXPECT_GT(red, 10);
    EXPECT_EQ(CutTextToWidth(text, u"WWWWWWWWWW", one.Width * 3), CutTextToWidth(text, u"WWWWWWWWWW", one.Width * 3));
  }
  DeleteObject(font);
}

}  // namespace
}  // namespace qw
#endif
