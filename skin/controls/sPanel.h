#pragma once
// TsPanel: the skinned panel. Its skin data follows the skin; it keeps the plain look until it paints from it.
#include "fw/Panel.h"
#include "skin/controls/SkinnedControl.h"

namespace qw {

class TsPanel : public TsSkinned<TPanel, COC_TsPanel> {
 public:
  const char* ClassName() const override { return "TsPanel"; }
};

}  // namespace qw
