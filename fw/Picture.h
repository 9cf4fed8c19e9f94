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
  // Decodes a PNG, BMP or JPEG picture, chosen by its content. A bitmap's alpha is its alpha mask or, in
  // a plain 32-bit file like the program's glyphs, its fourth byte; a bitmap with neither is opaque.
  // Throws EImageError with the reason when the data is not a picture this program can read.
  void LoadFromMemory(const uint8_t* data, size_t size);
  // Loads an RCDATA resource of the program by name. Throws EImageError when there is no such resource
  // or it does not decode.
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

}  // namespace qw
