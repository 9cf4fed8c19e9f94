#include "skin/controls/WrappedButtonLayout.h"

#include <algorithm>

namespace qw {

namespace {

// Between an image and the edge (or margin) it sits at, and between it and the caption.
constexpr int32_t kImageGap = 3;

TRect Moved(TRect r, bool pressed) { return pressed ? TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1} : r; }

// The caption at (x, y), widened as every wrapped button's caption is.
TRect CaptionAt(int32_t x, int32_t y, TItemSize text) { return TRect{x - 1, y, x + text.Width + 2, y + text.Height}; }

}  // namespace

int32_t WrappedMaxCaptionWidth(bool hasCaption, int32_t width, int32_t glyphWidth) {
  if (!hasCaption) return 0;
  if (glyphWidth == 0) return width + 1;
  return std::max(0, width - glyphWidth);
}

TRect WrappedCaptionRect(int32_t width, int32_t height, TItemSize text, bool down) {
  const int32_t dx = (width - text.Width) / 2, dy = (height - text.Height) / 2;
  return Moved(TRect{dx - 1, dy, width - dx + 2, height - dy}, down);
}

int32_t ButtonImageIndex(const TButtonImageIndexes& indexes, int32_t count, const TButtonImageState& state) {
  const auto inList = [count](int32_t i) { return i >= 0 && i < count; };
  if (!inList(indexes.Normal)) return -1;
  int32_t special = -1;
  if (!state.Enabled) special = indexes.Disabled;
  else if (state.Pressed) special = indexes.Pressed;
  else if (state.Focused) special = indexes.Selected;
  else if (state.Hot) special = indexes.Hot;
  return inList(special) ? special : indexes.Normal;
}

TButtonImageLayout LayoutButtonImage(int32_t width, int32_t height, TItemSize image, TItemSize text,
                                     TImageAlignment alignment, const TImageMargins& margins, bool pressed) {
  const int32_t iw = image.Width, ih = image.Height;
  const bool hasImage = iw > 0 && ih > 0;
  const int32_t centreX = (width - text.Width) / 2, centreY = (height - text.Height) / 2;
  TButtonImageLayout out;
  if (!hasImage) {
    out.Caption = Moved(CaptionAt(centreX, centreY, text), pressed);
    return out;
  }
  int32_t ix = (width - iw) / 2, iy = (height - ih) / 2;
  int32_t tx = centreX, ty = centreY;
  switch (alignment) {
    case iaLeft: {
      ix = margins.Left + kImageGap;
      const int32_t used = margins.Left + iw + kImageGap;
      tx = used + (width - used - text.Width) / 2;
      break;
    }
    case iaRight: {
      ix = width - margins.Right - kImageGap - iw;
      tx = (width - (margins.Right + iw + kImageGap) - text.Width) / 2;
      break;
    }
    case iaTop: {
      iy = margins.Top + kImageGap;
      const int32_t used = margins.Top + ih + kImageGap;
      ty = used + (height - used - text.Height) / 2;
      break;
    }
    case iaBottom: {
      iy = height - margins.Bottom - kImageGap - ih;
      ty = (height - (margins.Bottom + ih + kImageGap) - text.Height) / 2;
      break;
    }
    case iaCenter:
      break;
  }
  out.Image = Moved(TRect{ix, iy, ix + iw, iy + ih}, pressed);
  out.Caption = Moved(CaptionAt(tx, ty, text), pressed);
  return out;
}

}  // namespace qw
