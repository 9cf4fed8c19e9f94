#pragma once
// TqxEdgeWnd: the wrapper of a standard static that shows a picture inside a static edge. The system
// keeps drawing the picture; the wrapper frames it with the outer ring of its section's picture (by
// default "EDIT") instead of the system's sunken edge.
#include "skin/controls/StaticWnd_win.h"

namespace qw {

class TqxEdgeWnd : public TqxStaticWnd {
 public:
  TqxEdgeWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData,
             bool dlgMode = false);
  const char* ClassName() const override { return "TqxEdgeWnd"; }

  // How wide the ring of the section's picture laid over the window's edge is.
  static constexpr int kRingWidth = 2;

  void qxWndProc(TMessage& message) override;
  // Copies the ring of a fresh picture of the section to the window's edge.
  void PaintEdge();

 protected:
  std::u16string_view DefaultSection() const override;
};

}  // namespace qw
