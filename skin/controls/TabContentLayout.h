#pragma once
// Where the parts of one tab go inside its bitmap: the image, the caption, the close button, the menu
// arrow and the focus frame. Captions run along a horizontal strip; on a vertical strip (or a horizontal
// one with rotated captions) they run upward and the parts stack from the top of the tab.
#include <optional>

#include "base/Geometry.h"
#include "skin/controls/PageControlLayout.h"

namespace qw {

// The direction a menu tab's arrow points.
enum TTabArrowDirection : int { tadDown, tadRight };

struct TTabContentInput {
  TRect Tab;                           // the tab's rectangle in its own bitmap
  TTabPosition Position = tpTop;
  TTabStyle Style = tsTabs;
  TqxTabType Type = ttTab;
  bool Selected = false;               // the tab is the active page's (or a pressed button)
  bool Rotated = false;                // the caption runs upward
  int CaptionWidth = 0;                // the caption's extent along its line
  int CaptionHeight = 0;               // and across it
  std::optional<TSize2> Image;         // the tab's image, when it has one
  bool CloseButton = false;            // this tab shows a close button
  bool CloseButtonsOn = false;         // the control shows close buttons on its page tabs
  TSize2 CloseButtonSize;
  int StripHeight = 0;                 // height of the tab strip (room for an arrow below the caption)
  bool FocusWanted = false;            // the selected page tab shows a focus frame
};

struct TTabContent {
  TRect Image;                         // empty without an image
  TRect Text;
  TRect CloseButton;                   // empty without a close button
  TRect MenuArrow;                     // 9 x 9, empty unless a menu tab
  TTabArrowDirection ArrowDirection = tadDown;
  TRect Focus;                         // empty when no focus frame is drawn
  TPoint RotatedOrigin;                // where an upward caption starts (its baseline's first point)
  bool ArrowBelowText = false;
};

// The menu arrow's side.
inline constexpr int kTabArrowSize = 9;

TTabContent TabContentLayout(const TTabContentInput& in);

}  // namespace qw
