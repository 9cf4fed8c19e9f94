#pragma once
// Which wrapper a child window of a skinned system dialog gets, and with which section, by its class name
// and its style. Buttons and statics are told apart by their type field (the low four bits of a button's
// style, the low five of a static's), never by single bits: an owner-drawn button is no check box, a
// default command link no group box, a simple static no icon.
#include <cstdint>
#include <string>
#include <string_view>

namespace qw {

enum class TDialogChildKind {
  None,        // left with the system's look
  Edge,        // a picture static with a sunken edge: the system draws it, the skin frames it
  Icon,        // an icon, bitmap or metafile static
  Static,      // a text or frame static
  TransPanel,  // a dialog inside the dialog: shows the dialog's background
  Panel,       // a framework panel
  SilentPanel, // a framework panel that paints nothing of its own
  Edit,
  GroupBox,
  CheckBox,    // check boxes and radio buttons
  Button,      // push buttons, split buttons and command links
  ComboBox,
  ComboList,
  Sizer,       // a size-grip scroll bar
  TabControl,
  ListView,
  UpDown,
  TrackBar,
  ListBox,     // an edit-like frame; the dialog then lets its own painting run
  Link,
  ToolBar,
  TreeView,
};

struct TDialogChild {
  TDialogChildKind Kind = TDialogChildKind::None;
  std::u16string_view Section;
  friend bool operator==(const TDialogChild&, const TDialogChild&) = default;
};

// The wrapper for a child window: ClassName in lower case, its style and extended style, and whether it
// is visible (edits are wrapped only then).
TDialogChild ClassifyDialogChild(std::u16string_view lowerClassName, uint32_t style, uint32_t exStyle, bool visible);

// Lower-cases the ASCII letters of a window class name (the system compares class names that way).
std::u16string LowerClassName(std::u16string_view name);

}  // namespace qw
