#include "skin/frame/SysMenuRules.h"

namespace qw {

TSysMenuRules FormSysMenuRules(const TFormState& s) {
  const bool framed = s.BorderStyle == qxbsSingle || s.BorderStyle == qxbsSizeable;
  const bool windowLike = framed || s.MdiChild;
  const bool maximizable = (s.BorderIcons & kBiMaximize) != 0;
  TSysMenuRules r;
  r.VisibleClose = s.HaveSysMenu && s.SysMenuHasClose;
  r.VisibleMax = s.HaveSysMenu && ((s.Iconic && !(s.MainForm && s.MainFormOnTaskBar)) || s.MdiChild ||
                                   (framed && maximizable));
  r.VisibleMin = s.HaveSysMenu && (s.Iconic || s.MdiChild || (framed && (s.BorderIcons & kBiMinimize)));
  r.VisibleRestore = s.HaveSysMenu && windowLike;
  r.VisibleSize = windowLike || s.BorderStyle == qxbsSizeToolWin;
  r.VisibleHelp = s.HaveSysMenu && (s.BorderIcons & kBiHelp);
  r.EnabledMax = windowLike && maximizable;
  r.EnabledMin = (s.BorderIcons & kBiMinimize) && !(s.Iconic && !s.MainForm);
  r.EnabledRestore = (maximizable && s.Maximized) || s.Iconic;
  r.EnabledMove = !s.Maximized;
  r.EnabledSize = !(s.BorderStyle == qxbsSingle || s.Iconic);
  return r;
}

TCaptionButtonStates FormCaptionButtons(const TSysMenuRules& r, const TFormState& s) {
  TCaptionButtonStates b;
  b.Shown[cbClose] = s.HaveSysMenu;
  b.Shown[cbMax] = r.VisibleMax;
  b.Shown[cbMin] = r.VisibleMin;
  b.Shown[cbHelp] = r.VisibleHelp;
  b.Clickable[cbClose] = r.VisibleClose;
  b.Clickable[cbMax] = r.EnabledMax || (r.EnabledRestore && !s.Iconic);
  b.Clickable[cbMin] = r.EnabledMin || s.Iconic;
  b.Clickable[cbHelp] = true;
  return b;
}

}  // namespace qw
