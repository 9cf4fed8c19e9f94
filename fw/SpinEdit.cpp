#include "fw/SpinEdit.h"

#include <commctrl.h>

#include <algorithm>
#include <limits>

#include "base/IntParse.h"

namespace qw {

namespace {
std::u16string_view AsU16(const std::wstring& s) { return {reinterpret_cast<const char16_t*>(s.data()), s.size()}; }
}  // namespace

TSpinEdit::TSpinEdit() { FText = L"0"; }

int32_t TSpinEdit::Value() const {
  const std::wstring text = Text();
  if (text.empty()) return 0;
  if (auto v = TryStrToInt(AsU16(text))) return *v;
  return MinValue;
}

int32_t TSpinEdit::ClampValue(int64_t value) const {
  int64_t r = value;
  if (value < 0 && !AllowNegative) r = std::max<int64_t>(0, MinValue);
  if (!(MinValue == 0 && MaxValue == 0)) {
    if (MinValue > value) return MinValue;
    if (MaxValue != 0 && MaxValue < value) return MaxValue;
  }
  // Arithmetic on steps and wheel turns happens in 64 bits; what reaches the text fits 32.
  r = std::clamp<int64_t>(r, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
  return static_cast<int32_t>(r);
}

void TSpinEdit::SetValue(int64_t value) {
  if (value < 0 && !AllowNegative) value = std::max<int64_t>(0, MinValue);
  if (IsLoading()) return;
  SetText(std::to_wstring(ClampValue(value)));
}

bool TSpinEdit::IsAcceptedChar(wchar_t& ch) const {
  switch (ch) {
    case 8:
    case 27:
      return true;
    case 9:
    case 13:
      ch = 0;
      return true;
    default:
      break;
  }
  if (ch == L'-') {
    if (!AllowNegative) return false;
    const std::wstring text = Text();
    DWORD selStart = 0, selEnd = 0;
    if (FHandle) SendMessageW(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    const bool hasMinus = text.find(L'-') != std::wstring::npos;
    const size_t selLength = selEnd - selStart;
    const bool atFront = (!hasMinus && selStart == 0) ||
                         (hasMinus && selStart == 0 && selLength + 1 >= text.size());
    return atFront && MinValue <= 0;
  }
  if (EditorEnabled) return (ch >= L'0' && ch <= L'9') || ch < 32;
  return ch < 32;
}

void TSpinEdit::CreateWindowHandleDone() {
  TEdit::CreateWindowHandleDone();
  RECT client;
  GetClientRect(FHandle, &client);
  const int width = std::min<int>(15, client.right / 2);
  FArrows = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, client.right - width, 0, width,
                            client.bottom, FHandle, nullptr, GetModuleHandleW(nullptr), nullptr);
  // The arrows report steps only; the value lives in the text.
  SendMessageW(FArrows, UDM_SETRANGE32, 0, 100);
  SendMessageW(FHandle, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width));
}

void TSpinEdit::CorrectOnExit() {
  const std::wstring text = Text();
  if (text == L"-" || text == L"-0") SetText(L"0");
  const int32_t v = Value();
  if (ClampValue(v) != v) SetValue(v);
}

void TSpinEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CHAR: {
      wchar_t ch = static_cast<wchar_t>(message.WParam);
      if (!IsAcceptedChar(ch)) {
        MessageBeep(0);
        return;
      }
      if (ch == 0) return;
      message.WParam = ch;
      break;
    }
    case CN_KEYDOWN:
      if (message.WParam == VK_UP || message.WParam == VK_DOWN) {
        if (!ReadOnly) message.WParam == VK_UP ? StepUp() : StepDown();
        message.Result = 1;
        return;
      }
      break;
    case WM_MOUSEWHEEL: {
      const int delta = GET_WHEEL_DELTA_WPARAM(message.WParam) / WHEEL_DELTA;
      if (!ReadOnly && delta != 0) SetValue(static_cast<int64_t>(Value()) + static_cast<int64_t>(delta) * Increment);
      message.Result = 0;
      return;
    }
    case WM_PASTE: {
      if (!EditorEnabled || ReadOnly) return;
      // Whatever is pasted must leave a number; otherwise the value from before comes back.
      const int32_t before = Value();
      TEdit::WndProc(message);
      const std::wstring text = Text();
      if (!TryStrToInt(AsU16(text))) SetText(std::to_wstring(before));
      return;
    }
    case WM_CUT:
      if (!EditorEnabled || ReadOnly) return;
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      if (header->hwndFrom == FArrows && header->code == static_cast<UINT>(UDN_DELTAPOS)) {
        const int delta = reinterpret_cast<const NMUPDOWN*>(message.LParam)->iDelta;
        if (!ReadOnly) delta > 0 ? StepUp() : StepDown();
        if (CanFocus() && !Focused()) SetFocus();
        message.Result = 1;  // the control keeps no position of its own
        return;
      }
      break;
    }
    case WM_NCDESTROY:
      FArrows = nullptr;
      break;
    case FW_EXIT:
      TEdit::WndProc(message);
      CorrectOnExit();
      return;
    default:
      break;
  }
  TEdit::WndProc(message);
}

}  // namespace qw
