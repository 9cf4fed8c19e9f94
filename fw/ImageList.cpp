#include "fw/ImageList.h"

#include <algorithm>

namespace qw {

TImageList::TImageList(int width, int height) : FWidth(std::max(0, width)), FHeight(std::max(0, height)) {}

int TImageList::Add(TBitmap32 image) {
  if (image.Width() != FWidth || image.Height() != FHeight) return -1;
  FImages.push_back(std::move(image));
  return Count() - 1;
}

const TBitmap32* TImageList::Image(int index) const {
  return index >= 0 && index < Count() ? &FImages[static_cast<size_t>(index)] : nullptr;
}

}  // namespace qw
