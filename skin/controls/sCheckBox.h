#pragma once
// TsCheckBox: the skinned check box.
// Its skin data follows the skin; it keeps the plain look until it paints from it.
#include "fw/CheckBox.h"
#include "fw/Picture.h"
#include "skin/controls/SkinnedControl.h"

namespace qw {

class TsCheckBox : public TsSkinned<TCheckBox, COC_TsCheckBox> {
 public:
  const char* ClassName() const override { return "TsCheckBox"; }
  // The pictures of the checked and unchecked box (drawn by the skinned box).
  TPicture GlyphChecked;
  TPicture GlyphUnChecked;
};

}  // namespace qw
