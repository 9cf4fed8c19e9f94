#pragma once
// TsCheckBox: the skinned check box. It keeps the framework box's three states and click event; while a
// skin is active it owns the window's input and drawing (the system box is switched to owner-draw): the
// mouse and the space key toggle on release, a read-only box ignores both, and the section background,
// caption, check glyph and disabled look are painted into the cache, fading between looks where the
// section allows it. Without a skin the system box does both again. Taking the press and the space key
// over, it raises the framework's OnMouseDown, OnMouseUp, OnDblClick, OnKeyDown and OnKeyUp itself.
#include "fw/CheckBox.h"
#include "fw/Picture.h"
#include "skin/controls/CheckBoxLayout.h"
#include "skin/core/SkinnedControl.h"
#include "skin/core/FadeTimer_win.h"
#include "skin/data/SkinCommands.h"

namespace qw {

class TClassRegistry;
class TImageList;

class TsCheckBox : public TsCachedControl<TCheckBox, COC_TsCheckBox> {
  using TInherited = TsCachedControl<TCheckBox, COC_TsCheckBox>;

 public:
  TsCheckBox();
  ~TsCheckBox() override;
  const char* ClassName() const override { return "TsCheckBox"; }
  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  void DoAccessDefaultAction(int id) override;
  void WndProc(TMessage& message) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  // Ignored while the box is being read (the stored state decides). A change of the value raises the
  // click event and then OnValueChanged; a click by the user raises only the click event.
  void SetChecked(bool checked) override;

  // ---- Glyphs, in the order they are looked for: the image list, the own pictures, the skin's marks ----
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  int ImgChecked() const { return FImgChecked; }
  void SetImgChecked(int index);
  int ImgUnchecked() const { return FImgUnchecked; }
  void SetImgUnchecked(int index);
  // Own pictures, each a single image or a strip of square ones (normal, active, pressed).
  const TPicture& GlyphChecked() const { return FGlyphChecked; }
  void SetGlyphChecked(TBitmap32 picture);
  const TPicture& GlyphUnChecked() const { return FGlyphUnChecked; }
  void SetGlyphUnChecked(TBitmap32 picture);

  // ---- Layout ----
  int Margin() const { return FMargin; }
  void SetMargin(int value);
  int TextIndent() const { return FTextIndent; }
  void SetTextIndent(int value);
  TCheckBoxAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TCheckBoxAlignment value);
  TCheckBoxVAlign VerticalAlign() const { return FVerticalAlign; }
  void SetVerticalAlign(TCheckBoxVAlign value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  // Right-to-left alignment, from BiDiMode: the glyph stands at the right and the caption reads from the
  // right.
  bool RightToLeft() const { return UsesRightToLeftAlignment(BiDiMode()); }
  // The box sizes itself to glyph and caption.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);

  // ---- Look ----
  int DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(int value);
  bool ShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool value);

  // Mouse and space do nothing, and the box never looks active.
  bool ReadOnly = false;
  // Which mouse events fade (aeGlobalDef: the skin manager's choice).
  TqxAnimatEvents AnimatEvents = kDefaultAnimatEvents;
  // Raised when the program sets Checked to the other value.
  TNotifyEvent OnValueChanged;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // A press (mouse or space) is held on the box.
  bool Pressed() const { return FPressed; }
  // Focused or under the mouse, enabled and not read-only: the hot look.
  bool Active() const;
  // Rebuilds the cache in the current look now.
  void PrepareCache() override;
  // The running state-change fade, if any.
  TFadeSlot FadeTimer;

 protected:
  void CreateWindowHandleDone() override;

 private:
  // Skin commands.
  void SkinCommand(TMessage& message);
  void SkinChanged(TMessage& message, TSkinCommand code);
  // Messages while skinned.
  void PaintCached(HDC dc, bool printing) override;
  bool WaitsForBehindWhenPrinting() const override { return true; }
  void EndParentUpdate(TMessage& message) override;
  void WMLButtonDown(TMessage& message, POINT pt);
  void WMLButtonUp(TMessage& message, POINT pt);
  void WMKeyDown(TMessage& message, UINT key);
  void WMKeyUp(TMessage& message, UINT key);
  void WMSetFocus(TMessage& message);
  void WMKillFocus(TMessage& message);
  void BMSetCheck(TMessage& message);
  void FWChanged(TMessage& message);
  void FWEnabledChanged(TMessage& message);
  // Messages in either mode (the fades only with a skin).
  void FWCaptionChanged(TMessage& message);
  void FWMouseEnter(TMessage& message);
  void FWMouseLeave(TMessage& message);

  // The press ends: toggles, then stops a fade that no longer fits the box.
  void Release();
  // The system box draws itself (no skin) or leaves every picture to this control (skinned).
  void UpdateOwnerDraw();
  // Resizes to glyph and caption when AutoSize says so.
  void AdjustSize();
  // A layout property changed: the size follows, then the look.
  void LayoutChanged();

  TCheckBoxLayoutInput LayoutInput() const;
  bool UsesImageList() const;
  // The glyph's size for the layout: the list's, GlyphChecked's, the skin's checked mark's, or 16 x 16.
  TGlyphStrip GlyphSize() const;
  void PaintCaption(TBitmap32& cache, int glyphWidth, bool active);
  void PaintGlyph(TBitmap32& cache, bool active);

  TImageList* FImages = nullptr;
  int FImgChecked = 0;
  int FImgUnchecked = 0;
  TPicture FGlyphChecked;
  TPicture FGlyphUnChecked;
  int FMargin = 2;
  int FTextIndent = 0;
  TCheckBoxAlignment FAlignment = TCheckBoxAlignment::taRightJustify;
  TCheckBoxVAlign FVerticalAlign = TCheckBoxVAlign::vaMiddle;
  bool FWordWrap = false;
  bool FAutoSize = true;
  int FDisabledKind;
  bool FShowFocus = true;
  bool FPressed = false;
};

// Puts the check box's own published properties into the description's class registry.
void RegisterCheckBoxClass(TClassRegistry& registry);

}  // namespace qw
