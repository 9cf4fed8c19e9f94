#pragma once
// A canvas that draws into a 32-bit bitmap's DIB section: a memory DC with the bitmap selected for as
// long as the canvas lives. GDI drawing and direct pixel access meet in the same pixels: the canvas
// flushes GDI when it is made and when it goes, so either side sees the other's pixels.
#include <windows.h>

#include "fw/Canvas.h"
#include "image/Bitmap32.h"

namespace qw {

class TBitmapCanvas {
 public:
  explicit TBitmapCanvas(TBitmap32& bitmap);
  TBitmapCanvas(const TBitmapCanvas&) = delete;
  TBitmapCanvas& operator=(const TBitmapCanvas&) = delete;

  // The canvas; its DC is null when the bitmap has no DIB section (an empty bitmap).
  TCanvas& Canvas() { return FCanvas; }
  HDC Handle() const { return FMemory.DC; }

 private:
  // The memory DC outlives the canvas that restores its state (members go in reverse order).
  struct TMemoryDC {
    explicit TMemoryDC(TBitmap32& bitmap);
    ~TMemoryDC();
    HDC DC = nullptr;
    HGDIOBJ OldBitmap = nullptr;
  };
  TMemoryDC FMemory;
  TCanvas FCanvas;
};

}  // namespace qw
