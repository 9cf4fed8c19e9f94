#pragma once
// A list of pictures of one size that controls draw their glyphs from by index.
#include <vector>

#include "base/Component.h"
#include "image/Bitmap32.h"

namespace qw {

class TClassRegistry;

class TImageList : public TComponent {
 public:
  // Every picture of the list is Width x Height (0 x 0 allowed: such a list shows nothing).
  explicit TImageList(int width = 16, int height = 16);
  const char* ClassName() const override { return "TImageList"; }

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // A new picture size: the pictures of the old one leave the list.
  void SetSize(int width, int height);
  int Count() const { return static_cast<int>(FImages.size()); }
  // Appends a picture of the list's size and returns its index; a picture of another size is refused (-1).
  int Add(TBitmap32 image);
  // Appends the pictures of a strip laid out left to right, each Width x Height (a part left over at the
  // right is no picture); returns how many were added.
  int AddStrip(const TBitmap32& strip);
  // The picture at Index, or null outside the list.
  const TBitmap32* Image(int index) const;

 private:
  int FWidth;
  int FHeight;
  std::vector<TBitmap32> FImages;
};

// Puts TImageList and its stored properties (Width, Height, Bitmap: a strip of its pictures) into the
// description's class registry.
void RegisterImageListClass(TClassRegistry& registry);

}  // namespace qw
