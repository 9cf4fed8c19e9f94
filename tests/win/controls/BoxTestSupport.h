#pragma once
// Helpers for the window tests of group boxes, panels and labels: pictures of a control painted into a
// DIB, colour counts in a rectangle, and the colour a skin's border mask gives one pixel of a frame.
#include <windows.h>

#include <functional>
#include <stdexcept>

#include "../../render/RenderTestUtil.h"
#include "fw/WinControl.h"
#include "skin/controls/sPageControl.h"
#include "image/Bitmap32.h"
#include "skin/data/SkinManager.h"

namespace qw::test {

// Colours the page-control tests give their test skin's sections and the parent behind them.
constexpr TColor kPage = 0x00C08040;
constexpr TColor kBehind = 0x00E0E0E0;

inline uint32_t Rgb(const TBitmap32& b, int x, int y) { return b.At(x, y) & 0x00FFFFFFu; }
// The pixel word (0x00RRGGBB) of a colour value.
inline uint32_t PixelOf(TColor c) { return ColorToPixel(ColorToRGB(c), 0) & 0x00FFFFFFu; }

// Gives a test skin's section a frame of Width pixels in one colour (no centre), from the master
// bitmap's top-left corner.
inline void AddPlainFrame(TTestSkin& skin, int section, TColor color, int width) {
  const TRect area{0, 0, 3 * width, 3 * width};
  skin.Paint(area, [color](int, int) { return PixelOf(color); });
  skin.Section(section).BorderIndex = skin.AddMask(skin.Section(section).ClassName, u"BORDERSMASK", area, 1, 0, 0, width);
}

// The control painted into a fresh DIB through its paint message (what it would show on screen).
inline TBitmap32 PictureOf(TControl& control) {
  TBitmap32 picture(control.Width(), control.Height());
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, static_cast<HBITMAP>(picture.NativeHandle()));
  control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  return picture;
}

// What a window paints into a fresh DIB through WM_PRINTCLIENT (or erases, with Erase).
inline TBitmap32 PictureOfWindow(HWND wnd, bool erase = false) {
  RECT r{};
  GetClientRect(wnd, &r);
  TBitmap32 picture(r.right, r.bottom);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, static_cast<HBITMAP>(picture.NativeHandle()));
  SendMessageW(wnd, erase ? WM_ERASEBKGND : WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), erase ? 0 : PRF_CLIENT);
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  return picture;
}

// How many pixels of R satisfy the test.
inline int CountIn(const TBitmap32& b, const TRect& r, const std::function<bool(uint32_t)>& test) {
  int n = 0;
  for (int y = std::max(0, r.Top); y < std::min(b.Height(), r.Bottom); ++y)
    for (int x = std::max(0, r.Left); x < std::min(b.Width(), r.Right); ++x) n += test(b.At(x, y) & 0x00FFFFFFu);
  return n;
}
inline int CountOf(const TBitmap32& b, const TRect& r, uint32_t pixel) {
  return CountIn(b, r, [pixel](uint32_t p) { return p == pixel; });
}

// The pixel a masked border (an image with its alpha mask below it) puts over Behind at source pixel
// (X, Y) of the skin's master bitmap: per channel ((behind - source) * mask + source * 256) >> 8.
inline uint32_t MaskedBorderPixel(const TsSkinManager& m, const TsMaskData& mask, int x, int y, uint32_t behind) {
  const TBitmap32& src = mask.Bmp ? *mask.Bmp : m.Tables.MasterBitmap;
  const uint32_t s = src.At(x, y) & 0x00FFFFFFu;
  if (mask.MaskType == 0) return s;
  const int rowOffset = (mask.R.Bottom - mask.R.Top) / (mask.MaskType + 1);
  const uint32_t k = src.At(x, y + rowOffset);
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int d = (behind >> shift) & 0xFF, sc = (s >> shift) & 0xFF, mc = (k >> shift) & 0xFF;
    out |= static_cast<uint32_t>((((d - sc) * mc + sc * 256) >> 8) & 0xFF) << shift;
  }
  return out;
}

// The page control repainted now: what its cache holds. Reading pixels of a picture that was never made
// would read past it: the test stops here instead.
inline const TBitmap32& PaintedPages(TsPageControl& pages) {
  pages.SkinData.BGChanged = true;
  RedrawWindow(pages.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const TBitmap32* cache = pages.SkinData.CacheBmp();
  if (!cache || cache->Width() != pages.Width() || cache->Height() != pages.Height())
    throw std::runtime_error("the page control has no picture of its size");
  return *cache;
}

}  // namespace qw::test
