#include "fw/Font.h"

namespace qw {

TFont::~TFont() { ReleaseHandle(); }

void TFont::ReleaseHandle() const {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}

void TFont::Assign(const TFont& other) {
  if (SameAs(other)) return;
  FName = other.FName;
  FHeight = other.FHeight;
  FColor = other.FColor;
  FStyle = other.FStyle;
  Changed();
}

bool TFont::SameAs(const TFont& other) const {
  return FName == other.FName && FHeight == other.FHeight && FColor == other.FColor && FStyle == other.FStyle;
}

void TFont::SetName(std::wstring name) {
  if (name == FName) return;
  FName = std::move(name);
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == FHeight) return;
  FHeight = height;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Changed();
}

void TFont::SetStyle(unsigned style) {
  if (style == FStyle) return;
  FStyle = style;
  Changed();
}

void TFont::Changed() {
  ReleaseHandle();
  if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
  if (!FHandle) {
    FHandle = CreateFontW(FHeight, 0, 0, 0, (FStyle & fsBold) ? FW_BOLD : FW_NORMAL, (FStyle & fsItalic) != 0,
                          (FStyle & fsUnderline) != 0, (FStyle & fsStrikeOut) != 0, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, FName.c_str());
  }
  return FHandle;
}

}  // namespace qw
