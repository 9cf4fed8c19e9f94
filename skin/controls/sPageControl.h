#pragma once
// TsPageControl and TsTabSheet: the skinned pages. They behave as the plain ones until their skin
// painting lands.
#include "fw/PageControl.h"
#include "skin/controls/SkinDataProps.h"

namespace qw {

class TsPageControl : public TPageControl {
 public:
  const char* ClassName() const override { return "TsPageControl"; }
  TsSkinDataProps SkinData;
};

class TsTabSheet : public TTabSheet {
 public:
  const char* ClassName() const override { return "TsTabSheet"; }
};

}  // namespace qw
