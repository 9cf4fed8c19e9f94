#include "skin/controls/SpinEditLayout.h"

#include <algorithm>

namespace qw {

TRect SpinButtonBounds(int editWidth, int editHeight, int pairWidth) {
  const int left = editWidth - pairWidth - 4;
  return TRect{left, 0, left + pairWidth, std::max(0, editHeight - 4)};
}

TUpDownButtons SpinArrowButtons(int pairWidth, int pairHeight) {
  return UpDownButtons(std::max(kSpinButtonMinWidth, pairWidth), std::max(0, pairHeight), true);
}

TRect SpinEditFormatRect(int editWidth, int clientHeight, int pairWidth) {
  return TRect{0, 0, std::max(0, editWidth - pairWidth - 3), clientHeight + 1};
}

TRect SpinEditTextRect(int editWidth, int editHeight, const TEditFrame& frame, int pairWidth) {
  const int a = EditTextInset(frame);
  return TRect{a + 1, a + 1, editWidth - a - pairWidth, editHeight - a};
}

std::vector<TSpinArrowRow> SpinArrowRows(int buttonWidth, int buttonHeight, bool up) {
  // The triangle (x + 1, y + 4), (x + 7, y + 4), (x + 4, y + 1) for the up arrow, mirrored for the down one.
  const int x = (buttonWidth - 9) / 2, y = (buttonHeight - 5) / 2;
  std::vector<TSpinArrowRow> rows;
  for (int i = 0; i < 4; ++i) {
    const int half = up ? i : 3 - i;
    rows.push_back(TSpinArrowRow{y + 1 + i, x + 4 - half, x + 5 + half});
  }
  return rows;
}

TRect SpinFocusRect(const TRect& button, bool down) {
  const int shift = down ? 1 : 0;
  return TRect{button.Left + 3 + shift, button.Top + 3 + shift, button.Right - 3 + shift, button.Bottom - 3 + shift};
}

TPoint SpinGlyphPos(const TRect& button, int glyphWidth, int glyphHeight) {
  return TPoint{button.Left + (button.Right - button.Left - glyphWidth) / 2,
                button.Top + (button.Bottom - button.Top - glyphHeight) / 2};
}

}  // namespace qw
