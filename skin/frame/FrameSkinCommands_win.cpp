// TsSkinProvider: the skin commands a skinned form answers and acts on.
#include "fw/Form.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/CtrlAdapter_win.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/SkinProvider_win.h"
#include "skin/render/SectionPaint.h"

namespace qw {

void TsSkinProvider::OnSkinCommand(TMessage& message) {
  const TSkinCommand code = SkinCommandCode(message.WParam);
  TsSkinManager* own = Manager();
  const bool fromOwn = reinterpret_cast<TsSkinManager*>(message.LParam) == own;
  HWND h = Handle();
  switch (code) {
    case skcGetProvider:
      message.Result = reinterpret_cast<LRESULT>(this);
      return;
    case skcIsSkinned:
      message.Result = Skinned() ? 1 : 0;
      return;
    case skcNewSkin:
      CallPrevious(message);
      if (!fromOwn || !FAttached) return;
      KillAnimations();
      SkinData->UpdateIndexes();
      PrepareForm();
      if (h && IsWindowVisible(h)) RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return;
    case skcRemoveSkin:
      CallPrevious(message);
      if (fromOwn && FPrepared) ReleaseForm();
      if (fromOwn && SkinData->CacheBmp()) *SkinData->CacheBmp() = TBitmap32(0, 0);
      return;
    case skcRefresh:
      CallPrevious(message);
      if (!fromOwn || !Skinned()) return;
      SkinData->BGChanged = true;
      FRgnChanged = true;
      if (h && IsWindowVisible(h)) RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return;
    case skcTitleChanged:
      if (message.WParam & 1) SkinData->BGChanged = true;
      RepaintFrame();
      return;
    case skcMouseLeave:
      FPressed = false;
      SetHotHT(-1);
      return CallPrevious(message);
    case skcAddControls:
      // Null (the whole form) or a control named by our own send in progress.
      if (FAdapter && (!message.LParam || SkinCommandTrusted(message, FForm)))
        FAdapter->AddAllItems(reinterpret_cast<TWinControl*>(message.LParam));
      return;
    case skcGetClientOffset: {
      const TFrameGeometry g = Geometry();
      message.Result = MAKELONG(g.OffsetX, g.OffsetY);
      return;
    }
    case skcGetColor:
      if (!Skinned()) return CallPrevious(message);
      message.Result = SkinData->StateColor(FFormActive ? 1 : 0);
      return;
    case skcPaintBackground: {
      auto* info = SkinCommandAddress<TBackgroundInfo>(message, FForm);
      if (!Skinned() || !info) return CallPrevious(message);
      AnswerBackground(*info);
      message.Result = 1;
      return;
    }
    case skcQueryUpdating:
      message.Result = 0;
      return;
    default:
      return CallPrevious(message);
  }
}

void TsSkinProvider::AnswerBackground(TBackgroundInfo& info) {
  const TsSkinManager& m = *Manager();
  const TsGeneralData& g = m.gd[static_cast<size_t>(SkinData->SkinIndex())];
  const int state = LimitState(g, FFormActive ? 1 : 0);
  const TsGenState& p = g.Props[static_cast<size_t>(state)];
  if (p.GradientPercent <= 0 && p.ImagePercent <= 0) {
    // A plain section: its colour is the whole answer.
    info.BgType = btFill;
    info.Color = SkinData->StateColor(state);
    if (info.PleaseDraw && info.DrawDC)
      FillRectDC(info.DrawDC, TRect{0, 0, info.R.Right - info.R.Left, info.R.Bottom - info.R.Top}, info.Color);
    return;
  }
  if (SkinData->BGChanged) PaintAll();
  const TFrameGeometry geometry = Geometry();
  info.BgType = btCache;
  info.Bmp = SkinData->CacheBmp();
  info.Offset = TPoint{geometry.OffsetX, geometry.OffsetY};
  if (info.PleaseDraw && info.DrawDC) {
    const TRect from{info.R.Left + geometry.OffsetX, info.R.Top + geometry.OffsetY, info.R.Right + geometry.OffsetX,
                     info.R.Bottom + geometry.OffsetY};
    CopyBitmapToDC(info.DrawDC, *info.Bmp, from, TPoint{0, 0});
  }
}

}  // namespace qw
