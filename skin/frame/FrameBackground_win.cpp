#include "skin/frame/FrameBackground_win.h"

#include "image/BitmapDC_win.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/SectionPaint.h"

namespace qw {

void AnswerFrameBackground(TBackgroundInfo& info, TsCommonData& skinData, bool active, TPoint clientOffset,
                           const std::function<void()>& rebuild) {
  const TsSkinManager* m = skinData.EffectiveManager();
  if (!m || !m->IsValidSkinIndex(skinData.SkinIndex())) return;
  const TsGeneralData& g = m->gd[static_cast<size_t>(skinData.SkinIndex())];
  const int state = LimitState(g, active ? 1 : 0);
  const TsGenState& p = g.Props[static_cast<size_t>(state)];
  if (p.GradientPercent <= 0 && p.ImagePercent <= 0) {
    // A plain section: its colour is the whole answer.
    info.BgType = btFill;
    info.Color = skinData.StateColor(state);
    if (info.PleaseDraw && info.DrawDC)
      FillRectDC(info.DrawDC, TRect{0, 0, info.R.Right - info.R.Left, info.R.Bottom - info.R.Top}, info.Color);
    return;
  }
  if (skinData.BGChanged) rebuild();
  info.BgType = btCache;
  info.Bmp = skinData.CacheBmp();
  info.Offset = clientOffset;
  if (info.PleaseDraw && info.DrawDC) {
    const TRect from{info.R.Left + clientOffset.X, info.R.Top + clientOffset.Y, info.R.Right + clientOffset.X,
                     info.R.Bottom + clientOffset.Y};
    CopyBitmapToDC(info.DrawDC, *info.Bmp, from, TPoint{0, 0});
  }
}

}  // namespace qw
