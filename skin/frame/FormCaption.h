#pragma once
// A form's caption laid out with the active skin: the images its buttons show in the form's state, the
// buttons its border style and icons give it, its icon, and where all of it goes.
#include <vector>

#include "skin/frame/CaptionSkin.h"
#include "skin/frame/SysMenuRules.h"

namespace qw {

struct TFormCaptionInput {
  TFormState State;
  TCaptionImages Images;   // the skin's images for the form (ChooseCaptionImages when the skin came)
  bool IconShown = false;
  TSize TitleIcon;         // the title icon's own size; 0 fits the caption
  std::vector<TCaptionButtonSpec> User;  // the user title buttons (Image: the skin's title-button image)
};

struct TFormCaption {
  TCaptionImages Images;   // what each system button shows now
  TCaptionLayout Layout;
};

// The skin's images for a form's buttons: big ones for single and sizeable borders, Close alone when it
// shows neither Max nor Min.
TCaptionImages ChooseFormCaptionImages(const TConstantSkinData& c, const TFormState& s);

// Lays out the caption of a form with frame G.
TFormCaption LayoutFormCaption(const TSkinTables& t, const TFrameGeometry& g, const TFrameWindow& w,
                               const TFormCaptionInput& in);

}  // namespace qw
