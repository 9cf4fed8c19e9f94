#include "skin/controls/StdChildStyles.h"

namespace qw {

namespace {
// The type numbers of the system's header, kept here so this file needs no window headers.
constexpr uint32_t kBsButtonTypeMask = 0xF;
constexpr uint32_t kBsPushButton = 0x0, kBsDefPushButton = 0x1, kBsCheckBox = 0x2, kBsAutoCheckBox = 0x3, kBsRadioButton = 0x4,
                   kBs3State = 0x5, kBsAuto3State = 0x6, kBsGroupBox = 0x7, kBsUserButton = 0x8, kBsAutoRadioButton = 0x9,
                   kBsPushBox = 0xA, kBsOwnerDraw = 0xB, kBsSplitButton = 0xC, kBsDefSplitButton = 0xD, kBsCommandLink = 0xE,
                   kBsDefCommandLink = 0xF;

constexpr uint32_t kSsStaticTypeMask = 0x1F;
constexpr uint32_t kSsLeft = 0x0, kSsCenter = 0x1, kSsRight = 0x2, kSsIcon = 0x3, kSsBlackRect = 0x4, kSsGrayRect = 0x5,
                   kSsWhiteRect = 0x6, kSsBlackFrame = 0x7, kSsGrayFrame = 0x8, kSsWhiteFrame = 0x9, kSsUserItem = 0xA,
                   kSsSimple = 0xB, kSsLeftNoWordWrap = 0xC, kSsStaticOwnerDraw = 0xD, kSsBitmap = 0xE, kSsEnhMetaFile = 0xF,
                   kSsEtchedHorz = 0x10, kSsEtchedVert = 0x11, kSsEtchedFrame = 0x12;

}  // namespace

TStdButtonKind StdButtonKind(uint32_t style) {
  switch (style & kBsButtonTypeMask) {
    case kBsPushButton:
    case kBsDefPushButton:
    case kBsPushBox:
    case kBsSplitButton:
    case kBsDefSplitButton:
    case kBsCommandLink:
    case kBsDefCommandLink:
      return sbkPush;
    case kBsCheckBox:
    case kBsAutoCheckBox:
    case kBsRadioButton:
    case kBs3State:
    case kBsAuto3State:
    case kBsAutoRadioButton:
      return sbkCheckBox;
    case kBsGroupBox:
      return sbkGroupBox;
    case kBsUserButton:  // its parent paints it
    case kBsOwnerDraw:   // its owner paints it
    default:
      return sbkNone;
  }
}

bool IsDefaultButtonStyle(uint32_t style) {
  const uint32_t type = style & kBsButtonTypeMask;
  return type == kBsDefPushButton || type == kBsDefSplitButton || type == kBsDefCommandLink;
}

TStdStaticKind StdStaticKind(uint32_t style) {
  switch (style & kSsStaticTypeMask) {
    case kSsLeft:
    case kSsCenter:
    case kSsRight:
    case kSsSimple:
    case kSsLeftNoWordWrap:
    case kSsBlackRect:
    case kSsBlackFrame:
    case kSsGrayFrame:
    case kSsWhiteFrame:
    case kSsEtchedHorz:
    case kSsEtchedVert:
    case kSsEtchedFrame:
      return sskText;
    case kSsIcon:
    case kSsBitmap:
      return sskPicture;
    case kSsGrayRect:
    case kSsWhiteRect:
    case kSsUserItem:
    case kSsStaticOwnerDraw:
    case kSsEnhMetaFile:  // no bitmap to take: the wrapper would show nothing where the picture is
    default:
      return sskNone;
  }
}

}  // namespace qw
