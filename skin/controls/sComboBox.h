#pragma once
// TsComboBox: the skinned combo box.
// Its skin data follows the skin; it keeps the plain look until it paints from it.
#include "fw/ComboBox.h"
#include "skin/controls/SkinnedControl.h"

namespace qw {

class TsComboBox : public TsSkinned<TComboBox, COC_TsComboBox> {
 public:
  const char* ClassName() const override { return "TsComboBox"; }
};

}  // namespace qw
