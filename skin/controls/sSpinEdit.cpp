#include "skin/controls/sSpinEdit.h"

#include "base/Geometry_win.h"
#include "fw/ClassRegistry.h"
#include "fw/FormReader.h"
#include "fw/SpinEditClass.h"
#include "skin/controls/SpinEditLayout.h"
#include "skin/core/EngineFlags.h"
#include "skin/data/SkinCommands.h"

namespace qw {

TsSpinEdit::TsSpinEdit() {
  SkinData.COC = COC_TsSpinEdit;
  FText = L"0";
  FButton = std::make_unique<TsSpinButton>(*this);
  FButton->SetParent(this);
}

TsSpinEdit::~TsSpinEdit() {
  // The window (and the pair's with it) goes while the pair still exists for the messages it brings.
  DestroyHandle();
  FButton.reset();
}

int TsSpinEdit::PairWidth() const { return FButton && FShowSpinButtons ? FButton->Width() : 0; }

int TsSpinEdit::FrameWidth() const { return EditFrameWidth(Frame()); }

void TsSpinEdit::SetShowSpinButtons(bool value) {
  if (value == FShowSpinButtons) return;
  FShowSpinButtons = value;
  UpdateButtonVisibility();
  UpdateEditRect();
  SkinData.Invalidate(false);
}

void TsSpinEdit::CreateParams(TCreateParams& params) {
  TSpinEditOf<TsEdit>::CreateParams(params);
  // A multi-line edit lets its formatting rectangle be set, so the text keeps clear of the arrows.
  params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

void TsSpinEdit::CreateWindowHandleDone() {
  TSpinEditOf<TsEdit>::CreateWindowHandleDone();
  PlaceButton();
  UpdateEditRect();
}

void TsSpinEdit::Loaded() {
  TSpinEditOf<TsEdit>::Loaded();
  PlaceButton();
  if (FButton) FButton->ResetGlyphs();
  UpdateButtonVisibility();
  UpdateEditRect();
}

void TsSpinEdit::PlaceButton() {
  if (!FButton) return;
  const TRect r = SpinButtonBounds(Width(), Height(), FButton->Width());
  FButton->SetBounds(r.Left, r.Top, WidthOfRect(r), HeightOfRect(r));
}

void TsSpinEdit::UpdateButtonVisibility() {
  if (!FButton) return;
  // Skinned and disabled, the arrows are painted in the edit's picture with its disabled look.
  FButton->SetVisible(FShowSpinButtons && (Enabled() || !SkinData.Skinned()));
  FButton->SetEnabled(Enabled());
}

void TsSpinEdit::UpdateEditRect() {
  if (!FHandle) return;
  RECT client{};
  GetClientRect(FHandle, &client);
  const TRect r = SpinEditFormatRect(Width(), client.bottom, PairWidth());
  RECT rc = WinRect(r);
  SendMessageW(FHandle, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rc));
}

void TsSpinEdit::RedrawButton() {
  if (FButton) FButton->Redraw();
}

TRect TsSpinEdit::TextRect() const { return SpinEditTextRect(Width(), Height(), Frame(), PairWidth()); }

void TsSpinEdit::PaintOverText(TBitmap32& cache) {
  // While the system draws the active edit the live arrows paint themselves; otherwise the picture holds them.
  if (!FButton || !FShowSpinButtons || (Enabled() && SkinData.ControlIsActive())) return;
  const int w = FrameWidth();
  const TPoint at{w + FButton->Left(), w + FButton->Top()};
  FButton->PaintSkinned(cache, at, &cache, at);
}

void TsSpinEdit::WMGetDlgCode(TMessage& message) {
  TSpinEditOf<TsEdit>::WndProc(message);
  // A multi-line edit asks for every key; this one leaves Enter, Escape and Tab to the form.
  message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
}

void TsSpinEdit::WndProc(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) return WMGetDlgCode(message);
  TDestroyWatch watch(this);
  TSpinEditOf<TsEdit>::WndProc(message);
  if (watch.Destroyed() || !FButton) return;
  switch (message.Msg) {
    case WM_SIZE:
      PlaceButton();
      UpdateEditRect();
      return;
    case FW_FONT_CHANGED:
      UpdateEditRect();
      return;
    case CN_KEYDOWN:
      // A key the edit itself handles may scroll or re-lay its text: keep it clear of the arrows.
      if (message.Result == 0) UpdateEditRect();
      return;
    case WM_PAINT:
      // The arrows paint over the edit's fresh picture.
      if (SkinData.Skinned() && Enabled() && !SkinData.FUpdating) RedrawButton();
      return;
    case FW_ENABLED_CHANGED:
      UpdateButtonVisibility();
      return;
    case FW_MOUSE_ENTER:
    case FW_MOUSE_LEAVE:
      FButton->UpButton().SetMouseAbove(false);
      FButton->DownButton().SetMouseAbove(false);
      RedrawButton();
      return;
    default:
      break;
  }
  if (message.Msg != SkinCommandMsg) return;
  switch (SkinCommandCode(message.WParam)) {
    case skcNewSkin:
    case skcRemoveSkin:
    case skcRefresh:
      UpdateButtonVisibility();
      UpdateEditRect();
      FButton->ResetGlyphs();
      return;
    case skcEndParentUpdate:
      RedrawButton();
      return;
    default:
      return;
  }
}

void RegisterSpinEditClass(TClassRegistry& g) {
  RegisterSpinEditProperties<TsSpinEdit>(g, "TsSpinEdit");
  g.Property<TsSpinEdit>("TsSpinEdit", "ShowSpinButtons",
                         [](TsSpinEdit& c, const TFormValue& v, TFormReader& r) { c.SetShowSpinButtons(r.Bool(v)); });
}

}  // namespace qw
