#include "skin/core/SkinState.h"

#include <algorithm>

#include "skin/data/SkinTables.h"

namespace qw {

std::u16string NormalizeSectionName(std::u16string_view name) {
  if (name.empty()) return u"UNKNOWN";
  std::u16string upper(name);
  // Section names are ASCII; other characters are kept as they are.
  for (char16_t& c : upper)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  return upper;
}

int SectionPropsIndex(const TsGeneralData& section, int state) { return state > 0 && section.States > 1 ? 1 : 0; }

uint16_t SectionBackgroundType(const TsGeneralData& section) {
  const TsGenState& normal = section.Props[0];
  uint16_t type = normal.ImagePercent > 0 ? 4 : 0;
  if (normal.GradientPercent > 0 && !normal.GradientArray.empty()) {
    switch (normal.GradientArray.front().Mode1) {
      case 0: type |= 2; break;
      case 1: type |= 1; break;
      case 2: type |= 3; break;
      default: break;
    }
  }
  return type;
}

TPlainAnswer PlainBackgroundTest(const TPlainBackgroundInput& in) {
  if (!in.HasSection) return TPlainAnswer::Yes;
  // Wide or centre-filled borders paint over the background: it is not one colour.
  if ((in.BorderDrawMode & 4) || in.BorderWL + in.BorderWR > 30 || in.BorderWT + in.BorderWB > 30)
    return TPlainAnswer::No;
  if (in.Transparency == 100) {
    if (in.TextureIsMaskedFill) return TPlainAnswer::No;
    if (!in.HasParent) return TPlainAnswer::No;
    if (!in.ParentHasWindow) return TPlainAnswer::Unknown;
    if (in.ParentSkinState == cssUndefined) return TPlainAnswer::Unknown;
    return (in.ParentSkinState & cssPlainBackground) ? TPlainAnswer::Yes : TPlainAnswer::No;
  }
  if (in.Transparency != 0) return TPlainAnswer::No;
  if (in.ImagePercent != 0 || in.GradientPercent != 0 || in.FrameDrawsOwnBackground || in.HasCornerImages)
    return TPlainAnswer::No;
  return TPlainAnswer::Yes;
}

TColor TranslucentColor(TColor parentColor, TColor color, int transparency) {
  const int t = std::clamp(transparency, 0, 100);
  const TColor own = ColorToRGB(color);
  if (t == 0) return own;
  const TColor parent = ColorToRGB(parentColor);
  if (t == 100) return parent;
  return MixColors(parent, own, t / 100.0);
}

}  // namespace qw
