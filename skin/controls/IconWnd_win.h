#pragma once
// TqxIconWnd: the wrapper of a standard static that shows an icon (a message box's icon, say) or a
// bitmap: the section on the parent's background with the picture over it, so the picture stands on the
// skin instead of the system's grey.
#include "skin/controls/StaticWnd_win.h"

namespace qw {

class TqxIconWnd : public TqxStaticWnd {
 public:
  TqxIconWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData,
             bool dlgMode = false);
  const char* ClassName() const override { return "TqxIconWnd"; }

  // The window shows a bitmap, not an icon.
  const bool IsBmp;

 protected:
  // The icon at the top-left in its own size, or the bitmap; false (the window keeps its pixels) when
  // the window has no picture.
  bool PaintText(TBitmap32& cache) override;

 private:
  bool PaintIcon(TBitmap32& cache);
  bool PaintBitmap(TBitmap32& cache);
};

}  // namespace qw
