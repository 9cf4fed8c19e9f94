#include "skin/controls/sLabel.h"

#include "fw/Canvas.h"
#include "fw/WinControl.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinState.h"
#include "skin/core/SkinText_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/SectionPaint_win.h"

namespace qw {

TsCustomLabel::TsCustomLabel() { SetTransparent(true); }

const TsSkinManager* TsCustomLabel::ActiveManager() const {
  const TsSkinManager* m = SkinData.EffectiveManager();
  return m && !m->IsDestroying() && m->Active() && !m->gd.empty() ? m : nullptr;
}

void TsCustomLabel::SetSkinSection(std::u16string_view value) {
  const std::u16string name = value.empty() ? std::u16string() : NormalizeSectionName(value);
  if (name == FSkinSection) return;
  FSkinSection = name;
  if (IsLoading()) return;
  UpdateSkinFontColor();
  Invalidate();
}

void TsLabel::SetUseSkinColor(bool value) {
  if (value == FUseSkinColor) return;
  FUseSkinColor = value;
  if (IsLoading()) return;
  UpdateSkinFontColor();
  Invalidate();
}

TLabelColorInput TsCustomLabel::ColorInput() const {
  TLabelColorInput in;
  in.Own = Font().Color();
  in.UseSkinColor = TakesSkinColor();
  in.Enabled = Enabled();
  const TsSkinManager* m = ActiveManager();
  in.SkinActive = m != nullptr;
  if (!m) return in;
  if (in.UseSkinColor && Parent()) {
    const int lender = LentFontSection(*m, Parent());
    in.Lent = lender >= 0 ? m->gd[static_cast<size_t>(lender)].Props[0].FontColor.Color
                          : static_cast<TColor>(m->GetGlobalFontColor());
  }
  if (!FSkinSection.empty()) {
    const int own = m->GetSkinIndex(FSkinSection);
    if (m->IsValidSkinIndex(own)) in.SectionFont = m->gd[static_cast<size_t>(own)].Props[0].FontColor.Color;
  }
  in.ParentColor = ParentBackgroundColor(Parent());
  return in;
}

void TsCustomLabel::UpdateSkinFontColor() {
  if (FApplyingColor || IsDestroying()) return;
  FApplyingColor = true;
  const TLabelColorInput in = ColorInput();
  if (in.SkinActive) Font().SetColor(LabelFontColor(in));
  FApplyingColor = false;
}

void TsCustomLabel::Loaded() {
  TsSkinned::Loaded();
  UpdateSkinFontColor();
}

void TsCustomLabel::Paint(TCanvas& canvas) {
  const TsSkinManager* m = ActiveManager();
  if (!m) return TLabel::Paint(canvas);
  const TLabelColorInput in = ColorInput();
  const TRect whole{0, 0, Width(), Height()};
  FSkinIndex = FSkinSection.empty() ? -1 : m->GetSkinIndex(FSkinSection);
  // The first section of a skin is never a label's background.
  if (FSkinIndex > 0) {
    TBackgroundInfo behind;
    if (Parent()) RequestParentBackground(*this, behind, false);
    PaintSectionItemToDC(FSkinIndex, FSkinSection, CacheInfoOf(behind), m, canvas.Handle(), whole, TPoint{Left(), Top()},
                         StateNormal);
  } else if (!Transparent()) {
    canvas.SetBrushColor(Color());
    canvas.FillRect(RECT{0, 0, Width(), Height()});
  }
  FSkinIndex = -1;
  canvas.SetFont(Font());
  SetBkMode(canvas.Handle(), TRANSPARENT);
  SetTextColor(canvas.Handle(), static_cast<COLORREF>(ColorToRGB(LabelTextColor(in))));
  canvas.TextRect(RECT{0, 0, Width(), Height()}, FText, TextFlags());
}

void TsCustomLabel::RemoveSkin(TMessage& message) {
  TsSkinned::WndProc(message);
  if (reinterpret_cast<TsSkinManager*>(message.LParam) != DefaultManager() || !TakesSkinColor()) return;
  Font().SetColor(clWindowText);
}

void TsCustomLabel::SkinCommand(TMessage& message, TSkinCommand code) {
  switch (code) {
    case skcRemoveSkin:
      return RemoveSkin(message);
    case skcNewSkin:
    case skcRefresh:
      TsSkinned::WndProc(message);
      UpdateSkinFontColor();
      return Invalidate();
    default:
      return TsSkinned::WndProc(message);
  }
}

void TsCustomLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case FW_MOUSE_ENTER:
      TsSkinned::WndProc(message);
      return CallEvent(OnMouseEnter, this);
    case FW_MOUSE_LEAVE:
      TsSkinned::WndProc(message);
      return CallEvent(OnMouseLeave, this);
    case SkinCommandMsg:
      return SkinCommand(message, SkinCommandCode(message.WParam));
    default:
      return TsSkinned::WndProc(message);
  }
}

}  // namespace qw
