#pragma once
// TsSpinEdit: the skinned integer spin edit. It behaves as the plain control until its skin painting lands.
#include "fw/SpinEdit.h"
#include "skin/controls/SkinDataProps.h"

namespace qw {

class TsSpinEdit : public TSpinEdit {
 public:
  const char* ClassName() const override { return "TsSpinEdit"; }
  TsSkinDataProps SkinData;

};

}  // namespace qw
