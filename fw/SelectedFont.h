#pragma once
// A font made from its description and selected into a DC for as long as the object lives: the DC gets
// its old font back and the font is deleted when it goes, whichever way the painting code leaves.
#include <windows.h>

namespace qw {

class TSelectedFont {
 public:
  TSelectedFont(HDC dc, const LOGFONTW& font) : FDC(dc), FFont(CreateFontIndirectW(&font)) {
    if (FFont) FOld = SelectObject(dc, FFont);
  }
  ~TSelectedFont() {
    if (!FFont) return;
    SelectObject(FDC, FOld);
    DeleteObject(FFont);
  }
  TSelectedFont(const TSelectedFont&) = delete;
  TSelectedFont& operator=(const TSelectedFont&) = delete;

 private:
  HDC FDC;
  HFONT FFont;
  HGDIOBJ FOld = nullptr;
};

}  // namespace qw
