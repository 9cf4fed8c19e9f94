#pragma once
// TsSpinEdit: the skinned integer spin edit.
// Its skin data follows the skin; it keeps the plain look until it paints from it.
#include "fw/SpinEdit.h"
#include "skin/controls/SkinnedControl.h"

namespace qw {

class TsSpinEdit : public TsSkinned<TSpinEdit, COC_TsSpinEdit> {
 public:
  const char* ClassName() const override { return "TsSpinEdit"; }
};

}  // namespace qw
