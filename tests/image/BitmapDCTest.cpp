// Windows only: the device-context fills and the system colour table taken from the running system.
#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include "image/Bitmap32.h"
#include "image/BitmapDC_win.h"
#include "image/ColorToRgb_win.h"

namespace qw {
namespace {

// A memory DC with a bitmap's DIB section selected, restored and freed on destruction.
class TBitmapDC {
 public:
  explicit TBitmapDC(TBitmap32& bmp) : FDC(CreateCompatibleDC(nullptr)) {
    FOld = SelectObject(FDC, static_cast<HBITMAP>(bmp.NativeHandle()));
  }
  ~TBitmapDC() {
    SelectObject(FDC, FOld);
    DeleteDC(FDC);
  }
  HDC Handle() const { return FDC; }

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

TEST(BitmapDC, FillRectDCPaintsTheResolvedColourAndRestoresTheContext) {
  const TSystemColorTable saved = SystemColorTable();
  TSystemColorTable table{};
  table[15] = 0x0000FF;
  SetSystemColorTable(table);
  TBitmap32 bmp(4, 4);
  {
    TBitmapDC dc(bmp);
    const HGDIOBJ brushBefore = GetCurrentObject(dc.Handle(), OBJ_BRUSH);
    SetBkColor(dc.Handle(), RGB(1, 2, 3));
    FillRectDC(dc.Handle(), Rect(1, 1, 3, 3), clBtnFace);
    EXPECT_EQ(GetCurrentObject(dc.Handle(), OBJ_BRUSH), brushBefore);
    EXPECT_EQ(GetBkColor(dc.Handle()), RGB(1, 2, 3));
    GdiFlush();
  }
  EXPECT_EQ(bmp.At(1, 1) & 0x00FFFFFFu, 0x00FF0000u);  // red, as a pixel word
  EXPECT_EQ(bmp.At(2, 2) & 0x00FFFFFFu, 0x00FF0000u);
  EXPECT_EQ(bmp.At(3, 3), 0x00FFFFFFu);
  SetSystemColorTable(saved);
}

TEST(BitmapDC, FillBorderDCPaintsOnlyTheFourBands) {
  TBitmap32 bmp(6, 6);
  {
    TBitmapDC dc(bmp);
    FillBorderDC(dc.Handle(), Rect(0, 0, 6, 6), 1, 2, 1, 1, 0x000000);
    GdiFlush();
  }
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) {
      const bool band = y < 2 || x < 1 || x >= 5 || y >= 5;
      EXPECT_EQ(bmp.At(x, y) & 0x00FFFFFFu, band ? 0u : 0x00FFFFFFu) << x << "," << y;
    }
}

TEST(BitmapDC, InstalledTableAnswersLikeTheSystem) {
  const TSystemColorTable saved = SystemColorTable();
  InstallSystemColorTable();
  EXPECT_EQ(static_cast<uint32_t>(ColorToRGB(clBtnFace)), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(static_cast<uint32_t>(ColorToRGB(static_cast<TColor>(0xFF000000u | COLOR_WINDOWTEXT))),
            GetSysColor(COLOR_WINDOWTEXT));
  SetSystemColorTable(saved);
}

}  // namespace
}  // namespace qw
#endif
