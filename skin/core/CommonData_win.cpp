// TsCommonData: life, section and indexes, colour options and the update protocol.
#include "skin/core/CommonData_win.h"

#include <algorithm>
#include <exception>

#include "base/FlagScope.h"
#include "fw/Application.h"
#include "fw/Form.h"
#include "fw/PageControl.h"
#include "fw/Panel.h"
#include "fw/WinControl.h"
#include "image/BitmapColor.h"
#include "image/BitmapDC_win.h"
#include "skin/access/AccessHost_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"
#include "skin/render/BorderMask.h"
#include "skin/render/GlowWindow_win.h"

namespace qw {

namespace {

std::u16string ClassNameOf(const TComponent* c) {
  const std::string name = c ? c->ClassName() : "";
  return std::u16string(name.begin(), name.end());
}

bool IsPanelClass(int coc) { return coc == COC_TsPanel || coc == 52; }

TColor AdjustColor(TColor color, int hue, int saturation) {
  if (color == clNone || color == clNoColor) return color;
  return ChangeColorSaturation(ChangeColorHue(color, hue), saturation);
}

}  // namespace

TsCommonData::TsCommonData(TComponent* owner, bool createCacheBmp)
    : FOwnerObject(owner), FOwnerControl(dynamic_cast<TControl*>(owner)) {
  if (createCacheBmp) FCacheBmp = std::make_unique<TBitmap32>(0, 0);
}

TsCommonData::~TsCommonData() {
  FAccess.reset();
  HideGlow();
  FSkinIndex = FBorderIndex = FTexture = FHotTexture = -1;
  if (FOwnerControl) ForgetHotTracked(FOwnerControl);
  FCacheBmp.reset();
  FSkinManager = nullptr;
}

// ---- Owner -----------------------------------------------------------------------------------------

TWinControl* TsCommonData::OwnerWinControl() const { return dynamic_cast<TWinControl*>(FOwnerControl); }

bool TsCommonData::OwnerDestroying() const { return !FOwnerObject || FOwnerObject->IsDestroying(); }

bool TsCommonData::OwnerLoading() const {
  return FOwnerObject && (FOwnerObject->ComponentState() & (csLoading | csReading)) != 0;
}

bool TsCommonData::OwnerShowing() const {
  if (!FOwnerControl || OwnerDestroying() || OwnerLoading()) return false;
  if (!FOwnerControl->Visible() || !FOwnerControl->Parent()) return false;
  if (TWinControl* w = OwnerWinControl()) return w->HandleAllocated();
  return true;
}

TPoint TsCommonData::OwnerPosition() const {
  return FOwnerControl ? TPoint{FOwnerControl->Left(), FOwnerControl->Top()} : TPoint{};
}

void TsCommonData::TellOwner(UINT code, LPARAM lParam, uint16_t flag) {
  const WPARAM w = SkinCommandWParam(static_cast<TSkinCommand>(code), flag);
  TFlagScope telling(FTellingOwner);
  if (FOwnerControl) {
    PerformOn(*FOwnerControl, TMessage{SkinCommandMsg, w, lParam, 0});
  } else if (auto* form = FOwnerObject ? dynamic_cast<TForm*>(FOwnerObject->Owner()) : nullptr) {
    if (form->HandleAllocated()) SendToWindow(form->Handle(), TMessage{SkinCommandMsg, w, lParam, 0}, form);
  }
}

// ---- Manager and section -----------------------------------------------------------------------------

TsSkinManager* TsCommonData::EffectiveManager() const { return FSkinManager ? FSkinManager : DefaultManager(); }

const TsGeneralData* TsCommonData::Section() const {
  const TsSkinManager* m = EffectiveManager();
  return m && m->IsValidSkinIndex(FSkinIndex) ? &m->gd[static_cast<size_t>(FSkinIndex)] : nullptr;
}

bool TsCommonData::Skinned(bool checkSkinActive) const {
  try {
    const TsSkinManager* m = EffectiveManager();
    if (FSkinSection.empty() || !m || m->IsDestroying() || !m->IsValidSkinIndex(FSkinIndex) || OwnerDestroying())
      return false;
    return !checkSkinActive || m->SkinData.Active;
  } catch (...) {
    return false;
  }
}

void TsCommonData::UpdateIndexes() {
  BGChanged = true;
  const TsSkinManager* m = EffectiveManager();
  FSkinIndex = m && m->Active() ? m->GetSkinIndex(FSkinSection) : -1;
  const TsGeneralData* g = Section();
  BGType = g ? SectionBackgroundType(*g) : 0;
  CtrlSkinState = cssUndefined;
  if (g) {
    FBorderIndex = g->BorderIndex;
    FTexture = m->GetTextureIndex(FSkinIndex, FSkinSection, u"PATTERN");
    FHotTexture = m->GetTextureIndex(FSkinIndex, FSkinSection, u"HOTPATTERN");
    EvaluateSkinState(false);
  } else {
    // Indexes of an earlier skin mean nothing in this one.
    FBorderIndex = FTexture = FHotTexture = -1;
  }
}

void TsCommonData::ResetIndexes() { FSkinIndex = FBorderIndex = FTexture = FHotTexture = -1; }

void TsCommonData::SetSkinSection(std::u16string_view name) {
  std::u16string upper = NormalizeSectionName(name);
  if (upper == FSkinSection) return;
  FSkinSection = std::move(upper);
  TsSkinManager* m = EffectiveManager();
  if (!m || m->gd.empty()) FSkinIndex = -1;
  else UpdateIndexes();
  if (FOwnerControl) {
    if (OwnerLoading() || !FOwnerControl->Parent() || OwnerDestroying()) return;
    if (!FUpdating)
      TellOwner(FSkinIndex >= 0 ? skcRefresh : skcRemoveSkin, reinterpret_cast<LPARAM>(m));
    // A glow of the old section would stay around a control that no longer looks like it.
    HideGlow();
  } else {
    BGChanged = true;
  }
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
  FSkinManager = manager == DefaultManager() ? nullptr : manager;
  if (OwnerLoading()) return;
  TsSkinManager* m = EffectiveManager();
  if (m && !m->gd.empty()) UpdateIndexes();
  else FSkinIndex = -1;
  if (FOwnerControl && FOwnerControl->Parent() && !OwnerDestroying())
    TellOwner(FSkinIndex >= 0 ? skcRefresh : skcRemoveSkin, reinterpret_cast<LPARAM>(m));
}

void TsCommonData::SetCustomColor(bool value) {
  FCustomColor = value;
  if (!OwnerLoading()) ApplySkinColors(true);
}

void TsCommonData::SetCustomFont(bool value) {
  FCustomFont = value;
  if (!OwnerLoading()) ApplySkinColors(true);
}

void TsCommonData::SetHueOffset(int value) {
  FHueOffset = value;
  Loaded();
  Invalidate(false);
}

void TsCommonData::SetSaturation(int value) {
  FSaturation = value;
  Loaded();
  Invalidate(false);
}

void TsCommonData::Loaded() {
  if (FSkinSection.empty()) {
    const std::u16string_view byClass = DefaultSectionOfClass(COC);
    SetSkinSection(byClass.empty() ? std::u16string_view(ClassNameOf(FOwnerObject)) : byClass);
  } else {
    UpdateIndexes();
  }
  if (!Skinned() || !FOwnerControl || !FOwnerControl->Parent() || OwnerLoading()) return;
  if (TWinControl* w = OwnerWinControl()) {
    if (TForm* form = w->GetParentForm(); form && form != static_cast<TControl*>(w))
      SendSkinCommand(form, skcAddControls, reinterpret_cast<LPARAM>(w));
  }
  ApplySkinColors(false);
}

void TsCommonData::ApplySkinColors(bool repaint) {
  const TsGeneralData* g = Section();
  TWinControl* w = OwnerWinControl();
  if (!g || !Skinned() || !IsSkinColoredClass(COC) || !w || !w->HandleAllocated()) return;
  if (!FCustomColor) {
    const TColor c = AdjustColor(g->Props[0].Color, FHueOffset, FSaturation);
    if (w->Color() != c) w->SetColor(c);
  }
  if (!FCustomFont) {
    const TColor c = AdjustColor(g->Props[0].FontColor.Color, FHueOffset, FSaturation);
    if (w->Font().Color() != c) w->Font().SetColor(c);
  }
  if (repaint) Invalidate(false);
}

// ---- Update protocol ---------------------------------------------------------------------------------

void TsCommonData::BeginUpdate() {
  ++FUpdateCount;
  FUpdating = true;
  CtrlSkinState |= cssLocked;
  TellOwner(skcBeginUpdate, 0);
}

void TsCommonData::EndUpdate(bool repaint) {
  --FUpdateCount;
  FUpdating = false;
  CtrlSkinState &= static_cast<uint16_t>(~cssLocked);
  if (FUpdateCount > 0) return;
  TellOwner(skcEndUpdate, 0);
  if (repaint) Invalidate(false);
}

void TsCommonData::Invalidate(bool updateNow) {
  if (FOwnerControl) {
    if (OwnerDestroying() || OwnerLoading()) return;
    BGChanged = true;
    if (!OwnerShowing()) return;
    if (TWinControl* w = OwnerWinControl()) {
      RedrawWindow(w->Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME | (updateNow ? RDW_UPDATENOW : 0));
    } else {
      FOwnerControl->Invalidate();
      if (TWinControl* p = FOwnerControl->Parent(); p && p->HandleAllocated()) UpdateWindow(p->Handle());
    }
    return;
  }
  BGChanged = true;
  if (auto* form = FOwnerObject ? dynamic_cast<TForm*>(FOwnerObject->Owner()) : nullptr; form && form->HandleAllocated())
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
}

bool TsCommonData::QueryUpdating() const {
  if (!EffectiveManager()) return false;
  if ((CtrlSkinState & cssPlainBackground) && !ControlIsActive()) return FUpdating;
  if (FOwnerControl) {
    if (OwnerDestroying()) return FUpdating;
    if (FUpdating) return true;
    TWinControl* parent = FOwnerControl->Parent();
    return parent && SendSkinCommand(parent, skcQueryUpdating) != 0;
  }
  auto* form = FOwnerObject ? dynamic_cast<TForm*>(FOwnerObject->Owner()) : nullptr;
  HWND parent = form && form->HandleAllocated() ? GetParent(form->Handle()) : nullptr;
  return parent && SendSkinCommandToWindow(parent, skcQueryUpdating) != 0;
}

bool TsCommonData::RepaintAfterParentUpdate() {
  TWinControl* w = OwnerWinControl();
  if (!FUpdating || !w || !w->HandleAllocated()) return false;
  // The control's own flag would answer for the parent: the parent is asked afresh.
  FUpdating = false;
  FUpdating = QueryUpdating();
  if (FUpdating) return false;
  RedrawWindow(w->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  return true;
}

bool TsCommonData::RepaintIfMoved() const {
  if (UrgentPainting || !Skinned() || !FOwnerControl || !FOwnerControl->Enabled()) return true;
  if (dynamic_cast<const TTabSheet*>(FOwnerControl)) return true;
  const TsGeneralData* g = Section();
  if (!g || g->Props[0].Transparency <= 0) return false;
  TWinControl* parent = FOwnerControl->Parent();
  return parent && parent->HandleAllocated() && SendSkinCommand(parent, skcQueryParentBG) != 0;
}

bool TsCommonData::ControlIsActive() const {
  if (!FOwnerControl || OwnerDestroying() || !FOwnerControl->Enabled()) return false;
  if (FFocused) return true;
  if (TWinControl* w = OwnerWinControl(); w && w->HandleAllocated() && GetFocus() == w->Handle())
    return !IsPanelClass(COC);
  return FMouseAbove && !IsUntrackedClass(COC);
}

void TsCommonData::EvaluateSkinState(bool children) {
  CtrlSkinState &= static_cast<uint16_t>(~cssPlainBackground);
  const bool evaluates = dynamic_cast<TPanel*>(FOwnerControl) || dynamic_cast<TTabSheet*>(FOwnerControl) ||
                         dynamic_cast<TPageControl*>(FOwnerControl) || !FOwnerControl;
  if (evaluates) {
    TPlainBackgroundInput in;
    const TsSkinManager* m = EffectiveManager();
    const TsGeneralData* g = Section();
    in.HasSection = g != nullptr;
    if (g) {
      if (m->IsValidImgIndex(FBorderIndex)) {
        const TsMaskData& border = m->ma[static_cast<size_t>(FBorderIndex)];
        in.BorderDrawMode = border.DrawMode;
        in.BorderWL = border.WL;
        in.BorderWT = border.WT;
        in.BorderWR = border.WR;
        in.BorderWB = border.WB;
      }
      in.Transparency = g->Props[0].Transparency;
      in.ImagePercent = g->Props[0].ImagePercent;
      in.GradientPercent = g->Props[0].GradientPercent;
      in.TextureIsMaskedFill = m->IsValidImgIndex(FTexture) && m->ma[static_cast<size_t>(FTexture)].DrawMode == 10;
      in.HasCornerImages = g->ImgTL >= 0 || g->ImgTR >= 0 || g->ImgBL >= 0 || g->ImgBR >= 0;
    }
    if (TWinControl* parent = FOwnerControl ? FOwnerControl->Parent() : nullptr) {
      in.HasParent = true;
      in.ParentHasWindow = parent->HandleAllocated();
      if (in.ParentHasWindow && in.HasSection && in.Transparency == 100)
        in.ParentSkinState = static_cast<uint16_t>(SendSkinCommand(parent, skcGetSkinState));
    }
    const TPlainAnswer answer = PlainBackgroundTest(in);
    if (answer != TPlainAnswer::Unknown) {
      if (answer == TPlainAnswer::Yes) CtrlSkinState |= cssPlainBackground;
      CtrlSkinState &= static_cast<uint16_t>(~cssUndefined);
    }
  }
  if (!children) return;
  if (TWinControl* w = OwnerWinControl())
    for (int i = 0; i < w->ControlCount(); ++i) SendSkinCommand(w->Controls(i), skcGetSkinState, 1);
}

}  // namespace qw
