#pragma once
// The integer spin edit: an edit that takes digits, keeps its value between MinValue and MaxValue when the
// focus leaves it and on every step, and steps with the arrow keys and the wheel. TSpinEditOf puts these
// rules over any edit class (the plain one here, the skinned one with its own arrow buttons); TSpinEdit
// is the plain control with the system's arrow pair.
#include <cstdint>
#include <string>

#include "base/IntParse.h"
#include "base/SpinValue.h"
#include "fw/Edit.h"
#include "fw/MessageCrack.h"

namespace qw {

template <class TEditBase>
class TSpinEditOf : public TEditBase {
 public:
  void WndProc(TMessage& message) override {
    switch (message.Msg) {
      case WM_CHAR:
        return WMChar(message, CharFrom(message.WParam));
      case CN_KEYDOWN:
        return CNKeyDown(message, VirtualKeyFrom(message.WParam));
      case WM_MOUSEWHEEL:
        return WMMouseWheel(message, GET_WHEEL_DELTA_WPARAM(message.WParam));
      case WM_PASTE:
      case WM_CUT:
        return WMClipboardEdit(message);
      case FW_EXIT:
        return FWExit(message);
      case WM_SETFOCUS:
        return WMSetFocus(message);
      default:
        return TEditBase::WndProc(message);
    }
  }

  int32_t MinValue = 0;
  int32_t MaxValue = 0;
  int32_t Increment = 1;
  bool AllowNegative = true;
  bool EditorEnabled = true;
  // When set, they replace the built-in step of the up and down arrows and keys.
  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;
  // Where Shift+Tab or Shift+Enter, and Tab or Enter, move the focus instead of the form's tab order (and
  // instead of the default button for Enter).
  TWinControl* PrevTabControl = nullptr;
  TWinControl* NextTabControl = nullptr;
  // Taking the focus selects the whole text, so a typed number replaces the old one.
  bool AutoSelect = true;

  void Notification(TComponent* component, TOperation operation) override {
    TEditBase::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == PrevTabControl) PrevTabControl = nullptr;
    if (component == NextTabControl) NextTabControl = nullptr;
  }

  TSpinLimits Limits() const { return TSpinLimits{MinValue, MaxValue, AllowNegative}; }
  // The value the text stands for: 0 for an empty text, MinValue for one that is not a 32-bit integer.
  int32_t Value() const { return SpinTextValue(U16Text(), MinValue); }
  // Writes the clamped value as text (not while the description is being read: the stored text wins).
  void SetValue(int64_t value) {
    if (this->IsLoading()) return;
    this->SetText(std::to_wstring(WrittenSpinValue(Limits(), value)));
  }
  int32_t ClampValue(int64_t value) const { return ClampSpinValue(Limits(), value); }
  void StepUp() { Step(OnUpClick, Increment); }
  void StepDown() { Step(OnDownClick, -static_cast<int64_t>(Increment)); }

 protected:
  std::u16string U16Text() const {
    const std::wstring text = this->Text();
    return std::u16string(text.begin(), text.end());
  }

 private:
  void Step(const TNotifyEvent& replacement, int64_t change) {
    if (this->ReadOnly) {
      MessageBeep(0);
      return;
    }
    if (replacement) return CallEvent(replacement, this);
    SetValue(static_cast<int64_t>(Value()) + change);
  }

  void WMChar(TMessage& message, wchar_t ch) {
    DWORD selStart = 0, selEnd = 0;
    if (this->FHandle)
      SendMessageW(this->FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    const std::u16string text = U16Text();
    const TSpinTyping typing{text, selStart, selEnd, Limits(), EditorEnabled};
    switch (SpinCharVerdict(static_cast<char16_t>(ch), typing)) {
      case TSpinCharVerdict::Refuse:
        MessageBeep(MB_OK);
        return;
      case TSpinCharVerdict::Swallow:
        message.Result = 0;
        return;
      case TSpinCharVerdict::Insert:
        return TEditBase::WndProc(message);
    }
  }

  void CNKeyDown(TMessage& message, UINT key) {
    if (key == VK_TAB || key == VK_RETURN) return CNTabOrEnter(message);
    if (key != VK_UP && key != VK_DOWN) return TEditBase::WndProc(message);
    message.Result = 1;
    key == VK_UP ? StepUp() : StepDown();
  }

  // Tab and Enter go to the control named for their direction when there is one; otherwise Tab follows
  // the form's tab order and Enter reaches the form's default button.
  void CNTabOrEnter(TMessage& message) {
    TWinControl* target = GetKeyState(VK_SHIFT) < 0 ? PrevTabControl : NextTabControl;
    if (!target) return TEditBase::WndProc(message);
    message.Result = 1;
    if (target->CanFocus()) target->SetFocus();
  }

  void WMMouseWheel(TMessage& message, int delta) {
    message.Result = 0;
    if (this->ReadOnly) return;
    const int64_t change = WheelStepChange(delta, Increment);
    if (change != 0) SetValue(static_cast<int64_t>(Value()) + change);
  }

  // Paste and cut: only where the text may be edited, and whatever they leave must be a number; otherwise
  // the value from before comes back.
  void WMClipboardEdit(TMessage& message) {
    if (!EditorEnabled || this->ReadOnly) return;
    const int32_t before = Value();
    TDestroyWatch watch(this);
    TEditBase::WndProc(message);
    if (watch.Destroyed()) return;
    if (!TryStrToInt(U16Text())) this->SetText(std::to_wstring(before));
  }

  void WMSetFocus(TMessage& message) {
    TDestroyWatch watch(this);
    TEditBase::WndProc(message);
    if (!watch.Destroyed() && AutoSelect && this->FHandle) SendMessageW(this->FHandle, EM_SETSEL, 0, -1);
  }

  void FWExit(TMessage& message) {
    TDestroyWatch watch(this);
    TEditBase::WndProc(message);
    if (watch.Destroyed()) return;
    const std::u16string before = U16Text();
    const std::u16string after = SpinTextOnExit(before, Limits());
    if (after != before) this->SetText(std::wstring(after.begin(), after.end()));
  }
};

class TSpinEdit : public TSpinEditOf<TEdit> {
 public:
  TSpinEdit();
  const char* ClassName() const override { return "TSpinEdit"; }
  void WndProc(TMessage& message) override;

 protected:
  void CreateWindowHandleDone() override;

 private:
  void WMNotify(TMessage& message, const NMHDR& header);
  void WMNcDestroy(TMessage& message);
  // The plain arrow pair at the right edge (a system up-down control inside the edit).
  HWND FArrows = nullptr;
};

}  // namespace qw
