#include "skin/controls/ButtonWnd_win.h"

#include "fw/Button.h"
#include "fw/ImageList.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/render/BorderMask.h"
#include "skin/render/GlyphPaint.h"

namespace qw {

TButton* TqxButtonWnd::Btn() const { return dynamic_cast<TButton*>(Control()); }

int TqxButtonWnd::GlyphIndex() const {
  const TButton* b = Btn();
  if (!b || !b->Images()) return -1;
  const TButtonImageIndexes indexes{b->ImageIndex, b->HotImageIndex, b->PressedImageIndex, b->SelectedImageIndex,
                                    b->DisabledImageIndex};
  TButtonImageState state;
  state.Enabled = IsWindowEnabled(CtrlHandle) != FALSE;
  state.Pressed = Down();
  state.Focused = GetFocus() == CtrlHandle;
  state.Hot = ActiveControl() == CtrlHandle || (SkinData && SkinData->FMouseAbove);
  return ButtonImageIndex(indexes, b->Images()->Count(), state);
}

bool TqxButtonWnd::HaveImage() const { return GlyphIndex() >= 0; }

TItemSize TqxButtonWnd::GlyphSize() const {
  if (!HaveImage()) return TItemSize{};
  return TItemSize{Btn()->Images()->Width(), Btn()->Images()->Height()};
}

TButtonImageLayout TqxButtonWnd::Layout(TItemSize text) const {
  const TButton* b = Btn();
  const TImageAlignment alignment = b ? b->ImageAlignment : iaCenter;
  const TImageMargins margins = b ? b->ImageMargins : TImageMargins{};
  return LayoutButtonImage(WndSize.cx, WndSize.cy, GlyphSize(), text, alignment, margins, Down());
}

TRect TqxButtonWnd::GlyphRect() const { return Layout(TItemSize{}).Image; }

TRect TqxButtonWnd::CaptionRect(TItemSize text) const { return Layout(text).Caption; }

void TqxButtonWnd::DrawGlyph(TBitmap32& cache, int) {
  const int index = GlyphIndex();
  const TBitmap32* image = index >= 0 ? Btn()->Images()->Image(index) : nullptr;
  if (!image || image->Empty()) return;
  // A list's picture is drawn by its own alpha, fully opaque and untinted.
  DrawAlphaGlyph(GlyphRect(), TRect{0, 0, image->Width(), image->Height()}, cache, false, 0, kNoTint, false,
                 EmptyCacheInfo(), *image);
}

}  // namespace qw
