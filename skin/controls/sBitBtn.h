#pragma once
// TsBitBtn: the skinned bit button. It behaves as the plain control until its skin painting lands.
#include "fw/Button.h"
#include "skin/controls/SkinDataProps.h"

namespace qw {

class TsBitBtn : public TBitBtn {
 public:
  const char* ClassName() const override { return "TsBitBtn"; }
  TsSkinDataProps SkinData;

};

}  // namespace qw
