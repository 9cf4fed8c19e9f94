#pragma once
// TsGroupBox: the skinned group box.
// Its skin data follows the skin; it keeps the plain look until it paints from it.
#include "fw/GroupBox.h"
#include "skin/controls/SkinnedControl.h"

namespace qw {

class TsGroupBox : public TsSkinned<TGroupBox, COC_TsGroupBox> {
 public:
  const char* ClassName() const override { return "TsGroupBox"; }
};

}  // namespace qw
