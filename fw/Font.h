#pragma once
// A font description (face, height, colour, style) and the GDI font made from it on demand.
#include <windows.h>

#include <functional>
#include <string>

#include "fw/Color.h"

namespace qw {

enum : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont {
 public:
  TFont() = default;
  ~TFont();
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  // Copies the description of another font (not its handle) and reports the change.
  void Assign(const TFont& other);
  bool SameAs(const TFont& other) const;

  const std::wstring& Name() const { return FName; }
  int Height() const { return FHeight; }
  TColor Color() const { return FColor; }
  unsigned Style() const { return FStyle; }
  void SetName(std::wstring name);
  void SetHeight(int height);
  void SetColor(TColor color);
  void SetStyle(unsigned style);

  // The GDI font for this description; owned by the TFont and valid until the next change.
  HFONT Handle() const;

  // Called after every change of the description.
  std::function<void()> OnChange;

 private:
  void Changed();
  void ReleaseHandle() const;
  std::wstring FName = L"Tahoma";
  int FHeight = -11;
  TColor FColor = clWindowText;
  unsigned FStyle = 0;
  mutable HFONT FHandle = nullptr;
};

}  // namespace qw
