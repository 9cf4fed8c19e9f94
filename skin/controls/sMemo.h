#pragma once
// TsMemo: the skinned memo. It behaves as the plain control until its skin painting lands.
#include "fw/Memo.h"
#include "skin/controls/SkinDataProps.h"

namespace qw {

class TsMemo : public TMemo {
 public:
  const char* ClassName() const override { return "TsMemo"; }
  TsSkinDataProps SkinData;

};

}  // namespace qw
