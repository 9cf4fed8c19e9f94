#pragma once
// TsPageControl and TsTabSheet: the skinned pages. Their skin data follow the skin; they keep the plain
// look until they paint from it.
#include "fw/PageControl.h"
#include "skin/controls/SkinnedControl.h"

namespace qw {

class TsPageControl : public TsSkinned<TPageControl, COC_TsPageControl> {
 public:
  const char* ClassName() const override { return "TsPageControl"; }
};

class TsTabSheet : public TsSkinned<TTabSheet, COC_TsTabSheet> {
 public:
  const char* ClassName() const override { return "TsTabSheet"; }
};

}  // namespace qw
