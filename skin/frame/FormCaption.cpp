#include "skin/frame/FormCaption.h"

namespace qw {

namespace {

bool BigButtons(const TFormState& s) { return s.BorderStyle == qxbsSingle || s.BorderStyle == qxbsSizeable; }

}  // namespace

TCaptionImages ChooseFormCaptionImages(const TConstantSkinData& c, const TFormState& s) {
  const TSysMenuRules r = FormSysMenuRules(s);
  return ChooseCaptionImages(c, BigButtons(s), !r.VisibleMax && !r.VisibleMin);
}

TFormCaption LayoutFormCaption(const TSkinTables& t, const TFrameGeometry& g, const TFrameWindow& w,
                               const TFormCaptionInput& in) {
  const TFormState& s = in.State;
  TFormCaption out;
  // A minimised form that is not the main form has an icon of its own: its Min button restores it.
  out.Images = ShownCaptionImages(in.Images, t.ConstData, s.Maximized, s.Iconic && !s.MainForm);
  TCaptionInput layout;
  layout.CaptionWidth = g.CaptionWidth;
  layout.Skin = CaptionSkinParams(t.SkinData);
  layout.BigButtons = BigButtons(s);
  SetSystemButtons(layout, t, out.Images, FormCaptionButtons(FormSysMenuRules(s), s));
  layout.User = in.User;
  layout.IconShown = in.IconShown;
  layout.Icon = CaptionIconSize(g.CaptionHeight, in.TitleIcon);
  layout.CaptionPlate = t.GetSkinIndex(u"CAPTION") >= 0;
  out.Layout = LayoutCaption(layout, FormCaptionNumbers(g, w));
  return out;
}

}  // namespace qw
