#pragma once
// The border window of a form with extended borders: a layered window behind the form that draws the
// skin's wider frame and a soft shadow around it, while the form itself shows only its client area.
// Its geometry (how large it is, where the frame, the client hole and the form's own window lie in it),
// the shadow's widths and what a point on it means, all in the border window's coordinates.
#include <cstdint>

#include "base/Geometry.h"
#include "skin/frame/CaptionLayout.h"
#include "skin/frame/FrameHitTest.h"
#include "skin/frame/FrameLayout.h"

namespace qw {

// The answer for points the border window lets through to the window below (the shadow).
inline constexpr int32_t kHtTransparent = -1;
// The built-in shadow pictures' width on every side.
inline constexpr int32_t kBuiltInShadowSize = 9;

struct TBorderFormLayout {
  TSize Picture;      // the border window: the shadow around the frame
  TRect Frame;        // the skin's frame inside it
  TRect Client;       // the form's client area inside it: cut out, so the form shows through
  TPoint FormOrigin;  // where the form's own window lies inside it
  TRect FormClient;   // the form's client area in the form's window coordinates: all it still shows
  friend bool operator==(const TBorderFormLayout&, const TBorderFormLayout&) = default;
};

// The border window of a form whose frame G was measured with W's border window present. The frame is
// the client area with the skin's border on the sides and below and its caption above; the picture adds
// the shadow on every side.
TBorderFormLayout LayoutBorderForm(const TFrameGeometry& g, const TFrameWindow& w);

// The shadow's widths (left, top, right, bottom): none without extended borders; the built-in pictures'
// 9 without the skin's own border picture; with one, the picture's border widths less the part the frame
// covers (ContentOffset), or ContentOffset itself for a skin that draws its border another way.
TRect FormShadowSize(bool extendedBorders, bool skinBorderPicture, const TRect& pictureBorders, int32_t contentOffset,
                     int32_t drawMode);

// What lies under a point of the border window: kHtTransparent over the shadow (beyond ShadowOffset
// pixels of it; a maximised form has none), the caption buttons, the sizing borders of a thick frame,
// the caption with the icon as system menu, the client area, and HTNOWHERE on a fixed border.
TFrameHit HitTestBorderForm(const TBorderFormLayout& l, const TFrameGeometry& g, const TFrameWindow& w,
                            const TCaptionLayout& c, int32_t shadowOffset, TPoint pt);

// The form's window rectangle (screen coordinates) once its frame in the border window spans the work
// area from side to side (Horizontal) or from top to bottom; the other two sides stay where Window has
// them. The shadow may lie beyond the work area: the frame is what fills it.
TRect StretchFrameToWorkArea(const TBorderFormLayout& l, const TRect& window, const TRect& workArea, bool horizontal);

}  // namespace qw
