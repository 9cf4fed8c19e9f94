#pragma once
// What a caption takes from the active skin: the placement numbers of its global section, which images
// the caption buttons show and how large one state image of each is.
#include <cstdint>

#include "base/Geometry.h"
#include "skin/data/SkinLoader.h"
#include "skin/frame/CaptionLayout.h"

namespace qw {

// The mask indexes the system buttons show (-1: none) and whether each follows the skin's alignment.
struct TCaptionImages {
  int32_t Index[cbSystemCount] = {-1, -1, -1, -1};
  bool Aligned[cbSystemCount] = {};
};

// The placement numbers of the skin's global section.
TCaptionSkinParams CaptionSkinParams(const TsSkinData& d);

// The images of a caption's system buttons: the big ones (Close alone when the window shows neither
// Max nor Min and the skin has that image), or the small ones (Help falling back to the big Help); the
// big set, all aligned, when the small Close is missing too.
TCaptionImages ChooseCaptionImages(const TConstantSkinData& c, bool bigButtons, bool closeAlone);

// The images as the window's state shows them: a maximised window's Max button, and Min of a window
// minimised to an icon of its own (MinShowsRestore), show the restore image.
TCaptionImages ShownCaptionImages(TCaptionImages images, const TConstantSkinData& c, bool maximized,
                                  bool minShowsRestore);

// One state image of a caption button's mask: its width by the image count, its height by the rows;
// 21 x 21 when the skin has no such image, so a missing image still takes its room.
TSize CaptionImageSize(const TSkinTables& t, int32_t maskIndex);

// Fills the layout input's system buttons from the states and the images' sizes.
void SetSystemButtons(TCaptionInput& in, const TSkinTables& t, const TCaptionImages& images,
                      const TCaptionButtonStates& states);

}  // namespace qw
