#include "fw/BitmapCanvas.h"

namespace qw {

TBitmapCanvas::TMemoryDC::TMemoryDC(TBitmap32& bitmap) {
  if (!bitmap.NativeHandle()) return;
  GdiFlush();
  DC = CreateCompatibleDC(nullptr);
  if (DC) OldBitmap = SelectObject(DC, static_cast<HBITMAP>(bitmap.NativeHandle()));
}

TBitmapCanvas::TMemoryDC::~TMemoryDC() {
  GdiFlush();
  if (!DC) return;
  SelectObject(DC, OldBitmap);
  DeleteDC(DC);
}

TBitmapCanvas::TBitmapCanvas(TBitmap32& bitmap) : FMemory(bitmap), FCanvas(FMemory.DC) {}

}  // namespace qw
