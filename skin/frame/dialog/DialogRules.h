#pragma once
// What a system dialog's skinned frame offers, from the styles the dialog had when the skinning began:
// the window commands of its caption buttons and system menu, and its caption laid out with the active
// skin. The dialog keeps the system's frame sizes; only the numbers of its caption differ from a form's.
#include <cstdint>

#include "skin/frame/CaptionSkin.h"
#include "skin/frame/FormCaption.h"
#include "skin/frame/SysMenuRules.h"

namespace qw {

struct TDialogState {
  uint32_t Style = 0;         // as read when the skinning began (the system-menu bit included)
  uint32_t ExStyle = 0;
  bool ClassNoClose = false;  // the window class forbids closing
  bool Iconic = false, Maximized = false;

  TqxBorderStyle BorderStyle() const { return DialogBorderStyle(Style); }
};

// The dialog's window commands: Close with the system menu, Max, Min and Help by their styles; Restore
// for a framed dialog with a system menu; sizing for every border but dialog, none and tool windows.
TSysMenuRules DialogSysMenuRules(const TDialogState& s);

// The caption buttons: none without the system menu; Close (clickable unless the class forbids closing),
// Max, Min and Help by their styles. Max takes clicks when it maximises or restores, Min when it
// minimises or the dialog is minimised.
TCaptionButtonStates DialogCaptionButtons(const TSysMenuRules& r, const TDialogState& s);

// The skin's images for the dialog's buttons: the big set for single and sizeable borders (Close alone
// without Max and Min), else the small one.
TCaptionImages ChooseDialogCaptionImages(const TConstantSkinData& c, const TDialogState& s);

// Lays out the caption of a dialog with frame G; Icon is the small icon's size (0 x 0: no icon); BW the
// border window's numbers when the dialog has one.
TFormCaption LayoutDialogCaption(const TSkinTables& t, const TFrameGeometry& g, const TDialogState& s, TSize icon,
                                 const TBorderWindowFrame& bw = {});

}  // namespace qw
