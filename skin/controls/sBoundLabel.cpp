#include "skin/controls/sBoundLabel.h"

#include "base/Geometry_win.h"
#include "fw/Messages.h"
#include "fw/WinControl.h"
#include "skin/render/SectionPaint.h"

namespace qw {

TsEditLabel::~TsEditLabel() {
  if (BoundLabel) BoundLabel->LabelDestroyed();
}

TsBoundLabel::TsBoundLabel(TWinControl& control, TsCommonData& data) : FControl(control), FCommonData(data) {
  FFont.OnChange = [this] { FFontSet = true; };
}

TsBoundLabel::~TsBoundLabel() {
  if (FTheLabel) FTheLabel->BoundLabel = nullptr;
  FTheLabel.reset();
}

void TsBoundLabel::LabelDestroyed() {
  FTheLabel.release();
  FActive = false;
}

void TsBoundLabel::CreateLabel() {
  if (!FTheLabel) {
    FTheLabel = std::make_unique<TsEditLabel>();
    FTheLabel->BoundLabel = this;
    FTheLabel->SkinData.SetSkinManager(FCommonData.SkinManager());
  }
  TsEditLabel& label = *FTheLabel;
  label.SetVisible(false);
  label.SetParent(FControl.Parent());
  label.FocusControl = &FControl;
  label.SetAlignment(BoundLabelAlignment(FLayout));
  label.SetName(FControl.Name() + "Label");
  // Until a font is given, the label shows its parent's.
  if (FFontSet) label.Font().Assign(FFont);
  label.SetUseSkinColor(FUseSkinColor);
  label.SetText(FText.empty() ? std::wstring(FControl.Name().begin(), FControl.Name().end()) : FText);
  label.SetVisible(FControl.Visible());
  label.SetEnabled(FControl.Enabled());
  label.SetAutoSize(true);
  label.UpdateSkinFontColor();
  AlignLabel();
}

void TsBoundLabel::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  if (value) {
    CreateLabel();
  } else if (FTheLabel) {
    FTheLabel->BoundLabel = nullptr;
    FTheLabel.reset();
  }
}

void TsBoundLabel::AlignLabel() {
  if (!FTheLabel || !FTheLabel->Visible()) return;
  TsEditLabel& label = *FTheLabel;
  label.SetMaxWidth(FMaxWidth);
  const TRect bounds = RectOf(FControl.BoundsRect());
  const TPoint at = BoundLabelPosition(FLayout, bounds, label.Width(), label.Height(), FIndent);
  label.SetBounds(at.X, at.Y, label.Width(), label.Height());
  label.SetParent(FControl.Parent());
  if (const auto wrap = BoundLabelWordWrap(label.Width(), FMaxWidth)) label.SetWordWrap(*wrap);
}

void TsBoundLabel::ControlMessage(UINT msg, int disabledKind) {
  if (!FTheLabel) return;
  switch (msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      AlignLabel();
      return;
    case FW_VISIBLE_CHANGED:
      FTheLabel->SetVisible(FControl.Visible());
      break;
    case FW_ENABLED_CHANGED:
      FTheLabel->SetEnabled(FControl.Enabled() || (disabledKind & dkBlended) == 0);
      break;
    case FW_BIDI_CHANGED:
      break;
    default:
      return;
  }
  AlignLabel();
}

void TsBoundLabel::SetCaption(const std::wstring& value) {
  if (value == FText) return;
  FText = value;
  if (!FActive || !FTheLabel) return;
  FTheLabel->SetText(FText.empty() ? std::wstring(FControl.Name().begin(), FControl.Name().end()) : FText);
  AlignLabel();
}

void TsBoundLabel::SetLayout(TsBoundCaptionLayout value) {
  if (value == FLayout) return;
  FLayout = value;
  if (!FActive || !FTheLabel) return;
  FTheLabel->SetAlignment(BoundLabelAlignment(FLayout));
  AlignLabel();
}

void TsBoundLabel::SetIndent(int value) {
  if (value == FIndent) return;
  FIndent = value;
  if (FActive) AlignLabel();
}

void TsBoundLabel::SetMaxWidth(int value) {
  if (value == FMaxWidth) return;
  FMaxWidth = value;
  if (FActive) AlignLabel();
}

TFont& TsBoundLabel::Font() { return FTheLabel ? FTheLabel->Font() : FFont; }

void TsBoundLabel::SetFont(const TFont& font) {
  FFont.Assign(font);
  if (!FTheLabel) return;
  FTheLabel->Font().Assign(font);
  FTheLabel->SetParent(FControl.Parent());
  AlignLabel();
}

bool TsBoundLabel::UseSkinColor() const { return FTheLabel ? FTheLabel->UseSkinColor() : FUseSkinColor; }

void TsBoundLabel::SetUseSkinColor(bool value) {
  FUseSkinColor = value;
  if (FTheLabel) FTheLabel->SetUseSkinColor(value);
}

}  // namespace qw
