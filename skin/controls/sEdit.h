#pragma once
// TsEdit: the skinned edit. It behaves as the plain control until its skin painting lands.
#include "fw/Edit.h"
#include "skin/controls/SkinDataProps.h"

namespace qw {

class TsEdit : public TEdit {
 public:
  const char* ClassName() const override { return "TsEdit"; }
  TsSkinDataProps SkinData;

};

}  // namespace qw
