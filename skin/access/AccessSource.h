#pragma once
// How a control describes itself to its accessible object: the control and its windowless elements as
// they are at the moment of asking, and the default action of each.
#include <vector>

#include "base/Geometry.h"
#include "skin/access/AccessRules.h"

namespace qw {

// A windowless element (a label, a tab, a spin arrow): its facts and where it is, in the client
// coordinates of the window whose object it belongs to.
struct TAccessElement {
  TAccessFacts Facts;
  TRect Bounds;
};

class TAccessSource {
 public:
  // Self: the control itself; Elements: its windowless elements, numbered 1, 2, ... in this order.
  virtual void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) = 0;
  // Runs the default action of the control (Id 0) or of its element Id. Called from the message loop,
  // never inside a client's call.
  virtual void DoAccessDefaultAction(int id) = 0;
  // Where the object itself lies, in the window's client coordinates, for an object the system does not
  // place (a part of the frame); false: unknown.
  virtual bool AccessBounds(TRect& bounds) {
    (void)bounds;
    return false;
  }

 protected:
  ~TAccessSource() = default;
};

}  // namespace qw
