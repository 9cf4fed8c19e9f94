#pragma once
// TsGroupBox: the skinned group box. It paints the GROUPBOX section (or the one it is given) below a
// caption band that shows what lies behind the box, writes its caption there in the skin's colours, and
// then paints its windowless children over its picture and tells its windowed children the picture
// behind them is ready. Without a skin it paints as the plain group box.
#include <string>

#include "fw/GroupBox.h"
#include "skin/controls/GroupBoxLayout.h"
#include "skin/core/SkinnedControl.h"
#include "skin/data/SkinCommands.h"

namespace qw {

class TsGroupBox;

// The space a group box keeps around its caption text; every change repaints the box.
class TsMargin {
 public:
  explicit TsMargin(TsGroupBox& owner) : FOwner(owner) {}
  int Left() const { return FValues.Left; }
  int Top() const { return FValues.Top; }
  int Right() const { return FValues.Right; }
  int Bottom() const { return FValues.Bottom; }
  void SetLeft(int value) { Set(FValues.Left, value); }
  void SetTop(int value) { Set(FValues.Top, value); }
  void SetRight(int value) { Set(FValues.Right, value); }
  void SetBottom(int value) { Set(FValues.Bottom, value); }
  const TsMarginValues& Values() const { return FValues; }

 private:
  void Set(int& field, int value);
  TsGroupBox& FOwner;
  TsMarginValues FValues;
};

class TsGroupBox : public TsCachedControl<TGroupBox, COC_TsGroupBox> {
  using TInherited = TsCachedControl<TGroupBox, COC_TsGroupBox>;

 public:
  TsGroupBox();
  const char* ClassName() const override { return "TsGroupBox"; }
  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  void WndProc(TMessage& message) override;

  TsCaptionLayout CaptionLayout() const { return FCaptionLayout; }
  void SetCaptionLayout(TsCaptionLayout value);
  int CaptionYOffset() const { return FCaptionYOffset; }
  void SetCaptionYOffset(int value);
  // A section the caption is painted on; empty: the caption shows what lies behind the box.
  const std::u16string& CaptionSkin() const { return FCaptionSkin; }
  void SetCaptionSkin(std::u16string_view value);
  // The caption's width; 0: the width of its text.
  int CaptionWidth() const { return FCaptionWidth; }
  void SetCaptionWidth(int value);
  TsMargin CaptionMargin{*this};

  // The caption rectangle in the box's coordinates, measured with the box's font.
  TRect CaptionRect() const;
  // Rebuilds the cache: the caption band, the frame below it and the caption.
  void PrepareCache() override;
  // The skinned picture into DC: the cache (without the windowed children's areas) and the windowless
  // children over it.
  void PaintToDC(HDC dc);

 private:
  friend class TsMargin;
  void WriteText(const TRect& captionRect, const TCacheInfo& ci);
  bool MayPaint() const override;
  void PaintCached(HDC dc, bool printing) override;
  void AfterScreenPaint() override;
  void EndParentUpdate(TMessage& message) override;
  void SkinCommand(TMessage& message, TSkinCommand code);
  // The box's look changed: rebuild and repaint it (not while it is being read).
  void LookChanged();
  int TextWidth(std::wstring_view text) const;

  TsCaptionLayout FCaptionLayout = clTopLeft;
  int FCaptionYOffset = 0;
  std::u16string FCaptionSkin;
  int FCaptionWidth = 0;
};

}  // namespace qw
