#include "skin/controls/EditLayout.h"

namespace qw {

int EditFrameWidth(const TEditFrame& frame) {
  if (frame.Border) return frame.Ctl3D ? 2 : 1;
  return (frame.BevelInner ? 1 : 0) + (frame.BevelOuter ? 1 : 0);
}

int EditTextInset(const TEditFrame& frame) {
  if (!frame.Border) return 0;
  int a = (frame.Ctl3D ? 1 : 0) + 1;
  if (frame.BevelKind) a += (frame.BevelOuter ? 1 : 0) + (frame.BevelInner ? 1 : 0);
  return a;
}

TRect EditTextRect(int width, int height, const TEditFrame& frame) {
  const int a = EditTextInset(frame);
  const int s = frame.Border ? 1 : 0;
  return TRect{a + s, a + s, width - a - s, height - a};
}

std::u16string EditDisplayText(std::u16string_view text, char16_t passwordChar) {
  if (passwordChar == 0) return std::u16string(text);
  const char16_t shown = passwordChar == u'*' ? u'\u25CF' : passwordChar;
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                      text[i + 1] <= 0xDFFF;
    if (pair) ++i;
    out += shown;
  }
  return out;
}

}  // namespace qw
