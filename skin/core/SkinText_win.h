#pragma once
// Captions of skinned controls: the skin's text colours of the control's section (or, for transparent
// check boxes, group boxes and labels, of the parent section that lends its font colours), with the
// glow drawn into the control's cache, the dimmed disabled colour, and the engraved look without a skin.
#include <cstdint>
#include <string_view>

#include "base/Geometry.h"

namespace qw {

class TCanvas;
class TControl;
class TsCommonData;
class TsSkinManager;

// The section whose text colours a control's caption takes in the given state; -1 when the control is
// not skinned. Transparent check boxes, group boxes and windowless controls using their parent's font
// look up their parents: sections more than half transparent pass the search on, the first other one
// lends its colours when it says so (GiveOwnFont); an unskinned parent ends the search.
int CaptionColorSection(const TsCommonData& data, bool hot);
// The section that lends its font colours to a transparent text on From (the text's parent): the search
// goes up past sections more than half transparent and ends at the first other one, which lends when it
// says so (GiveOwnFont). -1 when none lends or a parent on the way is not skinned.
int LentFontSection(const TsSkinManager& manager, TControl* from);

// Writes a control's caption onto the canvas at R (clipped to R) with its skin's colours.
void WriteSkinText(TCanvas& canvas, std::u16string_view text, bool enabled, bool hot, TsCommonData& data,
                   uint32_t flags, const TRect& r);

}  // namespace qw
