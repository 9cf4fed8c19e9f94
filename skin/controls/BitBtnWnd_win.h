#pragma once
// TqxBitBtnWnd: the wrapper of a framework bit button named in the skin manager's bit-button list (or
// of a plain button showing a bitmap): the skinned look of every wrapped button with the button's glyph
// placed beside the caption as the skinned bit button places it.
#include "skin/controls/BtnWnd_win.h"

namespace qw {

class TBitBtn;

class TqxBitBtnWnd : public TqxBtnWnd {
 public:
  TqxBitBtnWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
      : TqxBtnWnd(wnd, section, manager, skinData) {}
  const char* ClassName() const override { return "TqxBitBtnWnd"; }

  // Where the glyph goes beside the caption measured last (moved while the button is down).
  TRect GlyphRect() const;

 protected:
  TRect CaptionRect(TItemSize text) const override;
  int MaxCaptionWidth() const override;
  TItemSize GlyphSize() const override;
  void DrawGlyph(TBitmap32& cache, int state) override;

 private:
  TBitBtn* Bit() const;
  // The glyph picture: the framework button's, else the bitmap the window shows (Bits: its depth).
  TBitmap32 Glyph(int& bits) const;
  TGlyphTextLayout Layout(TItemSize text) const;
};

}  // namespace qw
