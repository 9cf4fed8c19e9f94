#pragma once
// The 32-bit bitmap every picture of the program is composed in: rows top-down, each pixel the
// little-endian word A<<24 | R<<16 | G<<8 | B (bytes Blue, Green, Red, Alpha in memory).
// On Windows the pixels live in a DIB section so GDI can draw text into them; elsewhere in plain memory.
// Per-pixel code only ever uses Row()/Pixels(); it never needs to know which.
#include <cstddef>
#include <cstdint>

namespace qw {

// Pixels whose whole word equals this are transparent in every skin image.
inline constexpr uint32_t kKeyPixel = 0x00FF00FFu;

class TBitmap32 {
 public:
  TBitmap32() = default;
  // A W x H bitmap (0 x 0 allowed), every pixel 0x00FFFFFF; its store may be one a freed bitmap of the
  // same size left on this thread. Throws std::bad_alloc when the size is
  // absurd (negative, or more than 2^28 pixels) or memory is short.
  TBitmap32(int width, int height);
  // The same, its pixels left as they are: for a decoder that writes every one of them before the bitmap
  // is seen (one pass over the memory fewer).
  struct TUnfilled {};
  TBitmap32(int width, int height, TUnfilled);
  ~TBitmap32();
  TBitmap32(TBitmap32&& other) noexcept;
  TBitmap32& operator=(TBitmap32&& other) noexcept;
  TBitmap32(const TBitmap32&) = delete;
  TBitmap32& operator=(const TBitmap32&) = delete;

  // A pixel-for-pixel copy (a new DIB section on Windows).
  TBitmap32 Clone() const;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FWidth == 0 || FHeight == 0; }
  uint32_t* Row(int y) { return FPixels + static_cast<size_t>(y) * static_cast<size_t>(FWidth); }
  const uint32_t* Row(int y) const { return FPixels + static_cast<size_t>(y) * static_cast<size_t>(FWidth); }
  uint32_t* Pixels() { return FPixels; }
  const uint32_t* Pixels() const { return FPixels; }
  uint32_t& At(int x, int y) { return Row(y)[x]; }
  uint32_t At(int x, int y) const { return Row(y)[x]; }
  size_t PixelCount() const { return static_cast<size_t>(FWidth) * static_cast<size_t>(FHeight); }

  // Windows: the DIB section's HBITMAP (select it into a memory DC to draw with GDI; call GdiFlush()
  // before touching the pixels again). Elsewhere always null.
  void* NativeHandle() const { return FHandle; }

  // Bits per pixel of the picture where it came from, as far as its alpha goes: 32 for a picture with an
  // alpha of its own (and for every bitmap made here), less for one read from a file without one,
  // whose alpha the reader made opaque. Glyphs are drawn by it (with their alpha, or as classic glyphs).
  int SourceBitCount = 32;

 private:
  void Release();
  int FWidth = 0;
  int FHeight = 0;
  uint32_t* FPixels = nullptr;
  void* FHandle = nullptr;
};

// The engine's name for making a painting bitmap.
inline TBitmap32 CreateBitmap32(int width, int height) { return TBitmap32(width, height); }

}  // namespace qw
