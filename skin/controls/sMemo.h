#pragma once
// TsMemo: the skinned memo. Its skin data follows the skin; it keeps the plain look until it paints from it.
#include "fw/Memo.h"
#include "skin/controls/SkinnedControl.h"

namespace qw {

class TsMemo : public TsSkinned<TMemo, COC_TsMemo> {
 public:
  const char* ClassName() const override { return "TsMemo"; }
};

}  // namespace qw
