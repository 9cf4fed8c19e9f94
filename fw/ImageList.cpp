#include "fw/ImageList.h"

#include <algorithm>

namespace qw {

TImageList::TImageList(int width, int height) : FWidth(std::max(0, width)), FHeight(std::max(0, height)) {}

void TImageList::SetSize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == FWidth && height == FHeight) return;
  FWidth = width;
  FHeight = height;
  FImages.clear();
}

int TImageList::Add(TBitmap32 image) {
  if (image.Width() != FWidth || image.Height() != FHeight) return -1;
  FImages.push_back(std::move(image));
  return Count() - 1;
}

int TImageList::AddStrip(const TBitmap32& strip) {
  if (FWidth <= 0 || FHeight <= 0 || strip.Height() < FHeight) return 0;
  const int pictures = strip.Width() / FWidth;
  for (int i = 0; i < pictures; ++i) {
    TBitmap32 image(FWidth, FHeight);
    image.SourceBitCount = strip.SourceBitCount;
    for (int y = 0; y < FHeight; ++y) std::copy_n(strip.Row(y) + i * FWidth, FWidth, image.Row(y));
    FImages.push_back(std::move(image));
  }
  return pictures;
}

const TBitmap32* TImageList::Image(int index) const {
  return index >= 0 && index < Count() ? &FImages[static_cast<size_t>(index)] : nullptr;
}

}  // namespace qw
