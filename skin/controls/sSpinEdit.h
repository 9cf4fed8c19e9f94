#pragma once
// TsSpinEdit: the skinned integer spin edit: a skinned edit with the integer rules of the framework's spin
// edit and its own arrow pair at the right edge, painted from the skin.
#include "fw/SpinEdit.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sSpinButton.h"

namespace qw {

class TClassRegistry;

class TsSpinEdit : public TSpinEditOf<TsEdit> {
 public:
  TsSpinEdit();
  ~TsSpinEdit() override;
  const char* ClassName() const override { return "TsSpinEdit"; }
  void WndProc(TMessage& message) override;
  void Loaded() override;

  TsSpinButton& Button() { return *FButton; }
  bool ShowSpinButtons() const { return FShowSpinButtons; }
  void SetShowSpinButtons(bool value);
  // The arrow pair's width while it shows, else 0.
  int PairWidth() const;
  // Keeps the text clear of the arrows.
  void UpdateEditRect();
  // The frame band's width: where the client area starts in the cached picture.
  int FrameWidth() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandleDone() override;
  TRect TextRect() const override;
  void PaintOverText(TBitmap32& cache) override;

 private:
  void PlaceButton();
  void UpdateButtonVisibility();
  void RedrawButton();
  void WMGetDlgCode(TMessage& message);
  std::unique_ptr<TsSpinButton> FButton;
  bool FShowSpinButtons = true;
};

// The spin edit's published properties.
void RegisterSpinEditClass(TClassRegistry& g);

}  // namespace qw
