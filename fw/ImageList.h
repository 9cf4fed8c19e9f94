#pragma once
// A list of pictures of one size that controls draw their glyphs from by index.
#include <vector>

#include "base/Component.h"
#include "image/Bitmap32.h"

namespace qw {

class TImageList : public TComponent {
 public:
  // Every picture of the list is Width x Height (0 x 0 allowed: such a list shows nothing).
  TImageList(int width, int height);
  const char* ClassName() const override { return "TImageList"; }

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Count() const { return static_cast<int>(FImages.size()); }
  // Appends a picture of the list's size and returns its index; a picture of another size is refused (-1).
  int Add(TBitmap32 image);
  // The picture at Index, or null outside the list.
  const TBitmap32* Image(int index) const;

 private:
  int FWidth;
  int FHeight;
  std::vector<TBitmap32> FImages;
};

}  // namespace qw
