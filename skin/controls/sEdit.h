#pragma once
// TsEdit: the skinned edit. Its skin data follows the skin; it keeps the plain look until it paints from it.
#include "fw/Edit.h"
#include "skin/controls/SkinnedControl.h"

namespace qw {

class TsEdit : public TsSkinned<TEdit, COC_TsEdit> {
 public:
  const char* ClassName() const override { return "TsEdit"; }
};

}  // namespace qw
