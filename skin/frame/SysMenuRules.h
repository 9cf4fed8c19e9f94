#pragma once
// Which of the window commands a skinned form offers, and in which state: the items of its skinned
// system menu and the caption buttons follow the same rules. Everything the frame shows because the
// form has a system menu asks whether the form had one when the frame took it over (the frame removes
// the style while it paints), never the window's current style.
#include "skin/frame/CaptionLayout.h"
#include "skin/frame/FrameLayout.h"

namespace qw {

// The form's border icons (the framework's set).
inline constexpr unsigned kBiSystemMenu = 1, kBiMinimize = 2, kBiMaximize = 4, kBiHelp = 8;

struct TFormState {
  TqxBorderStyle BorderStyle = qxbsSizeable;
  unsigned BorderIcons = 0;
  bool HaveSysMenu = false;       // the form had the system-menu style when the frame took it over
  bool SysMenuHasClose = false;   // its system menu holds the Close command
  bool Iconic = false, Maximized = false;
  bool MdiChild = false;
  bool MainForm = false;          // the application's main form
  bool MainFormOnTaskBar = false; // the main form has the taskbar button
};

struct TSysMenuRules {
  bool VisibleClose = false, VisibleMax = false, VisibleMin = false, VisibleRestore = false, VisibleSize = false,
       VisibleHelp = false;
  bool EnabledMax = false, EnabledMin = false, EnabledRestore = false, EnabledMove = false, EnabledSize = false;
};

// The system menu's predicates for a form.
TSysMenuRules FormSysMenuRules(const TFormState& s);

// The caption buttons a form shows: Close whenever it has a system menu, Max, Min and Help when
// visible. Max takes clicks when it maximises or (not minimised) restores; Min when it minimises or
// the form is minimised (it then restores); Close only when the system menu can close the form, so a
// greyed Close button never closes it.
TCaptionButtonStates FormCaptionButtons(const TSysMenuRules& r, const TFormState& s);

}  // namespace qw
