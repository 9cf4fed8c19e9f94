#include "fw/Memo.h"

#include "base/TextLines.h"

namespace qw {

TMemo::TMemo() {
  FWidth = 185;
  FHeight = 89;
}

void TMemo::CreateParams(TCreateParams& params) {
  TEdit::CreateParams(params);
  params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
}

void TMemo::CreateWindowHandleDone() {
  TEdit::CreateWindowHandleDone();
  SendMessageW(FHandle, EM_SETLIMITTEXT, 0, 0);  // 0: the largest limit the window supports
}

bool TMemo::AddLine(const std::wstring& line) {
  const std::wstring text = Text();
  const std::u16string joined = AppendLine(std::u16string(text.begin(), text.end()),
                                           std::u16string(line.begin(), line.end()));
  if (!FHandle) {
    SetText(std::wstring(joined.begin(), joined.end()));
    return true;
  }
  // Replacing the selection at the end keeps the caret there, so the newest line scrolls into view.
  const std::wstring added(joined.begin() + static_cast<std::ptrdiff_t>(text.size()), joined.end());
  const int end = GetWindowTextLengthW(FHandle);
  SendMessageW(FHandle, EM_SETSEL, static_cast<WPARAM>(end), end);
  SendMessageW(FHandle, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
  const int now = GetWindowTextLengthW(FHandle);
  if (now != end + static_cast<int>(added.size())) {
    // The window took part of the line or none of it: take back what it took, so the text never
    // ends in half a line.
    SendMessageW(FHandle, EM_SETSEL, static_cast<WPARAM>(end), now);
    SendMessageW(FHandle, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    return false;
  }
  Perform(FW_TEXT_CHANGED);
  return true;
}

}  // namespace qw
