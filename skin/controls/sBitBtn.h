#pragma once
// TsBitBtn: the skinned bit button.
// Its skin data follows the skin; it keeps the plain look until it paints from it.
#include "fw/Button.h"
#include "skin/controls/SkinnedControl.h"

namespace qw {

class TsBitBtn : public TsSkinned<TBitBtn, COC_TsBitBtn> {
 public:
  const char* ClassName() const override { return "TsBitBtn"; }
};

}  // namespace qw
