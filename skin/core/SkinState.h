#pragma once
// The window-free rules of a control's skin state: section names, the skin-state flags and the plain
// background test, the background type of a section, and the colours a control answers for its
// background. The common skin data feeds them from its control and its parent; tests feed them values.
#include <cstdint>
#include <string>
#include <string_view>

#include "image/ColorToRgb.h"

namespace qw {

class TsSkinManager;
struct TsGeneralData;

// CtrlSkinState flags.
enum : uint16_t {
  cssPlainBackground = 0x0001,  // the background is a plain colour (or transparent over a plain parent)
  cssUndefined = 0x0002,        // not evaluated since the indexes changed
  cssPrinting = 0x0200,         // being printed into PrintDC
  cssLocked = 0x0800,           // between BeginUpdate and EndUpdate
};

// Section names are stored in upper case; an empty name becomes "UNKNOWN".
std::u16string NormalizeSectionName(std::u16string_view name);

// The state record of a section a control state reads: 1 (hot) for any state above 0 when the section
// has more than one state, else 0 (normal).
int SectionPropsIndex(const TsGeneralData& section, int state);

// The background type of a section in its normal state: 4 when it has a texture share (ImagePercent > 0),
// plus the first gradient band's layout (vertical 2, horizontal 1, mesh 3) when it has a gradient.
uint16_t SectionBackgroundType(const TsGeneralData& section);

// Outcome of the plain-background test.
enum class TPlainAnswer { Yes, No, Unknown };

// What the plain-background test looks at.
struct TPlainBackgroundInput {
  bool HasSection = false;               // a manager and a valid section index
  int BorderDrawMode = 0;                // of the section's border mask (0 without one)
  int BorderWL = 0, BorderWT = 0, BorderWR = 0, BorderWB = 0;
  int Transparency = 0;                  // normal state
  int ImagePercent = 0, GradientPercent = 0;
  bool TextureIsMaskedFill = false;      // the normal texture's fill mode is 10 (shows the parent)
  bool HasCornerImages = false;
  bool FrameDrawsOwnBackground = false;  // the form frame paints the background itself
  bool HasParent = false;
  bool ParentHasWindow = false;
  uint16_t ParentSkinState = cssUndefined;  // the parent's answer to skcGetSkinState
};
// Yes: the control's background is one colour. A fully transparent section takes its parent's answer
// (unknown when the parent has not evaluated its own flags yet, or has no window to ask).
TPlainAnswer PlainBackgroundTest(const TPlainBackgroundInput& in);

// The colour a translucent control shows over its parent: the parent takes Transparency percent.
// Transparency 0 gives the control's colour, 100 (or more) the parent's; system colours are resolved first.
TColor TranslucentColor(TColor parentColor, TColor color, int transparency);

}  // namespace qw
