#pragma once
// TsComboBox: the skinned combo box. It behaves as the plain control until its skin painting lands.
#include "fw/ComboBox.h"
#include "skin/controls/SkinDataProps.h"

namespace qw {

class TsComboBox : public TComboBox {
 public:
  const char* ClassName() const override { return "TsComboBox"; }
  TsSkinDataProps SkinData;

};

}  // namespace qw
