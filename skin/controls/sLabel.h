#pragma once
// TsCustomLabel and TsLabel: the skinned labels. Under an active skin a label takes its font colour from
// the skin: from the nearest parent section that lends its font colours to the texts on it (sections
// mostly transparent pass the search on), else the skin's global font colour; a label that names its own
// section takes that section's font colour and, for a section past the first, its background. A disabled
// label is drawn once in 40 % of its colour over the colour behind it. Without a skin it is the plain
// label. Labels are transparent by default: their parent paints what lies behind them.
#include <string>

#include "fw/Label.h"
#include "skin/controls/LabelLayout.h"
#include "skin/core/SkinnedControl.h"
#include "skin/data/SkinCommands.h"

namespace qw {

class TsCustomLabel : public TsSkinned<TLabel, COC_TsCustom> {
 public:
  TsCustomLabel();
  const char* ClassName() const override { return "TsCustomLabel"; }
  void WndProc(TMessage& message) override;
  void Paint(TCanvas& canvas) override;
  void Loaded() override;

  // A section the label paints itself with; empty: none.
  const std::u16string& SkinSection() const { return FSkinSection; }
  void SetSkinSection(std::u16string_view value);
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // What decides the label's colours now.
  TLabelColorInput ColorInput() const;
  // Gives the font the colour the skin decides (nothing without an active skin).
  void UpdateSkinFontColor();

 protected:
  // The skin decides the font colour (TsLabel: unless UseSkinColor is off).
  virtual bool TakesSkinColor() const { return true; }

 private:
  void SkinCommand(TMessage& message, TSkinCommand code);
  void RemoveSkin(TMessage& message);
  const TsSkinManager* ActiveManager() const;
  std::u16string FSkinSection;
  int FSkinIndex = -1;          // the own section's index, while painting
  bool FApplyingColor = false;  // the colour is being looked up and set
};

class TsLabel : public TsCustomLabel {
 public:
  const char* ClassName() const override { return "TsLabel"; }
  bool UseSkinColor() const { return FUseSkinColor; }
  void SetUseSkinColor(bool value);

 protected:
  bool TakesSkinColor() const override { return FUseSkinColor; }

 private:
  bool FUseSkinColor = true;
};

}  // namespace qw
