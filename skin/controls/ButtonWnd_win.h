#pragma once
// TqxButtonWnd: the wrapper of a framework push button named in the skin manager's button list. Besides
// the skinned look of every wrapped button it shows the button's picture from its image list: the one
// of the button's state, placed by its image alignment and margins, with the caption beside it.
#include "skin/controls/BtnWnd_win.h"
#include "skin/controls/WrappedButtonLayout.h"

namespace qw {

class TButton;

class TqxButtonWnd : public TqxBtnWnd {
 public:
  TqxButtonWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
      : TqxBtnWnd(wnd, section, manager, skinData) {}
  const char* ClassName() const override { return "TqxButtonWnd"; }

  // The framework button behind the window, or null.
  TButton* Btn() const;
  // The button shows a picture: it has an image list that holds its ImageIndex.
  bool HaveImage() const;
  // The picture the button's state shows, -1 for none.
  int GlyphIndex() const;
  // Where the picture goes (empty without one).
  TRect GlyphRect() const;

 protected:
  TRect CaptionRect(TItemSize text) const override;
  TItemSize GlyphSize() const override;
  void DrawGlyph(TBitmap32& cache, int state) override;

 private:
  TButtonImageLayout Layout(TItemSize text) const;
};

}  // namespace qw
