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
    case CH_BACKSPACE:
    case CH_ESCAPE:
      return true;
    case CH_TAB:
    case CH_RETURN:
      ch = 0;  // swallowed: the edit would beep at them
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
  if (EditorEnabled) return (ch >= L'0' && ch <= L'9') || ch < CH_FIRST_PRINTABLE;
  return ch < CH_FIRST_PRINTABLE;
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

void TSpinEdit::WMChar(TMessage& message, wchar_t ch) {
  if (!IsAcceptedChar(ch)) {
    MessageBeep(MB_OK);
    return;
  }
  if (ch == 0) return;
  message.WParam = ch;
  TEdit::WndProc(message);
}

void TSpinEdit::CNKeyDown(TMessage& message, UINT key) {
  if (key != VK_UP && key != VK_DOWN) return TEdit::WndProc(message);
  message.Result = 1;
  if (!ReadOnly) key == VK_UP ? StepUp() : StepDown();
}

void TSpinEdit::WMMouseWheel(TMessage& message, int notches) {
  message.Result = 0;
  if (!ReadOnly && notches != 0) SetValue(static_cast<int64_t>(Value()) + static_cast<int64_t>(notches) * Increment);
}

void TSpinEdit::WMPaste(TMessage& message) {
  if (!EditorEnabled || ReadOnly) return;
  // Whatever is pasted must leave a number; otherwise the value from before comes back.
  const int32_t before = Value();
  TDestroyWatch watch(this);
  TEdit::WndProc(message);
  if (watch.Destroyed()) return;
  if (!TryStrToInt(AsU16(Text()))) SetText(std::to_wstring(before));
}

void TSpinEdit::WMCut(TMessage& message) {
  if (!EditorEnabled || ReadOnly) return;
  TEdit::WndProc(message);
}

void TSpinEdit::WMNotify(TMessage& message, const NMHDR& header) {
  if (header.hwndFrom != FArrows || header.code != static_cast<UINT>(UDN_DELTAPOS)) return TEdit::WndProc(message);
  message.Result = 1;  // the arrows keep no position of their own
  const int delta = reinterpret_cast<const NMUPDOWN&>(header).iDelta;
  TDestroyWatch watch(this);
  if (!ReadOnly) delta > 0 ? StepUp() : StepDown();
  if (!watch.Destroyed() && CanFocus() && !Focused()) SetFocus();
}

void TSpinEdit::WMNcDestroy(TMessage& message) {
  FArrows = nullptr;  // the system destroyed them with the edit
  TEdit::WndProc(message);
}

void TSpinEdit::FWExit(TMessage& message) {
  TDestroyWatch watch(this);
  TEdit::WndProc(message);
  if (!watch.Destroyed()) CorrectOnExit();
}

void TSpinEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CHAR:
      return WMChar(message, CharFrom(message.WParam));
    case CN_KEYDOWN:
      return CNKeyDown(message, VirtualKeyFrom(message.WParam));
    case WM_MOUSEWHEEL:
      return WMMouseWheel(message, WheelNotchesFrom(message.WParam));
    case WM_PASTE:
      return WMPaste(message);
    case WM_CUT:
      return WMCut(message);
    case WM_NOTIFY:
      return WMNotify(message, RecordFrom<NMHDR>(message.LParam));
    case WM_NCDESTROY:
      return WMNcDestroy(message);
    case FW_EXIT:
      return FWExit(message);
    default:
      return TEdit::WndProc(message);
  }
}

}  // namespace qw
