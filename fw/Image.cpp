#include "fw/Image.h"

#include "fw/Canvas.h"

namespace qw {

void TImage::Paint(TCanvas& canvas) { Picture.Draw(canvas.Handle(), 0, 0); }

}  // namespace qw
