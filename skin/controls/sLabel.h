#pragma once
// TsLabel: the skinned label. It behaves as the plain control until its skin painting lands.
#include "fw/Label.h"
#include "skin/controls/SkinDataProps.h"

namespace qw {

class TsLabel : public TLabel {
 public:
  const char* ClassName() const override { return "TsLabel"; }
  TsSkinDataProps SkinData;

};

}  // namespace qw
