// TqxDialogWnd: the dialog's picture (frame, caption strip, icon, text and buttons), its strips on the
// window and its region.
#include "skin/frame/dialog/DialogWnd_win.h"

#include <algorithm>
#include <utility>

#include "fw/BitmapCanvas.h"
#include "image/BitmapDC_win.h"
#include "image/BitmapFill.h"
#include "skin/core/CommonData_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/CaptionAnimation_win.h"
#include "skin/frame/CaptionDraw_win.h"
#include "skin/frame/FramePicture.h"
#include "skin/frame/MoveTimer_win.h"
#include "skin/frame/dialog/DialogProvider_win.h"
#include "skin/frame/dialog/DialogSystemMenu_win.h"
#include "skin/render/EngineStartup_win.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/SectionText_win.h"

namespace qw {

bool DialogButtonPressed = false;
bool DialogRgnChanging = false;

namespace {

constexpr UINT kCaptionTextFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

bool RightToLeft(uint32_t exStyle) { return (exStyle & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL)) != 0; }

TSize SmallIconSize() { return TSize{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)}; }

}  // namespace

TqxDialogWnd::TqxDialogWnd(HWND wnd, TsSkinManager* manager, TqxProvider* provider)
    : TqxMainWnd(wnd, u"DIALOG", manager, nullptr), Provider(provider) {
  DlgMode = true;
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  WMPaintForbidden = GetVersionExW(&version) && version.dwMajorVersion > 5;
  FSystemMenu = std::make_unique<TqxSystemMenu>(*this);
}

TqxDialogWnd::~TqxDialogWnd() {
  FBorderForm.reset();
  KillAnimations();
  FMoveTimer.reset();
  if (FBackBrush) DeleteObject(FBackBrush);
  for (HWND cover : {FShowCover, FHideCover})
    if (cover && IsWindow(cover)) DestroyWindow(cover);
  if (GetCapture() == CtrlHandle && CtrlHandle) ReleaseCapture();
}

TDialogState TqxDialogWnd::State() const {
  TDialogState s = FState;
  s.Iconic = CtrlHandle && IsIconic(CtrlHandle);
  s.Maximized = CtrlHandle && IsZoomed(CtrlHandle);
  return s;
}

TFrameWindow TqxDialogWnd::WindowFacts() const {
  TFrameWindow w;
  // The current style for the frame's sizes (the system's caption buttons are off, nothing else changed).
  w.Style = static_cast<uint32_t>(GetWindowLongW(CtrlHandle, GWL_STYLE));
  w.ExStyle = static_cast<uint32_t>(GetWindowLongW(CtrlHandle, GWL_EXSTYLE));
  w.BorderStyle = DialogBorderStyle(FState.Style ? FState.Style : w.Style);
  RECT wr{}, cr{};
  GetWindowRect(CtrlHandle, &wr);
  GetClientRect(CtrlHandle, &cr);
  w.Width = wr.right - wr.left;
  w.Height = wr.bottom - wr.top;
  w.ClientWidth = cr.right;
  w.ClientHeight = cr.bottom;
  if (FBorderForm && Manager()) w.BorderWindow = ManagerBorderWindow(*Manager());
  return w;
}

TBorderFormLayout TqxDialogWnd::BorderLayout() const {
  const TFrameWindow w = WindowFacts();
  return LayoutBorderForm(MeasureFrame(w, SystemFrameMetrics()), w);
}

bool TqxDialogWnd::WantsBorderForm() const {
  if (Destroyed || !Skinned()) return false;
  const uint32_t style = FState.Style ? FState.Style : static_cast<uint32_t>(GetWindowLongW(CtrlHandle, GWL_STYLE));
  return DialogBorderStyle(style) != qxbsNone && BorderWindowAllowed(CtrlHandle, Manager());
}

bool TqxDialogWnd::BorderPictureStale() const { return SkinData->BGChanged; }

void TqxDialogWnd::UpdateExtBorders() {
  if (!UpdateBorderForm(FBorderForm, *this)) return;
  // The frame's measures, picture and region change with it.
  KillAnimations();
  SkinData->BGChanged = true;
  FRgnChanged = true;
  if (!IsWindowVisible(CtrlHandle)) return;
  if (!FBorderForm) {
    RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    return;
  }
  PaintAll();
  const TFrameWindow w = WindowFacts();
  UpdateRegion(MeasureFrame(w, SystemFrameMetrics()), w);
  FBorderForm->UpdateExBordersPos(true);
}

int TqxDialogWnd::TitleMask() const {
  const TsSkinManager* m = Manager();
  return m && m->IsValidSkinIndex(FTitleIndex) ? m->GetMaskIndex(FTitleIndex, FTitleSection, u"BORDERSMASK") : -1;
}

TBorderWindowFrame TqxDialogWnd::BorderWindowFrame() const {
  return FBorderForm && Manager() ? ManagerBorderWindow(*Manager()) : TBorderWindowFrame{};
}

TFrameGeometry TqxDialogWnd::Geometry() const { return MeasureFrame(WindowFacts(), SystemFrameMetrics()); }

const TBitmap32& TqxDialogWnd::Picture() const {
  static const TBitmap32 none;
  return SkinData && SkinData->CacheBmp() ? *SkinData->CacheBmp() : none;
}

void TqxDialogWnd::InitParams() {
  // Read once: afterwards the window's style lacks the system-menu bit the wrapper took away.
  if (!FStylesRead) {
    FState.Style = static_cast<uint32_t>(GetWindowLongW(CtrlHandle, GWL_STYLE));
    FState.ExStyle = static_cast<uint32_t>(GetWindowLongW(CtrlHandle, GWL_EXSTYLE));
    FState.ClassNoClose = (GetClassLongW(CtrlHandle, GCL_STYLE) & CS_NOCLOSE) != 0;
    FStylesRead = true;
  }
  TsSkinManager* m = Manager();
  FTitleSection = u"FORMTITLE";
  if (m && m->GetSkinIndex(u"DIALOGTITLE") >= 0 && DialogBorderStyle(FState.Style) != qxbsSingle &&
      DialogBorderStyle(FState.Style) != qxbsSizeable)
    FTitleSection = u"DIALOGTITLE";
  FTitleIndex = m ? m->GetSkinIndex(FTitleSection) : -1;
  // The system draws no caption buttons of its own while the skin draws them; the styles read above
  // still say which buttons the dialog has.
  SetWindowLongW(CtrlHandle, GWL_STYLE, GetWindowLongW(CtrlHandle, GWL_STYLE) & ~WS_SYSMENU);
  SkinData->BGChanged = true;
  FRgnChanged = true;
}

HICON TqxDialogWnd::TitleIcon() const {
  if (auto icon = reinterpret_cast<HICON>(SendMessageW(CtrlHandle, WM_GETICON, ICON_SMALL, 0))) return icon;
  return reinterpret_cast<HICON>(SendMessageW(CtrlHandle, WM_GETICON, ICON_BIG, 0));
}

void TqxDialogWnd::CalcItems(const TFrameGeometry& g) {
  const TsSkinManager* m = Manager();
  if (!m) return;
  FCaption = LayoutDialogCaption(m->Tables, g, State(), TitleIcon() ? SmallIconSize() : TSize{}, BorderWindowFrame());
  for (int i = 0; i < cbSystemCount; ++i) {
    FButtons[i].Rect = FCaption.Layout.System[i].Rect;
    FButtons[i].HitCode = FCaption.Layout.System[i].HitCode;
    FButtons[i].ImageIndex = FCaption.Images.Index[i];
  }
}

void TqxDialogWnd::PaintAll() {
  TsSkinManager* m = Manager();
  if (!m || !Skinned() || !CtrlHandle) return;
  const TFrameWindow w = WindowFacts();
  const TFrameGeometry g = MeasureFrame(w, SystemFrameMetrics());
  // With a border window the picture is the border window's: the shadow around the skin's wider frame.
  const bool border = FBorderForm != nullptr;
  const TBorderFormLayout l = border ? LayoutBorderForm(g, w) : TBorderFormLayout{};
  const TSize size = border ? l.Picture : TSize{w.Width, w.Height};
  if (size.Width <= 0 || size.Height <= 0) return;
  TBitmap32& picture = *SkinData->CacheBmp();
  if (picture.Width() != size.Width || picture.Height() != size.Height) picture = TBitmap32(size.Width, size.Height);
  CalcItems(g);
  const int headerHeight = border ? l.Client.Top : g.SysBorderHeight + g.CaptionHeight;
  TBitmap32 shadow;
  TRect band{0, 0, w.Width, std::min(w.Height, headerHeight)};
  if (border) {
    PaintBorderFrame(picture, *SkinData, *m, l, FFormActive, shadow);
    band = TRect{l.Frame.Left, l.Frame.Top, l.Frame.Right, std::min(l.Client.Top, l.Frame.Bottom)};
  } else {
    const TRect all{0, 0, w.Width, w.Iconic() ? std::min(w.Height, headerHeight + 1) : w.Height};
    const int state = LimitState(m->gd[static_cast<size_t>(SkinData->SkinIndex())], FFormActive ? 1 : 0);
    PaintControlItem(*SkinData, EmptyCacheInfo(), state, all, TPoint{0, 0}, picture, false);
    if (w.Iconic()) band.Bottom = all.Bottom;
  }
  if (g.CaptionHeight > 0) {
    PaintCaptionStrip(picture, *m, FTitleIndex, FTitleSection, FFormActive, band);
    DrawCaptionIcon(picture, FCaption.Layout.Icon, TitleIcon());
    PaintCaptionText(g);
  }
  // Rebuilt with every full picture: activation and skin changes change what lies behind the buttons.
  FTitleBG = CopyBitmapArea(picture, TRect{0, 0, size.Width, headerHeight});
  if (g.CaptionHeight > 0) PaintBorderIcons();
  if (border) FinishBorderFrame(picture, *m, SkinData->BorderIndex(), TitleMask(), l, g.CaptionHeight, shadow);
  SkinData->BGChanged = false;
  FRgnChanged = true;
  ++FPicturesBuilt;
}

void TqxDialogWnd::PaintCaptionText(const TFrameGeometry& g) {
  TsSkinManager& m = *Manager();
  wchar_t text[1001] = {};
  const int length = GetWindowTextW(CtrlHandle, text, static_cast<int>(std::size(text)));
  if (length <= 0) return;
  TBitmapCanvas canvas(*SkinData->CacheBmp());
  HDC dc = canvas.Handle();
  const TCaptionFontScope font(dc);
  if (!font) return;
  const TRect r = CaptionTextRect(FCaption.Layout, DialogCaptionNumbers(g, BorderWindowFrame()), font.TextHeight());
  if (r.Right > r.Left && r.Bottom > r.Top) {
    const UINT flags = kCaptionTextFlags | (RightToLeft(FState.ExStyle) ? DT_RTLREADING | DT_RIGHT : 0);
    WriteSectionText(dc, std::u16string(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length)), true,
                     &m, FFormActive, CaptionTextSection(m, FTitleIndex), flags, r);
  }
}

bool TqxDialogWnd::ButtonEnabled(const TsCaptionButton& b) const {
  const TSysMenuRules r = DialogSysMenuRules(State());
  switch (b.HitCode) {
    case kHtClose: return !FState.ClassNoClose;
    case kHtMaxButton: return r.EnabledMax || r.EnabledRestore;
    case kHtMinButton: return r.EnabledMin || State().Iconic;
    default: return true;
  }
}

void TqxDialogWnd::DrawButton(TBitmap32& bmp, const TsCaptionButton& b, TPoint at, int state) {
  const TsSkinManager* m = Manager();
  if (!m || !m->IsValidImgIndex(b.ImageIndex) || b.Rect.Right <= b.Rect.Left) return;
  PasteBitmapArea(bmp, FTitleBG, b.Rect, at);
  const bool dim = state == 0 && (!FFormActive || !ButtonEnabled(b));
  DrawMaskGlyph(bmp, at, state, MakeCacheInfo(&FTitleBG, b.Rect.Left - at.X, b.Rect.Top - at.Y),
                m->ma[static_cast<size_t>(b.ImageIndex)], dim ? 2 : 1);
}

void TqxDialogWnd::PaintBorderIcons() {
  for (const TsCaptionButton& b : FButtons) DrawButton(*SkinData->CacheBmp(), b, TPoint{b.Rect.Left, b.Rect.Top}, b.State);
}

TBitmap32 TqxDialogWnd::ButtonPicture(const TsCaptionButton& b, int state) {
  const int width = b.Rect.Right - b.Rect.Left, height = b.Rect.Bottom - b.Rect.Top;
  if (width <= 0 || height <= 0 || FTitleBG.Empty()) return TBitmap32();
  TBitmap32 picture(width, height);
  DrawButton(picture, b, TPoint{0, 0}, state);
  // Shown in a window of its own: opaque wherever GDI or the glyph left no alpha.
  for (int y = 0; y < height; ++y)
    for (uint32_t* p = picture.Row(y), *end = p + width; p != end; ++p) *p |= 0xFF000000u;
  return picture;
}

void TqxDialogWnd::UpdateRegion(const TFrameGeometry& g, const TFrameWindow& w) {
  TsSkinManager* m = Manager();
  if (!m || (w.BorderStyle == qxbsNone && !(w.Style & WS_THICKFRAME) && !w.Iconic())) return;
  // With a border window only the client area is left of the dialog's window: the frame is the border
  // window's.
  const TRect c = FBorderForm ? LayoutBorderForm(g, w).FormClient : TRect{};
  HRGN region = FBorderForm ? CreateRectRgn(c.Left, c.Top, c.Right, c.Bottom)
                            : MakeFrameRegion(*m, SkinData->BorderIndex(), TitleMask(), w.Width, w.Height,
                                              g.SysBorderHeight + g.CaptionHeight);
  FRgnChanged = false;
  // A borderless dialog keeps its shape, as does one that says it shapes itself.
  const bool keep = (w.BorderStyle == qxbsNone && !w.Iconic()) ||
                    SendMessageW(CtrlHandle, kDialogRgnQueryMsg, kDialogRgnKeepAnswer, 0) ==
                        static_cast<LRESULT>(kDialogRgnKeepAnswer);
  if (!region || keep) {
    if (region) DeleteObject(region);
    return;
  }
  // Painted right after by the caller: no redraw of its own (which would paint the frame a second time).
  // Whatever the system sends while the region changes must not start another change.
  const bool outer = std::exchange(DialogRgnChanging, true);
  if (!SetWindowRgn(CtrlHandle, region, FALSE)) DeleteObject(region);
  DialogRgnChanging = outer;
}

void TqxDialogWnd::PaintCaption() {
  if (!Skinned() || !IsWindowVisible(CtrlHandle)) return;
  const TFrameWindow w = WindowFacts();
  const TFrameGeometry g = MeasureFrame(w, SystemFrameMetrics());
  const TBitmap32& picture = *SkinData->CacheBmp();
  const TSize size = FBorderForm ? LayoutBorderForm(g, w).Picture : TSize{w.Width, w.Height};
  if (picture.Width() != size.Width || picture.Height() != size.Height) SkinData->BGChanged = true;
  const bool repainted = SkinData->BGChanged;
  if (SkinData->BGChanged) PaintAll();
  if (FRgnChanged && !DialogRgnChanging) UpdateRegion(g, w);
  if (FBorderForm) {
    // The dialog shows only its client area: the frame is the border window's.
    FBorderForm->UpdateExBordersPos(repainted);
    return;
  }
  HDC dc = GetWindowDC(CtrlHandle);
  if (!dc) return;
  const int saved = SaveDC(dc);
  const TFrameStrips s = FrameStrips(g, w);
  for (const TRect& r : {s.Top, s.Left, s.Bottom, s.Right}) CopyBitmapToDC(dc, picture, r, TPoint{r.Left, r.Top});
  RestoreDC(dc, saved);
  ReleaseDC(CtrlHandle, dc);
}

bool TqxDialogWnd::CanAnimateButtons() const {
  const TsSkinManager* m = Manager();
  // Over a border window a button is repainted in the window's own picture, without a fade window.
  return m && m->Effects.AllowGlowing && EngineStartup().UpdateLayeredWindow && CtrlHandle && !FBorderForm &&
         IsWindowVisible(CtrlHandle);
}

void TqxDialogWnd::KillAnimations() {
  for (TsCaptionButton& b : FButtons) b.Timer.reset();
}

void TqxDialogWnd::RepaintButton(int hitCode) {
  TsCaptionButton* b = ButtonOf(hitCode);
  TBitmap32& picture = *SkinData->CacheBmp();
  if (!b || picture.Empty() || b->Rect.Left <= Geometry().SysBorderWidth + GetSystemMetrics(SM_CXSMICON)) return;
  if (CanAnimateButtons()) {
    // The fade window shows the new look over the caption; the picture keeps the button at rest.
    if (!b->Timer) b->Timer = std::make_unique<TqxSBAnimation>(*this, hitCode);
    b->Timer->StartAnimation(b->State, b->State == 2 ? 1 : kCaptionFadeSteps);
    return;
  }
  // Painted in place: no fade is left over it.
  b->Timer.reset();
  b->GlowID = -1;
  DrawButton(picture, *b, TPoint{b->Rect.Left, b->Rect.Top}, b->State);
  if (!IsWindowVisible(CtrlHandle)) return;
  if (FBorderForm) {
    SetAlphaInRect(picture, b->Rect, 255, false);
    FBorderForm->UpdateExBordersPos(true);
    return;
  }
  if (HDC dc = GetWindowDC(CtrlHandle)) {
    CopyBitmapToDC(dc, picture, b->Rect, TPoint{b->Rect.Left, b->Rect.Top});
    ReleaseDC(CtrlHandle, dc);
  }
}

TsCaptionButton* TqxDialogWnd::ButtonOf(int hitCode) {
  for (TsCaptionButton& b : FButtons)
    if (b.HitCode == hitCode && hitCode > 0) return &b;
  return nullptr;
}

void TqxDialogWnd::DropSysMenu(POINT at) { FSystemMenu->Drop(at); }

void TqxDialogWnd::WrapChildren() {
  if (Provider) Provider->InitHwndControls(CtrlHandle);
}

}  // namespace qw
