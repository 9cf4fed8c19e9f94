// TsSkinProvider: taking over a form, setting its frame up and giving it back, the frame's measures.
#include "skin/frame/SkinProvider_win.h"

#include <stdexcept>

#include "fw/Application.h"
#include "fw/Form.h"
#include "skin/controls/CtrlAdapter_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/BorderForm_win.h"
#include "skin/frame/MinTimer_win.h"
#include "skin/frame/CaptionAccess_win.h"
#include "skin/frame/CaptionAnimation_win.h"
#include "skin/frame/CaptionHint_win.h"
#include "skin/frame/MoveTimer_win.h"
#include "skin/frame/SystemMenuOpen_win.h"
#include "skin/render/EngineStartup_win.h"

namespace qw {

namespace {

TqxBorderStyle BorderStyleOf(TFormBorderStyle s) {
  switch (s) {
    case TFormBorderStyle::bsNone: return qxbsNone;
    case TFormBorderStyle::bsSingle: return qxbsSingle;
    case TFormBorderStyle::bsDialog: return qxbsDialog;
    case TFormBorderStyle::bsToolWindow: return qxbsToolWindow;
    case TFormBorderStyle::bsSizeToolWin: return qxbsSizeToolWin;
    default: return qxbsSizeable;
  }
}

}  // namespace

TFrameMetrics SystemFrameMetrics() {
  return TFrameMetrics{GetSystemMetrics(SM_CXFRAME),   GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYCAPTION),
                       GetSystemMetrics(SM_CYSMCAPTION), GetSystemMetrics(SM_CXSMICON),  GetSystemMetrics(SM_CYSMICON)};
}

TsSkinProvider::TsSkinProvider()
    : SkinData(std::make_unique<TsCommonData>(this, true)), FCaptionAccess(std::make_unique<TqxCaptionAccess>(*this)) {
  SkinData->COC = COC_TsSkinProvider;
  SkinData->SetSkinSection(u"FORM");
}

TsSkinProvider::~TsSkinProvider() {
  SetComponentState(csDestroying);
  // Screen readers that still hold the title bar's object get errors from now on, never this provider.
  FCaptionAccess.reset();
  Detach();
  SkinData.reset();
}

void TsSkinProvider::Loaded() {
  TComponent::Loaded();
  auto* form = dynamic_cast<TForm*>(Owner());
  if (!form) throw std::runtime_error("TsSkinProvider component may be used with forms only!");
  Attach(*form);
}

TsSkinProvider* TsSkinProvider::CreateFor(TForm& form) {
  if (TsSkinProvider* existing = FromForm(form)) return existing;
  auto* provider = TComponent::Create<TsSkinProvider>(&form);
  provider->Attach(form);
  return provider;
}

TsSkinProvider* TsSkinProvider::FromForm(TForm& form) {
  return reinterpret_cast<TsSkinProvider*>(PerformSkinCommand(form, skcGetProvider));
}

TsSkinProvider* TsSkinProvider::FromWindow(HWND window) {
  auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(window));
  return form ? FromForm(*form) : nullptr;
}

void TsSkinProvider::Attach(TForm& form) {
  if (FAttached) return;
  // A form answers for one provider only; a second one stays empty and passes everything on.
  if (FromForm(form)) return;
  FForm = &form;
  InstallFrameChangeAnimation();
  form.AddWindowProcHook(this);
  FAttached = true;
  if (form.HandleAllocated()) PrepareForm();
}

void TsSkinProvider::Detach() {
  KillAnimations();
  FMoveTimer.reset();
  FMinTimer.reset();
  FBorderForm.reset();
  if (!FAttached) return;
  if (FForm->HandleAllocated() && IsWindow(FForm->Handle())) {
    if (FPrepared) ReleaseForm();
    RemoveSkinnedWindow(FForm->Handle());
  }
  FForm->RemoveWindowProcHook(this);
  FAttached = false;
  FForm = nullptr;
  FAdapter.reset();
}

void TsSkinProvider::HookedControlDestroyed(TControl& control) {
  if (&control != FForm) return;
  KillAnimations();
  FMoveTimer.reset();
  FMinTimer.reset();
  FBorderForm.reset();
  FAdapter.reset();
  FAttached = false;
  FPrepared = false;
  FForm = nullptr;
}

void TsSkinProvider::ForgetWindow() {
  KillAnimations();
  // The border window goes before the form's window does.
  FMoveTimer.reset();
  FMinTimer.reset();
  FBorderForm.reset();
  if (HWND h = Handle()) RemoveSkinnedWindow(h);
  FAdapter.reset();
  FPrepared = false;
  FCurrentHT = 0;
  FPressed = false;
  if (SkinData->CacheBmp()) *SkinData->CacheBmp() = TBitmap32(0, 0);
}

TsSkinManager* TsSkinProvider::Manager() const { return SkinData ? SkinData->EffectiveManager() : nullptr; }

HWND TsSkinProvider::Handle() const { return FForm && FForm->HandleAllocated() ? FForm->Handle() : nullptr; }

bool TsSkinProvider::Skinned() const {
  const TsSkinManager* m = Manager();
  return FAttached && m && m->Active() && SkinData->Skinned();
}

const TBitmap32& TsSkinProvider::Cache() const { return *SkinData->CacheBmp(); }

// ---- Measures ----------------------------------------------------------------------------------------

TFrameWindow TsSkinProvider::WindowFacts() const {
  TFrameWindow w;
  HWND h = Handle();
  if (!h) return w;
  w.Style = static_cast<uint32_t>(GetWindowLongPtrW(h, GWL_STYLE));
  if (FHaveSysMenu) w.Style |= kWsSysMenu;
  w.ExStyle = static_cast<uint32_t>(GetWindowLongPtrW(h, GWL_EXSTYLE));
  w.BorderStyle = BorderStyleOf(FForm->Frame().BorderStyle);
  w.Child = (w.Style & kWsChild) != 0;
  RECT wr{}, cr{};
  GetWindowRect(h, &wr);
  GetClientRect(h, &cr);
  w.Width = wr.right - wr.left, w.Height = wr.bottom - wr.top;
  w.ClientWidth = cr.right, w.ClientHeight = cr.bottom;
  w.FormBorderWidth = FForm->Frame().BorderWidth;
  if (FBorderForm && Manager()) w.BorderWindow = ManagerBorderWindow(*Manager());
  return w;
}

TBorderFormLayout TsSkinProvider::BorderLayout() const {
  const TFrameWindow w = WindowFacts();
  return LayoutBorderForm(MeasureFrame(w, SystemFrameMetrics()), w);
}

TFrameGeometry TsSkinProvider::Geometry() const { return MeasureFrame(WindowFacts(), SystemFrameMetrics()); }

TFormState TsSkinProvider::FormStateNow() const {
  TFormState s;
  if (!FForm) return s;
  s.BorderStyle = BorderStyleOf(FForm->Frame().BorderStyle);
  s.BorderIcons = FForm->Frame().BorderIcons;
  s.HaveSysMenu = FHaveSysMenu;
  s.SysMenuHasClose = FSysMenuHasClose;
  if (HWND h = Handle()) s.Iconic = IsIconic(h) != FALSE, s.Maximized = IsZoomed(h) != FALSE;
  s.MainForm = Application().MainForm == FForm;
  s.MainFormOnTaskBar = Application().MainFormOnTaskBar;
  return s;
}

TSysMenuRules TsSkinProvider::SysMenuRules() const { return FormSysMenuRules(FormStateNow()); }

TsCaptionButton* TsSkinProvider::ButtonOf(int hitCode) {
  for (TsCaptionButton& b : FButtons)
    if (b.HitCode == hitCode && hitCode > 0) return &b;
  const size_t user = static_cast<size_t>(hitCode - kHtUserButton);
  if (hitCode >= kHtUserButton && user < FUserButtons.size()) return &FUserButtons[user];
  return nullptr;
}

HWND TsSkinProvider::HintWindow() const { return FHint ? FHint->Window() : nullptr; }

// ---- Setting the frame up and giving it back ------------------------------------------------------------

void TsSkinProvider::PrepareForm() {
  HWND h = Handle();
  if (!h || !FAttached || !Manager() || !Manager()->Active()) return;
  SkinData->UpdateIndexes();
  if (!SkinData->Skinned()) return;
  // The system builds a window's system menu only while the window has the style: make it now, so it
  // is there for the menu the frame opens itself once the style is gone.
  const HMENU sysMenu = GetSystemMenu(h, FALSE);
  CheckSysMenuStyle(true);
  FSysMenuHasClose = FHaveSysMenu && sysMenu && GetMenuState(sysMenu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
  TsSkinManager& m = *Manager();
  FTitleSkinIndex = m.GetSkinIndex(TitleSkin.empty() ? std::u16string_view(u"FORMTITLE") : std::u16string_view(TitleSkin));
  UpdateIconsIndexes();
  FRgnChanged = true;
  SkinData->BGChanged = true;
  if (UseGlobalColor && !SkinData->CustomColor() && !FForm->IsLoading() && !FForm->IsDestroying())
    FForm->SetColor(SkinData->StateColor(0));
  AddSkinnedWindow(h, SkinData->SkinManager());
  if (!FAdapter) FAdapter = std::make_unique<TqxCtrlAdapter>(*FForm, this, SkinData->SkinManager());
  FAdapter->AddAllItems();
  FPrepared = true;
  UpdateExtBorders();
}

void TsSkinProvider::ReleaseForm() {
  HWND h = Handle();
  KillAnimations();
  FMoveTimer.reset();
  FMinTimer.reset();
  FBorderForm.reset();
  if (FAdapter && !FForm->IsDestroying()) FAdapter->GiveBackLabels();
  FAdapter.reset();
  CheckSysMenuStyle(false);
  if (!h) return;
  SetWindowRgn(h, nullptr, FALSE);
  if (UseGlobalColor && !SkinData->CustomColor() && !FForm->IsDestroying()) FForm->SetColor(clBtnFace);
  FPrepared = false;
  // The form itself with its frame and children: never the whole desktop.
  if (IsWindowVisible(h)) RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// ---- The border window ------------------------------------------------------------------------------------

bool TsSkinProvider::WantsBorderForm() const {
  if (!FPrepared || !Skinned() || !AllowExtBorders || !DrawNonClientArea || FForm->IsDestroying()) return false;
  return FForm->Frame().BorderStyle != TFormBorderStyle::bsNone && BorderWindowAllowed(Handle(), Manager());
}

bool TsSkinProvider::BorderPictureStale() const { return SkinData->BGChanged; }

void TsSkinProvider::ReleaseHotButton() {
  if (FCurrentHT > 0) SetHotHT(0);
}

void TsSkinProvider::UpdateExtBorders() {
  // While the form's drawing is suspended (a skin change) it only looks hidden: nothing changes then.
  if (FLockCount > 0) return;
  if (!UpdateBorderForm(FBorderForm, *this)) return;
  // The frame's measures, picture and region change with it.
  KillAnimations();
  SkinData->BGChanged = true;
  FRgnChanged = true;
  HWND h = Handle();
  if (!h || !IsWindowVisible(h)) return;
  if (FBorderForm) {
    PaintAll();
    UpdateFormRgn();
    FBorderForm->UpdateExBordersPos(true);
  } else {
    RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  }
}

void TsSkinProvider::CheckSysMenuStyle(bool skinned) {
  HWND h = Handle();
  if (!h) return;
  const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
  if (skinned) {
    // While the frame is painted here, the system must not draw or track its own caption buttons.
    if ((style & WS_SYSMENU) || FHaveSysMenu) {
      const LONG_PTR wanted = DrawNonClientArea ? (style & ~WS_SYSMENU) : (style | WS_SYSMENU);
      if (wanted != style) SetWindowLongPtrW(h, GWL_STYLE, wanted);
      FHaveSysMenu = true;
    } else {
      FHaveSysMenu = false;
    }
    return;
  }
  if (!FHaveSysMenu) return;
  SetWindowLongPtrW(h, GWL_STYLE, style | WS_SYSMENU);
  // Set the icon again, so that the system's caption shows it.
  const LRESULT icon = SendMessageW(h, WM_GETICON, ICON_SMALL, 0);
  SendMessageW(h, WM_SETICON, ICON_SMALL, icon);
  FHaveSysMenu = false;
}

void TsSkinProvider::UpdateIconsIndexes() {
  const TsSkinManager* m = Manager();
  if (!m) return;
  FImages = ChooseFormCaptionImages(m->ConstData, FormStateNow());
}

void TsSkinProvider::DropSysMenu(POINT at) {
  if (!FPrepared) PrepareForm();
  SetHotHT(0);
  FPressed = false;
  if (HWND h = Handle()) OpenSystemMenu(h, at);
}

}  // namespace qw
