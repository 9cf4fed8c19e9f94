#pragma once
// TsCheckBox: the skinned check box. It behaves as the plain control until its skin painting lands.
#include "fw/CheckBox.h"
#include "fw/Picture.h"
#include "skin/controls/SkinDataProps.h"

namespace qw {

class TsCheckBox : public TCheckBox {
 public:
  const char* ClassName() const override { return "TsCheckBox"; }
  TsSkinDataProps SkinData;
  // The pictures of the checked and unchecked box (drawn by the skinned box).
  TPicture GlyphChecked;
  TPicture GlyphUnChecked;
};

}  // namespace qw
