// TsCommonData: the skin commands and window messages every skinned control handles alike.
#include "skin/core/CommonData_win.h"

#include <algorithm>
#include <exception>

#include "fw/Application.h"
#include "fw/Form.h"
#include "fw/Label.h"
#include "fw/PageControl.h"
#include "fw/Panel.h"
#include "fw/WinControl.h"
#include "image/BitmapColor.h"
#include "image/BitmapDC_win.h"
#include "skin/access/AccessHost_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/PopupMenuHook_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"
#include "skin/render/BorderMask.h"
#include "skin/render/GlowWindow_win.h"

namespace qw {

// ---- Messages ------------------------------------------------------------------------------------------

void TsCommonData::RemoveSkin() {
  if (FSkinManager && FSkinManager->IsDestroying()) FSkinManager = nullptr;
  ResetIndexes();
  FUpdating = true;
  if (FCacheBmp && !FCacheBmp->Empty()) *FCacheBmp = TBitmap32(0, 0);
  TWinControl* w = OwnerWinControl();
  if (!w) return;
  const TColor windowText = static_cast<TColor>(0xFF000000u | COLOR_WINDOWTEXT);
  if (IsSkinColoredClass(COC)) {
    if (!FCustomColor) w->SetColor(static_cast<TColor>(0xFF000000u | COLOR_WINDOW));
    if (!FCustomFont) w->Font().SetColor(windowText);
    if (w->HandleAllocated())
      RedrawWindow(w->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    return;
  }
  // Plain labels on the control wrote in the skin's colour: back to the system's. Skinned ones see to
  // their colour themselves.
  for (int i = 0; i < w->ControlCount(); ++i)
    if (auto* label = dynamic_cast<TLabel*>(w->Controls(i)); label && SendSkinCommand(label, skcIsSkinned) != 1)
      label->Font().SetColor(windowText);
}

namespace {

// The codes a broadcast carries to every control: a skinned container passes them on to its children.
bool IsBroadcastCommand(TSkinCommand code) {
  return code == skcNewSkin || code == skcRemoveSkin || code == skcRefresh || code == skcStopFading ||
         code == skcSectionChanged;
}

}  // namespace

bool TsCommonData::WMGetObject(TMessage& message, WPARAM flags, LPARAM objectId) {
  TWinControl* w = OwnerWinControl();
  if (!FAccess || !w || !w->HandleAllocated() || OwnerDestroying()) return false;
  return FAccess->Answer(w->Handle(), flags, objectId, message.Result);
}

bool TsCommonData::CommonSkinMessage(TMessage& message) {
  const bool handled = HandleSkinCommand(message);
  // A refresh or removal the control's own section change caused concerns the control alone.
  if (IsBroadcastCommand(SkinCommandCode(message.WParam)) && !FTellingOwner)
    if (TWinControl* w = OwnerWinControl(); w && w->ControlCount() > 0) {
      TMessage copy = message;
      BroadcastToChildren(w, copy);
    }
  return handled;
}

bool TsCommonData::HandleSkinCommand(TMessage& message) {
  const TSkinCommand code = SkinCommandCode(message.WParam);
  const uint16_t flag = LOWORD(message.WParam);
  // An address is followed only in our own send to this control: anything else with it is swallowed.
  if (!SkinCommandTrusted(message, FOwnerControl)) {
    message.Result = 0;
    return true;
  }
  const auto ofManager = [this, &message] {
    return reinterpret_cast<TsSkinManager*>(message.LParam) == EffectiveManager();
  };
  const auto answer = [&message](LRESULT result) {
    message.Result = result;
    return true;
  };
  switch (code) {
    case skcNewSkin:
      if (ofManager()) {
        UpdateIndexes();
        EvaluateSkinState(false);
      }
      return false;
    case skcRemoveSkin:
      if (ofManager()) RemoveSkin();
      return false;
    case skcRefresh:
      if (ofManager()) {
        BGChanged = true;
        FUpdating = false;
        ApplySkinColors(true);
        EvaluateSkinState(false);
      }
      return false;
    case skcIsSkinned:
      return answer(1);
    case skcSetUpdating:
      FUpdating = flag == 1;
      return false;
    case skcSetUrgentPainting:
      UrgentPainting = flag == 1;
      return false;
    case skcQueryUpdating:
      return answer(BGChanged || FUpdating);
    case skcQueryHalfVisible:
      return answer(HalfVisible);
    case skcSectionChanged:
      if (!FSkinSection.empty() && FSkinSection == UpdatedSectionName) Invalidate(false);
      return false;
    case skcSetSection:
      if (const auto* record = reinterpret_cast<const TsSectionRecord*>(message.LParam)) SetSkinSection(record->SectionName);
      return false;
    case skcSetBGChanged:
      BGChanged = true;
      return false;
    case skcQueryParentBG: {
      const TsGeneralData* g = Section();
      if (!g) return answer(0);
      TWinControl* parent = FOwnerControl ? FOwnerControl->Parent() : nullptr;
      if (g->Props[0].Transparency == 100 && parent) return answer(SendSkinCommand(parent, skcQueryParentBG) != 0);
      return answer(g->Props[0].GradientPercent + g->Props[0].ImagePercent > 0 || RepaintIfMoved());
    }
    case skcParentBGChanged: {
      const bool dependent = RepaintIfMoved();
      BGChanged = BGChanged || dependent;
      TWinControl* w = OwnerWinControl();
      if (w && w->HandleAllocated() && flag == 1)
        RedrawWindow(w->Handle(), nullptr, nullptr, RDW_ALLCHILDREN | RDW_NOERASE | RDW_NOINTERNALPAINT | RDW_INVALIDATE);
      if (dependent && w)
        for (int i = 0; i < w->ControlCount(); ++i)
          if (!w->Controls(i)->IsDestroying()) SendSkinCommand(w->Controls(i), skcParentBGChanged, 0, flag);
      return false;
    }
    case skcGetColor:
      return answer(BackgroundColorForChildren());
    case skcSetHalfVisible:
      HalfVisible = true;
      return false;
    case skcGetSkinIndex:
      if (auto* index = reinterpret_cast<int*>(message.LParam)) *index = FSkinIndex;
      return answer(1);
    case skcClearCache:
      if (FCacheBmp) {
        if (TWinControl* w = OwnerWinControl())
          for (int i = 0; i < w->ControlCount(); ++i)
            if (auto* child = dynamic_cast<TWinControl*>(w->Controls(i)); child && child->HandleAllocated())
              SendSkinCommand(child, skcClearCache);
        *FCacheBmp = TBitmap32(0, 0);
        BGChanged = true;
        FUpdating = true;
      }
      return false;
    case skcPaintBackground:
      if (auto* info = reinterpret_cast<TBackgroundInfo*>(message.LParam)) AnswerBackgroundRequest(*info, 0);
      return answer(1);
    case skcGetSkinState:
      if (message.LParam == 1) {
        EvaluateSkinState(true);
        return false;
      }
      if (CtrlSkinState == cssUndefined) EvaluateSkinState(false);
      return answer(CtrlSkinState);
    case skcGetCommonData:
      return answer(reinterpret_cast<LRESULT>(this));
    case skcSetPrintDC:
      if (message.LParam) CtrlSkinState |= cssPrinting;
      else CtrlSkinState &= static_cast<uint16_t>(~cssPrinting);
      PrintDC = reinterpret_cast<HDC>(message.LParam);
      return answer(1);
    case skcGetApplication:
      return answer(reinterpret_cast<LRESULT>(&Application()));
    default:
      return false;
  }
}

void TsCommonData::SetAccessSource(TAccessSource& source) {
  FAccessSource = &source;
  FAccess = std::make_unique<TAccessHost>(source);
}

void TsCommonData::AnnounceAccessChanges() {
  if (!FAccess || OwnerDestroying() || OwnerLoading()) return;
  if (TWinControl* w = OwnerWinControl()) return FAccess->AnnounceChanges(w->HandleAllocated() ? w->Handle() : nullptr);
  // A windowless control is an element of its parent's object, whose name may be made of it too: the
  // parent tells what changed, the element by its id.
  TWinControl* parent = FOwnerControl ? FOwnerControl->Parent() : nullptr;
  if (!parent || parent->IsDestroying()) return;
  if (auto* data = reinterpret_cast<TsCommonData*>(SendSkinCommand(parent, skcGetCommonData)); data && data != this)
    data->AnnounceAccessChanges();
}

bool TsCommonData::CommonWndProc(TMessage& message) {
  if (message.Msg == SkinCommandMsg) return CommonSkinMessage(message);
  TWinControl* w = OwnerWinControl();
  // What the control reads as once its window is there: later changes are told against it. (The system
  // raises the focus events itself.)
  if (FAccess && w && w->HandleAllocated() && !OwnerLoading()) FAccess->NoteBaseline();
  switch (message.Msg) {
    case WM_GETOBJECT:
      return WMGetObject(message, message.WParam, message.LParam);
    case FW_ACCESS_ACTION:
      if (FAccessSource && !OwnerDestroying()) FAccessSource->DoAccessDefaultAction(static_cast<int>(message.WParam));
      return true;
    case FW_CHANGED:
    case FW_TEXT_CHANGED:
      AnnounceAccessChanges();
      return false;
    case WM_MOVE:
      if (RepaintIfMoved()) {
        BGChanged = true;
        TellOwner(skcParentBGChanged, 0, 1);
      }
      HideGlow();
      return false;
    case WM_SIZE:
      if (Skinned()) {
        BGChanged = true;
        const TsGeneralData* g = Section();
        if (w && g && g->Props[0].GradientPercent >= 1)
          for (int i = 0; i < w->ControlCount(); ++i)
            if (!w->Controls(i)->IsDestroying()) SendSkinCommand(w->Controls(i), skcParentBGChanged, 0, 1);
      }
      HideGlow();
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (w && w->TabStop && w->CanFocus()) {
        const bool focused = message.Msg == WM_SETFOCUS;
        BGChanged = true;
        FFocused = focused;
        const TsGeneralData* g = Section();
        const bool redraw = focused ? (Skinned() && IsSkinColoredClass(COC) && g && g->States > 1)
                                    : (IsSkinColoredClass(COC) && w->Visible());
        if (redraw && w->HandleAllocated())
          RedrawWindow(w->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
      }
      return false;
    case WM_FONTCHANGE:
    case FW_ENABLED_CHANGED:
      AnnounceAccessChanges();
      FMouseAbove = false;
      FFocused = false;
      if (FOwnerControl && !FOwnerControl->Enabled()) HideGlow();
      return false;
    case WM_UPDATEUISTATE:
      if (!Skinned()) return false;
      message.Result = 1;
      return true;
    case WM_PARENTNOTIFY:
      if (LOWORD(message.WParam) == WM_CREATE && w) {
        if (TForm* form = w->GetParentForm(); form && form != static_cast<TControl*>(w))
          SendSkinCommand(form, skcAddControls, reinterpret_cast<LPARAM>(w));
      }
      return false;
    case FW_MOUSE_ENTER:
      if (!Skinned()) return false;
      if (!w) {
        // A windowless control is never the window under the mouse, and gets no glow of its own.
        FMouseAbove = true;
        return false;
      }
      if (!IsUntrackedClass(COC)) FMouseAbove = true;
      if (w->HandleAllocated()) {
        SetActiveControl(EffectiveManager(), w->Handle());
        const TsGeneralData* g = Section();
        if (IsSkinColoredClass(COC) && g && g->States > 1) {
          BGChanged = true;
          SendMessageW(w->Handle(), WM_NCPAINT, 1, 0);
        }
      }
      if (!IsNoGlowClass(COC)) ShowGlow(false);
      return false;
    case FW_MOUSE_LEAVE:
      if (!Skinned()) return false;
      if (!IsUntrackedClass(COC)) FMouseAbove = false;
      if (!IsNoGlowClass(COC)) HideGlow();
      if (w && w->HandleAllocated() && w->Visible() && IsSkinColoredClass(COC)) {
        BGChanged = true;
        SendMessageW(w->Handle(), WM_NCPAINT, 1, 0);
      }
      return false;
    case WM_DESTROY:
      // While the handle is still good: a hot control that goes away is no longer hot.
      if (FOwnerControl) ForgetHotTracked(FOwnerControl);
      HideGlow();
      return false;
    case WM_CONTEXTMENU:
      // The control's own menu is about to open: it must be skinned as the control is.
      if (Skinned()) HookControlPopupMenu(FOwnerControl, EffectiveManager());
      return false;
    case FW_SHOWING_CHANGED:
      if (FOwnerControl && FOwnerControl->Visible()) Loaded();
      return false;
    default:
      return false;
  }
}

}  // namespace qw
