#pragma once
// TsGroupBox: the skinned group box. It behaves as the plain control until its skin painting lands.
#include "fw/GroupBox.h"
#include "skin/controls/SkinDataProps.h"

namespace qw {

class TsGroupBox : public TGroupBox {
 public:
  const char* ClassName() const override { return "TsGroupBox"; }
  TsSkinDataProps SkinData;

};

}  // namespace qw
