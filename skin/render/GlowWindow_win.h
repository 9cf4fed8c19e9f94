#pragma once
// Glow windows: the halo around a control under the mouse is a click-through, never activated layered
// window placed around the control just above its top-level window, showing the glow picture with
// per-pixel alpha. Each shown glow has an identifier (its slot in the process's list; -1 none).
#include <windows.h>

#include <string_view>

#include "base/Geometry.h"

namespace qw {

class TsSkinManager;

// Shows the glow of Section around a control at R (screen coordinates) whose visible part is Visible
// (control coordinates), stacked just above OwnerWindow; returns its identifier, or -1 when there is no
// glow to show (no layered windows, no glow mask, nothing visible). Alpha is always 255 and is ignored.
int ShowGlow(const TRect& r, const TRect& visible, std::u16string_view section, TsSkinManager* manager, HWND ownerWindow,
             int alpha, int margin, std::u16string_view propertyName = u"GLOW");
// Removes one glow; the identifier becomes -1. Unknown identifiers are ignored.
void HideGlow(int& glowId);
// Removes every glow.
void HideAllGlows();

// The window of a shown glow (null for an unknown or freed identifier), and the list's length.
HWND GlowWindowOf(int glowId);
int GlowSlotCount();

}  // namespace qw
