#include "skin/frame/CaptionLayout.h"

#include <algorithm>

namespace qw {

namespace {

// User title buttons sit this far left of the system buttons.
constexpr int32_t kUserButtonsGap = 6;

constexpr int32_t kSystemHitCodes[cbSystemCount] = {kHtClose, kHtMaxButton, kHtMinButton, kHtHelp};

// The top of an item Height pixels high, centred the caption's way.
int32_t CentredTop(const TCaptionNumbers& n, int32_t height) {
  return n.BandHeight > 0 ? (n.BandHeight - height) / 2 : n.VCenter - height / 2;
}

int32_t ButtonWidth(const TCaptionButtonSpec& b) {
  return std::max(b.GlyphWidth > 0 ? b.GlyphWidth + 2 : 0, b.Image.Width);
}

// Places buttons leftwards from X; each placed one moves X past itself and the spacing.
class TButtonRow {
 public:
  TButtonRow(const TCaptionInput& in, const TCaptionNumbers& n)
      : FIn(in), FNumbers(n), FSpacing(in.BigButtons ? in.Skin.Spacing : 0),
        FX(in.CaptionWidth - in.Skin.RightMargin - n.FrameRight) {}

  TCaptionButtonBox Place(const TCaptionButtonSpec& b, int32_t hitCode) {
    TCaptionButtonBox box{TRect{}, hitCode, b.Clickable};
    if (!b.Shown) return box;
    const int32_t height = FNumbers.CloseHeightForAll ? FIn.System[cbClose].Image.Height : b.Image.Height;
    const int32_t top = b.Aligned && FIn.Skin.VAlign == 1 ? FNumbers.AlignedTop : CentredTop(FNumbers, height);
    box.Rect = TRect{FX - ButtonWidth(b), top, FX, top + height};
    FX = box.Rect.Left - FSpacing;
    return box;
  }
  void Skip(int32_t gap) { FX -= gap; }
  int32_t Spacing() const { return FSpacing; }

 private:
  const TCaptionInput& FIn;
  const TCaptionNumbers& FNumbers;
  int32_t FSpacing;
  int32_t FX;
};

// What the buttons take from the caption's right end: the frame's way counts the margin, each shown
// button with its spacing and the gap before the user buttons (but not the Help gap); the dialog's way
// only the system buttons' images, and nothing without Close.
int32_t TitleButtonsWidth(const TCaptionInput& in, const TCaptionNumbers& n, int32_t spacing) {
  const int32_t each = n.PlainButtonsWidth ? 0 : spacing;
  const auto sum = [each](const auto& buttons) {
    int32_t width = 0;
    for (const TCaptionButtonSpec& b : buttons) width += b.Shown ? ButtonWidth(b) + each : 0;
    return width;
  };
  if (n.PlainButtonsWidth) return in.System[cbClose].Shown ? sum(in.System) : 0;
  return in.Skin.RightMargin + sum(in.System) + (in.User.empty() ? 0 : kUserButtonsGap + sum(in.User));
}

}  // namespace

TCaptionNumbers FormCaptionNumbers(const TFrameGeometry& g, const TFrameWindow& w) {
  const TBorderWindowFrame& bw = w.BorderWindow;
  TCaptionNumbers n;
  n.FrameLeft = g.SysBorderWidth + (bw.Present ? bw.Shadow.Left : 0);
  n.FrameRight = g.SysBorderWidth + (bw.Present ? bw.Shadow.Right : 0);
  n.HeaderHeight = (bw.Present ? bw.Shadow.Top : 0) + g.SysBorderHeight + g.CaptionHeight;
  if (bw.Present) {
    // The skin's caption sits at the bottom of the taller maximised one; a maximised form whose two
    // caption heights differ is not moved by the centre offset.
    const bool ownMaxHeight = w.Maximized() && bw.MaxHeight != bw.TitleHeight;
    n.VCenter = bw.Shadow.Top + bw.MaxHeight / 2 + g.CaptionHeight - bw.MaxHeight;
    if (!ownMaxHeight) n.VCenter += bw.CenterOffset;
    n.AlignedTop = bw.Shadow.Top + (w.Maximized() ? 4 + std::max(0, bw.TitleHeight - bw.MaxHeight) : bw.TopMargin);
  } else {
    n.VCenter = g.CaptionHeight / 2 + g.SysBorderWidth / 2 + (w.Maximized() ? 2 : 0);
    n.AlignedTop = w.Maximized() ? 7 : 0;
  }
  n.CloseHeightForAll = true;
  n.HelpGap = 6;
  n.TextRightGap = 12;
  return n;
}

TCaptionNumbers DialogCaptionNumbers(const TFrameGeometry& g, const TBorderWindowFrame& bw) {
  TCaptionNumbers n;
  n.FrameLeft = n.FrameRight = g.SysBorderWidth;
  n.HeaderHeight = g.SysBorderHeight + g.CaptionHeight;
  n.VCenter = n.HeaderHeight / 2;
  n.BandHeight = n.HeaderHeight;
  n.PlainButtonsWidth = true;
  n.TextTop = 2;
  n.TextRightGap = 6;
  if (bw.Present) {
    // In a border window's picture the caption lies inside the shadow: centred on its own line there.
    n.FrameLeft += bw.Shadow.Left;
    n.FrameRight += bw.Shadow.Right;
    n.VCenter += bw.Shadow.Top;
    n.BandHeight = 0;
    n.HeaderHeight += bw.Shadow.Top;
    n.TextTop += bw.Shadow.Top;
  }
  return n;
}

TCaptionLayout LayoutCaption(const TCaptionInput& in, const TCaptionNumbers& n) {
  TCaptionLayout out;
  const int32_t iconLeft = n.FrameLeft + in.Skin.LeftMargin;
  if (in.IconShown) {
    const int32_t top = CentredTop(n, in.Icon.Height);
    out.Icon = TRect{iconLeft, top, iconLeft + in.Icon.Width, top + in.Icon.Height};
  } else {
    out.Icon = TRect{iconLeft, 0, iconLeft, 0};
  }

  TButtonRow row(in, n);
  for (int i = 0; i < cbSystemCount; ++i) {
    if (i == cbHelp && in.System[i].Shown) row.Skip(n.HelpGap);
    out.System[i] = row.Place(in.System[i], kSystemHitCodes[i]);
  }
  if (!in.User.empty()) row.Skip(kUserButtonsGap);
  for (size_t i = 0; i < in.User.size(); ++i) {
    out.User.push_back(row.Place(in.User[i], kHtUserButton + static_cast<int32_t>(i)));
  }

  out.TitleButtonsWidth = TitleButtonsWidth(in, n, row.Spacing());
  const int32_t iconWidth = in.IconShown ? in.Icon.Width : 0;
  out.Text = TRect{iconLeft + iconWidth + (in.CaptionPlate ? 2 : 0) + 4, n.TextTop,
                   in.CaptionWidth - out.TitleButtonsWidth - n.TextRightGap, n.HeaderHeight};
  return out;
}

TSize CaptionIconSize(int32_t captionHeight, TSize titleIcon) {
  const int32_t fitting = captionHeight > 16 ? 16 : captionHeight > 8 ? 8 : 1;
  return TSize{titleIcon.Width > 0 ? titleIcon.Width : fitting, titleIcon.Height > 0 ? titleIcon.Height : fitting};
}

TRect CaptionTextRect(const TCaptionLayout& layout, const TCaptionNumbers& n, int32_t textHeight) {
  const int32_t top = n.BandHeight > 0 ? layout.Text.Top + (HeightOfRect(layout.Text) - textHeight) / 2
                                       : n.VCenter - textHeight / 2;
  return TRect{layout.Text.Left, top, layout.Text.Right, top + textHeight};
}

TRect AlignCaptionText(TRect room, TAlignment alignment, bool rightToLeft, int32_t captionWidth, int32_t addedWidth) {
  if (rightToLeft && alignment != taCenter) alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
  const int64_t needed = int64_t{captionWidth} + addedWidth + 4, width = WidthOfRect(room);
  if (alignment == taRightJustify && needed <= width) room.Left = static_cast<int32_t>(room.Right - needed);
  if (alignment == taCenter) {
    room.Left = static_cast<int32_t>(std::max<int64_t>(room.Left, room.Left + (width - needed) / 2));
    room.Right = static_cast<int32_t>(std::min<int64_t>(int64_t{room.Left} + captionWidth, room.Right));
  }
  return room;
}

}  // namespace qw
