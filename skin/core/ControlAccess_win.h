#pragma once
// The facts about a control that every skinned control gives its accessible object alike: caption, hint,
// enabled, focus, whether it lies beyond the form's visible part, the label that names a field, and the
// windowless children (labels, pictures) as elements of their window's object.
#include <vector>

#include "skin/access/AccessSource.h"

namespace qw {

class TControl;
class TWinControl;

// Caption, hint, enabled (here and in every parent), focusable and focused, offscreen.
void DescribeControl(TControl& control, TAccessFacts& facts);
// Where Control lies in the client coordinates of Window (its parent or an ancestor of it).
TRect BoundsIn(const TControl& control, const TWinControl& window);
// The visible windowless children of Window, in their order: labels read as text, pictures with a click
// handler as links, other pictures as graphics.
void AddWindowlessElements(TWinControl& window, std::vector<TAccessElement>& elements);
// Clicks the Index-th element AddWindowlessElements gave (1-based); false when there is none.
bool ClickWindowlessElement(TWinControl& window, int index);
// The caption that names a field: the label (or check box) right above or left of it, else the caption
// of the group box it sits in.
std::u16string NamingLabelOf(const TControl& field);
// The default action of a button or check box: the click a user would make, through the window.
void ClickWindow(TWinControl& control);

}  // namespace qw
