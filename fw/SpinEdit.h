#pragma once
// The integer spin edit's base: an edit that takes digits, keeps its value between MinValue and
// MaxValue when the focus leaves it, and steps with the arrow keys and the wheel. The skinned spin edit
// adds its arrow buttons on top of this.
#include <cstdint>
#include <string>

#include "fw/Edit.h"

namespace qw {

class TSpinEdit : public TEdit {
 public:
  TSpinEdit();
  const char* ClassName() const override { return "TSpinEdit"; }
  void WndProc(TMessage& message) override;

  int32_t MinValue = 0;
  int32_t MaxValue = 0;
  int32_t Increment = 1;
  bool AllowNegative = true;
  bool EditorEnabled = true;

  // The value the text stands for: 0 for an empty text, MinValue for one that is not a 32-bit integer.
  int32_t Value() const;
  // Writes the clamped value as text (not while the description is being read: the stored text wins).
  void SetValue(int64_t value);
  // The value kept within the limits; MinValue = MaxValue = 0 means no limits, MaxValue 0 no upper one.
  int32_t ClampValue(int64_t value) const;
  // Whether a typed character may go into the text (it may be cleared: swallowed without complaint).
  bool IsAcceptedChar(wchar_t& ch) const;
  void StepUp() { SetValue(static_cast<int64_t>(Value()) + Increment); }
  void StepDown() { SetValue(static_cast<int64_t>(Value()) - Increment); }

 protected:
  void CreateWindowHandleDone() override;

 private:
  void CorrectOnExit();
  void WMChar(TMessage& message, wchar_t ch);
  void CNKeyDown(TMessage& message, UINT key);
  void WMMouseWheel(TMessage& message, int notches);
  void WMPaste(TMessage& message);
  void WMCut(TMessage& message);
  void WMNotify(TMessage& message, const NMHDR& header);
  void WMNcDestroy(TMessage& message);
  void FWExit(TMessage& message);
  // The plain arrow pair at the right edge (a system up-down control inside the edit).
  HWND FArrows = nullptr;
};

}  // namespace qw
