#pragma once
// The stored skin options every skinned control carries (published as SkinData.*). Until the skin
// engine paints the controls they are kept as read, so the stored description stays complete.
#include <string>

namespace qw {

struct TsSkinDataProps {
  std::string SkinSection;
  bool CustomFont = false;
  bool CustomColor = false;
};

}  // namespace qw
