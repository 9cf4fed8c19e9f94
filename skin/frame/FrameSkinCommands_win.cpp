// TsSkinProvider: the skin commands a skinned form answers and acts on.
#include "fw/Form.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/CtrlAdapter_win.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/FrameBackground_win.h"
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
  const TFrameGeometry g = Geometry();
  AnswerFrameBackground(info, *SkinData, FFormActive, TPoint{g.OffsetX, g.OffsetY}, [this] { PaintAll(); });
}

}  // namespace qw
