#pragma once
// The picture of a wrapped window: its section painted over the whole window on the background of its
// parent, from which the wrapper copies the frame ring (and, for some windows, the background).
#include <windows.h>

#include "image/CacheInfo.h"

namespace qw {

class TsCommonData;

// Rebuilds the cache of SkinData for Wnd when its picture is stale: sized to the window, the parent's
// background behind it, the section item (hot while the window has the focus or the mouse, when the
// section or its border has a hot look), and the disabled look for a disabled window, blended as the
// parent answers skcGetDisabledBlend. PlainFrame (windows of skinned dialogs): the system window colour
// framed in the skin's border colour. False when the parent's background is not ready: the wrapper waits
// (FUpdating set) and nothing is painted. Height (when not negative) is the picture's height instead of the
// window's: the top part of a window that shows a child window below it.
bool PrepareWrapperCache(TsCommonData& skinData, HWND wnd, bool plainFrame, int height = -1);

// Readies SkinData's cache for a new picture of Wnd, whose place in its parent MeasureWindow found (Size,
// Pos): sized to it, with what lies behind it in Ci (the parent's answer, else the skin's global colour
// for a window without parent). False, with nothing to paint: the parent is being rebuilt (the wrapper
// waits, FUpdating set), or the window has no area.
bool BeginWrapperPicture(TsCommonData& skinData, HWND wnd, SIZE size, TCacheInfo& ci);

// The section (or its border) has a hot look of its own.
bool WrapperHasHotLook(const TsCommonData& skinData);

// The hot look applies: the window has the focus or the mouse and the section has more than one look.
bool WrapperIsHot(const TsCommonData& skinData, HWND wnd);

}  // namespace qw
