#pragma once
// What lies under a point of a skinned window's frame: a caption button, the system-menu icon, a sizing
// border, the caption, the grip or the client area. The form's frame and a system dialog's wrapper ask
// the same question with their own rules (TFrameHitRules).
#include <cstdint>

#include "base/Geometry.h"
#include "skin/frame/CaptionLayout.h"
#include "skin/frame/FrameHitCodes.h"
#include "skin/frame/FrameLayout.h"

namespace qw {

struct TFrameHitRules {
  TSize Window;
  TRect ButtonBand;            // caption buttons answer only inside it
  TRect CaptionBand;           // the caption: HTSYSMENU inside SysMenu, else HTCAPTION
  TRect SysMenu;
  int32_t SizingBorder = 0;    // > 0: the sizing border, this wide along every edge
  TRect MenuBand;              // the main-menu line: HTMENU
  TRect Grip;                  // the size grip: HTBOTTOMRIGHT
  TRect ErrorOutside;          // not empty: what lies outside it (below the caption) answers HTERROR
  int32_t OtherCode = kHtClient;  // everything else
};

// A hit code, and whether the frame answers it itself (buttons, system menu, grip, error) or leaves it
// to the system's standard hit test of the unchanged frame (caption, borders, client).
struct TFrameHit {
  int32_t Code = kHtNowhere;
  bool Own = false;
  friend bool operator==(const TFrameHit&, const TFrameHit&) = default;
};

// A form's rules: buttons anywhere (none with a border window, which tests its own), sizing borders for
// a thick frame that is not maximised, the caption band above the client, the icon as system menu, the
// grip (an empty rectangle for none), the client area for the rest.
TFrameHitRules FormHitRules(const TFrameGeometry& g, const TFrameWindow& w, const TCaptionLayout& c, TRect grip);

// A dialog's rules: only the rows of the Close button (CloseHeight high, centred in the header) are its
// caption, with the small icon's columns right of the border as system menu whether an icon is shown or
// not; nothing else, but HTERROR within 2 pixels of a maximised dialog's left and top edges and 4 of its
// right and bottom ones.
TFrameHitRules DialogHitRules(const TFrameGeometry& g, const TFrameWindow& w, const TFrameMetrics& m,
                              int32_t closeHeight);

// The hit code at a point in window coordinates. Buttons come first, in the order Close, Max, Min,
// Help, user buttons; one that takes no clicks answers as the caption (a user button: the client).
TFrameHit HitTestFrame(const TCaptionLayout& c, const TFrameHitRules& r, TPoint pt);

}  // namespace qw
