#include "skin/frame/CaptionSkin.h"

#include "skin/render/TextureFill.h"

namespace qw {

namespace {

// The room of a caption button whose image the skin lacks.
constexpr int32_t kMissingButtonSize = 21;

TCaptionImages BigImages(const TConstantSkinData& c, int32_t close, bool helpAligned) {
  TCaptionImages im;
  im.Index[cbClose] = close;
  im.Index[cbMax] = c.MaskMaxBtn;
  im.Index[cbMin] = c.MaskMinBtn;
  im.Index[cbHelp] = c.MaskHelpBtn;
  im.Aligned[cbClose] = im.Aligned[cbMax] = im.Aligned[cbMin] = true;
  im.Aligned[cbHelp] = helpAligned;
  return im;
}

}  // namespace

TCaptionSkinParams CaptionSkinParams(const TsSkinData& d) {
  return TCaptionSkinParams{d.BISpacing, d.BIRightMargin, d.BILeftMargin, d.BIVAlign};
}

TCaptionImages ChooseCaptionImages(const TConstantSkinData& c, bool bigButtons, bool closeAlone) {
  const bool alone = closeAlone && c.MaskCloseAloneBtn >= 0;
  if (bigButtons) return BigImages(c, alone ? c.MaskCloseAloneBtn : c.MaskCloseBtn, false);
  if (c.MaskCloseSmall < 0) return BigImages(c, c.MaskCloseBtn, true);
  TCaptionImages im;
  im.Index[cbClose] = c.MaskCloseSmall;
  im.Index[cbMax] = c.MaskMaxSmall;
  im.Index[cbMin] = c.MaskMinSmall;
  im.Index[cbHelp] = c.MaskHelpSmall >= 0 ? c.MaskHelpSmall : c.MaskHelpBtn;
  return im;
}

TCaptionImages ShownCaptionImages(TCaptionImages images, const TConstantSkinData& c, bool maximized,
                                  bool minShowsRestore) {
  if (maximized) images.Index[cbMax] = c.MaskNormBtn;
  if (minShowsRestore) images.Index[cbMin] = c.MaskNormBtn;
  return images;
}

TSize CaptionImageSize(const TSkinTables& t, int32_t maskIndex) {
  if (!t.IsValidImgIndex(maskIndex)) return TSize{kMissingButtonSize, kMissingButtonSize};
  const TsMaskData& m = t.ma[static_cast<size_t>(maskIndex)];
  return TSize{MaskImageWidth(m), MaskImageHeight(m)};
}

void SetSystemButtons(TCaptionInput& in, const TSkinTables& t, const TCaptionImages& images,
                      const TCaptionButtonStates& states) {
  for (int i = 0; i < cbSystemCount; ++i) {
    TCaptionButtonSpec& b = in.System[i];
    b.Shown = states.Shown[i];
    b.Clickable = states.Clickable[i];
    b.Aligned = images.Aligned[i];
    b.Image = CaptionImageSize(t, images.Index[i]);
  }
}

}  // namespace qw
