#include "skin/controls/BaseWnd_win.h"

#include "skin/core/CommonData_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"

namespace qw {

void TqxBaseWnd::RepaintFrame() {
  if (!Destroyed && WindowVisible()) SendMessageW(CtrlHandle, WM_NCPAINT, 1, 0);
}

void TqxBaseWnd::qxWndProc(TMessage& message) {
  if (!Skinned()) return TqxScrollWnd::qxWndProc(message);
  switch (message.Msg) {
    case WM_SIZE:
    case WM_EXITSIZEMOVE:
      SkinData->BGChanged = true;
      break;
    case WM_SETCURSOR:
      if (LoWord(message.LParam) == HTVSCROLL || LoWord(message.LParam) == HTHSCROLL) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        message.Result = TRUE;
        return;
      }
      break;
    default:
      if (message.Msg != SkinCommandMsg) break;
      switch (SkinCommandCode(message.WParam)) {
        case skcRefresh:
          TqxScrollWnd::qxWndProc(message);
          if (reinterpret_cast<TsSkinManager*>(message.LParam) == Manager()) RepaintFrame();
          return;
        case skcPrepareCache:
          PrepareCache();
          message.Result = 1;
          return;
        default:
          break;
      }
  }
  TqxScrollWnd::qxWndProc(message);
  if (Destroyed) return;
  switch (message.Msg) {
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (!DontRepaint) UpdateBars(true);
      break;
    case WM_ENABLE:
    case FW_ENABLED_CHANGED:
      SkinData->BGChanged = true;
      RepaintFrame();
      break;
    default:
      break;
  }
}

}  // namespace qw
