#pragma once
// A picture held by an image, a button glyph or a menu item: the decoded 32-bit pixels (straight alpha)
// and a premultiplied copy that GDI's AlphaBlend draws.
#include <windows.h>

#include <cstdint>
#include <string>

#include "image/Bitmap32.h"

namespace qw {

class TPicture {
 public:
  // Decodes a picture by its leading bytes: 32-bit BMP, PNG or JPEG. Throws std::runtime_error with the
  // reason when the data is not a picture this program can read.
  void LoadFromMemory(const uint8_t* data, size_t size);
  // Loads an RCDATA resource of the program by name.
  void LoadFromResource(const std::wstring& name);
  void Assign(TBitmap32 bitmap);

  bool Empty() const { return FBitmap.Empty(); }
  int Width() const { return FBitmap.Width(); }
  int Height() const { return FBitmap.Height(); }
  const TBitmap32& Bitmap() const { return FBitmap; }
  // Premultiplied copy as an HBITMAP (a DIB section owned by the picture), or null when empty.
  HBITMAP PremultipliedHandle() const;

  // Draws the picture unscaled with its alpha at (x, y).
  void Draw(HDC dc, int x, int y) const;

 private:
  TBitmap32 FBitmap;
  TBitmap32 FPremultiplied;
};

// Reads a bottom-up or top-down 32-bit BMP file with alpha (BI_RGB or BI_BITFIELDS in BGRA order), the
// format the program's own glyphs are stored in. Throws std::runtime_error on anything else.
TBitmap32 ReadBmp32(const uint8_t* data, size_t size);

}  // namespace qw
