#pragma once
// TsLabel: the skinned label. Its skin data follows the skin; it keeps the plain look until it paints from it.
#include "fw/Label.h"
#include "skin/controls/SkinnedControl.h"

namespace qw {

class TsLabel : public TsSkinned<TLabel, COC_TsCustom> {
 public:
  const char* ClassName() const override { return "TsLabel"; }
};

}  // namespace qw
