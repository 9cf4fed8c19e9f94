#include "skin/controls/BitBtnLayout.h"

#include <algorithm>

namespace qw {

namespace {

constexpr int kStateNormal = 0, kStateHot = 1, kStatePressed = 2, kStateDefault = 3;

bool Beside(TButtonLayout l) { return l == blGlyphLeft || l == blGlyphRight; }

}  // namespace

TGlyphTextLayout LayoutGlyphAndText(const TGlyphTextInput& in) {
  const int32_t cw = WidthOfRect(in.Client), ch = HeightOfRect(in.Client);
  const int32_t gw = in.Glyph.Width, gh = in.Glyph.Height, tw = in.Text.Width, th = in.Text.Height;
  TButtonLayout layout = in.Layout;
  if (in.RightToLeft && layout == blGlyphLeft) layout = blGlyphRight;
  else if (in.RightToLeft && layout == blGlyphRight) layout = blGlyphLeft;
  const bool beside = Beside(layout);

  TGlyphTextLayout out;
  TRect caption{0, 0, tw, th};
  int32_t textX = 0, textY = 0;
  if (beside) {
    out.GlyphPos.Y = (ch - gh + 1) / 2;
    textY = (ch - th + 1) / 2;
  } else {
    out.GlyphPos.X = (cw - gw + 1) / 2;
    textX = (cw - tw + 1) / 2;
  }

  int32_t s = (tw == 0 || gw == 0) ? 0 : in.Spacing;
  int32_t m = in.Margin;
  // The room along the direction glyph and caption follow each other.
  const int32_t room = beside ? cw : ch;
  const int32_t glyphAlong = beside ? gw : gh, textAlong = beside ? tw : th;
  if (m == -1) {
    if (s < 0) {
      m = (room - (glyphAlong + textAlong)) / 3;
      s = m;
    } else if (in.Alignment == taCenter) {
      m = (room - (glyphAlong + s + textAlong) + 1) / 2;
    } else {
      m = 2;
    }
  }
  if (m != -1 && s < 0) s = ((room - (m + glyphAlong)) - textAlong) / 2;

  switch (layout) {
    case blGlyphLeft:
      if (in.Alignment == taLeftJustify) {
        out.GlyphPos.X = m;
        textX = m + gw + s;
        caption.Right = std::min(tw, cw - m - textX);
      } else if (in.Alignment == taCenter) {
        m = std::max((cw - tw - s - gw) / 2, m);
        out.GlyphPos.X = m;
        textX = m + s + gw;
      } else {
        // The caption's place decides the glyph's, so it is found first.
        textX = cw - m - tw;
        out.GlyphPos.X = textX - s - gw;
      }
      break;
    case blGlyphRight:
      if (in.Alignment == taLeftJustify) {
        out.GlyphPos.X = m + tw + s;
        textX = m;
      } else if (in.Alignment == taCenter) {
        m = (cw - tw - s - gw) / 2;
        out.GlyphPos.X = m + s + tw;
        textX = m;
      } else {
        out.GlyphPos.X = cw - m - gw;
        textX = out.GlyphPos.X - s - tw;
      }
      break;
    case blGlyphTop:
      out.GlyphPos.Y = (ch - gh - s - th) / 2;
      textY = out.GlyphPos.Y + gh + s;
      break;
    case blGlyphBottom:
      out.GlyphPos.Y = ch - gh - (ch - gh - s - th) / 2;
      textY = out.GlyphPos.Y - s - th;
      break;
  }
  out.GlyphPos.X += in.Client.Left;
  out.GlyphPos.Y += in.Client.Top;
  out.CaptionRect = OffsetRect(caption, textX + in.Client.Left, textY + in.Client.Top);
  return out;
}

int32_t MaxCaptionWidth(const TBitBtnContent& c) {
  if (!c.ShowCaption || c.Caption.empty()) return 0;
  int32_t w = c.Width - 2 * c.Margin;
  if (Beside(c.Layout) && c.Glyph.Width != 0) w -= c.Glyph.Width + c.Spacing;
  return w;
}

uint32_t AlignmentTextFlag(TAlignment a) {
  switch (a) {
    case taLeftJustify:
      return kDtLeft;
    case taRightJustify:
      return kDtRight;
    default:
      return kDtCenter;
  }
}

uint32_t CaptionMeasureFlags(TAlignment textAlignment, bool wordWrap) {
  return kDtCalcRect | kDtExpandTabs | AlignmentTextFlag(textAlignment) | kDtVCenter | (wordWrap ? kDtWordBreak : 0);
}

uint32_t CaptionDrawFlags(TAlignment textAlignment, bool wordWrap, bool rightToLeftReading) {
  return AlignmentTextFlag(textAlignment) | kDtVCenter | kDtExpandTabs | kDtEndEllipsis |
         (wordWrap ? kDtWordBreak : 0) | (rightToLeftReading ? kDtRtlReading : 0);
}

TGlyphTextLayout LayoutBitBtnContent(const TBitBtnContent& c, TTextRenderer& measurer) {
  TGlyphTextInput in;
  in.Client = TRect{0, 0, c.Width, c.Height};
  in.Glyph = c.Glyph;
  const int32_t maxWidth = MaxCaptionWidth(c);
  if (maxWidth != 0) {
    // A button too narrow for any caption still measures it one pixel wide (0 would mean no limit).
    const TTextExtent e = measurer.MeasureText(c.Caption, CaptionMeasureFlags(c.TextAlignment, c.WordWrap),
                                               std::max<int32_t>(1, maxWidth));
    in.Text = TItemSize{e.Width, e.Height};
  }
  in.RightToLeft = c.RightToLeft;
  in.Spacing = c.Spacing;
  in.Margin = c.Margin;
  in.Alignment = c.Alignment;
  in.Layout = c.Layout;
  return LayoutGlyphAndText(in);
}

int BitBtnState(const TBitBtnStateInput& in) {
  if (in.Down || ((in.Pushed || in.ForcedPressed) && (in.MouseAbove || !in.LeftHeld))) return kStatePressed;
  if (in.Active) return kStateHot;
  if (in.IsDefault) return kStateDefault;
  return kStateNormal;
}

int BitBtnSectionState(int state, int sectionStates) {
  if (state == kStateDefault && sectionStates < 4) state = kStateHot;
  return std::clamp(state, 0, std::max(0, sectionStates - 1));
}

TRect BitBtnImageRect(TPoint glyphPos, TItemSize glyph, int state, bool reflected) {
  TRect r{glyphPos.X, glyphPos.Y, glyphPos.X + glyph.Width, glyphPos.Y + glyph.Height};
  if (state == kStatePressed) r = OffsetRect(r, 1, 1);
  if (reflected) r = OffsetRect(r, 0, -(glyph.Width / 6));
  return r;
}

int GlyphImageIndex(int state, int numGlyphs) { return std::clamp(state, 0, std::max(1, numGlyphs) - 1); }

int ClampBlend(int value) { return std::clamp(value, 0, 100); }

}  // namespace qw
