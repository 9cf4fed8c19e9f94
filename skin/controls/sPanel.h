#pragma once
// TsPanel: the skinned panel. It behaves as the plain control until its skin painting lands.
#include "fw/Panel.h"
#include "skin/controls/SkinDataProps.h"

namespace qw {

class TsPanel : public TPanel {
 public:
  const char* ClassName() const override { return "TsPanel"; }
  TsSkinDataProps SkinData;

};

}  // namespace qw
