#pragma once
// TsBoundLabel: the caption label an input control may carry beside itself. While active it owns a
// TsEditLabel on the control's parent, named after the control, placed by its layout next to the control
// and following the control's visibility and enabled state; inactive, there is no label at all.
#include <memory>
#include <string>

#include "fw/Font.h"
#include "skin/controls/LabelLayout.h"
#include "skin/controls/sLabel.h"

namespace qw {

class TsBoundLabel;
class TWinControl;

// The label a bound label shows.
class TsEditLabel : public TsLabel {
 public:
  ~TsEditLabel() override;
  const char* ClassName() const override { return "TsEditLabel"; }
  // The bound label that owns this label (null once it let go).
  TsBoundLabel* BoundLabel = nullptr;
  // The control the label names.
  TWinControl* FocusControl = nullptr;
};

class TsBoundLabel {
 public:
  // Control: the input control the label belongs to; Data: that control's skin data.
  TsBoundLabel(TWinControl& control, TsCommonData& data);
  ~TsBoundLabel();
  TsBoundLabel(const TsBoundLabel&) = delete;
  TsBoundLabel& operator=(const TsBoundLabel&) = delete;

  bool Active() const { return FActive; }
  void SetActive(bool value);
  // The text; an empty one shows the control's name.
  const std::wstring& Caption() const { return FText; }
  void SetCaption(const std::wstring& value);
  TsBoundCaptionLayout Layout() const { return FLayout; }
  void SetLayout(TsBoundCaptionLayout value);
  // Extra distance from the control.
  int Indent() const { return FIndent; }
  void SetIndent(int value);
  // The widest the label may become (0: no limit); a label reaching it wraps its words.
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int value);
  // The label's font while it exists, else the one it will get.
  TFont& Font();
  void SetFont(const TFont& font);
  bool UseSkinColor() const;
  void SetUseSkinColor(bool value);

  // The label while active.
  TsEditLabel* TheLabel() const { return FTheLabel.get(); }
  // Places the label beside the control for the layout (when it exists and is visible).
  void AlignLabel();
  // After the control handled a message: the label follows its place, visibility, enabled state and
  // reading order. A disabled control whose look is blended (DisabledKind with dkBlended) disables it.
  void ControlMessage(UINT msg, int disabledKind);

 private:
  friend class TsEditLabel;
  // The label went away without us: we are no longer active.
  void LabelDestroyed();
  void CreateLabel();

  TWinControl& FControl;
  TsCommonData& FCommonData;
  std::unique_ptr<TsEditLabel> FTheLabel;
  bool FActive = false;
  std::wstring FText;
  TsBoundCaptionLayout FLayout = sclLeft;
  int FIndent = 0;
  int FMaxWidth = 0;
  TFont FFont;
  bool FFontSet = false;
  bool FUseSkinColor = true;
};

}  // namespace qw
