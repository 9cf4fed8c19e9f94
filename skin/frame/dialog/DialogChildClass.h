#pragma once
// Which wrapper a child window of a skinned system dialog gets, and with which section, by its class name
// and its style. Standard buttons and statics are the standard child wrappers' to tell apart (by the type
// field of their style); everything else is decided here.
#include <cstdint>
#include <string>
#include <string_view>

namespace qw {

enum class TDialogChildKind {
  None,        // left with the system's look
  StdChild,    // a standard button or static: the standard child wrappers choose
  TransPanel,  // a dialog inside the dialog: shows the dialog's background
  Panel,       // a framework panel
  SilentPanel, // a framework panel that paints nothing of its own
  Edit,
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

// The wrapper for a child window: ClassName in lower case, its style, and whether it is visible (edits
// are wrapped only then).
TDialogChild ClassifyDialogChild(std::u16string_view lowerClassName, uint32_t style, bool visible);

// Lower-cases the ASCII letters of a window class name (the system compares class names that way).
std::u16string LowerClassName(std::u16string_view name);

}  // namespace qw
