#include "skin/frame/dialog/DialogRules.h"

namespace qw {

namespace {

bool Framed(TqxBorderStyle b) { return b == qxbsSingle || b == qxbsSizeable; }
bool ToolOrPlain(TqxBorderStyle b) {
  return b == qxbsDialog || b == qxbsNone || b == qxbsToolWindow || b == qxbsSizeToolWin;
}

}  // namespace

TSysMenuRules DialogSysMenuRules(const TDialogState& s) {
  const TqxBorderStyle b = s.BorderStyle();
  TSysMenuRules r;
  r.VisibleClose = (s.Style & kWsSysMenu) != 0;
  r.VisibleMax = (s.Style & kWsMaximizeBox) != 0;
  r.VisibleMin = (s.Style & kWsMinimizeBox) != 0;
  r.VisibleHelp = (s.ExStyle & kWsExContextHelp) != 0;
  r.VisibleRestore = !ToolOrPlain(b) && r.VisibleClose;
  r.VisibleSize = !(b == qxbsDialog || b == qxbsNone || b == qxbsToolWindow);
  r.EnabledMax = r.VisibleMax && !s.Maximized && (Framed(b) || b == qxbsSizeToolWin);
  r.EnabledMin = r.VisibleMin && !s.Iconic;
  r.EnabledRestore = r.VisibleMax && (s.Iconic || s.Maximized);
  r.EnabledMove = !s.Maximized;
  r.EnabledSize = !(b == qxbsSingle || s.Iconic);
  return r;
}

TCaptionButtonStates DialogCaptionButtons(const TSysMenuRules& r, const TDialogState& s) {
  TCaptionButtonStates b;
  if (!r.VisibleClose) return b;
  b.Shown[cbClose] = true;
  b.Shown[cbMax] = r.VisibleMax;
  b.Shown[cbMin] = r.VisibleMin;
  b.Shown[cbHelp] = r.VisibleHelp;
  b.Clickable[cbClose] = !s.ClassNoClose;
  b.Clickable[cbMax] = r.EnabledMax || r.EnabledRestore;
  b.Clickable[cbMin] = r.EnabledMin || s.Iconic;
  b.Clickable[cbHelp] = true;
  return b;
}

TCaptionImages ChooseDialogCaptionImages(const TConstantSkinData& c, const TDialogState& s) {
  const TSysMenuRules r = DialogSysMenuRules(s);
  return ChooseCaptionImages(c, Framed(s.BorderStyle()), !r.VisibleMax && !r.VisibleMin);
}

TFormCaption LayoutDialogCaption(const TSkinTables& t, const TFrameGeometry& g, const TDialogState& s, TSize icon,
                                 const TBorderWindowFrame& bw) {
  const TSysMenuRules r = DialogSysMenuRules(s);
  TFormCaption out;
  out.Images = ShownCaptionImages(ChooseDialogCaptionImages(t.ConstData, s), t.ConstData, s.Maximized, s.Iconic);
  TCaptionInput in;
  in.CaptionWidth = g.CaptionWidth;
  in.Skin = CaptionSkinParams(t.SkinData);
  in.BigButtons = Framed(s.BorderStyle());
  SetSystemButtons(in, t, out.Images, DialogCaptionButtons(r, s));
  in.IconShown = icon.Width > 0 && icon.Height > 0;
  in.Icon = icon;
  out.Layout = LayoutCaption(in, DialogCaptionNumbers(g, bw));
  return out;
}

}  // namespace qw
