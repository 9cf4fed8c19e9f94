#pragma once
// TsBitBtn: the skinned bit button. While a skin is active it owns all its drawing: the section's
// background and border go into its cache bitmap, glyph and caption are laid out and drawn over them,
// the focused button gets a dotted frame around its caption, a border mask whose corners shape the
// button cuts the window region, and changes of state (mouse enter, leave, press, release) fade from
// the old look to the new. The system button underneath keeps the behaviour: clicks, Space and Enter,
// the default and cancel roles. Without a skin it is the framework's bit button.
#include <windows.h>

#include <functional>

#include "base/Alignment.h"
#include "fw/Button.h"
#include "skin/controls/BitBtnLayout.h"
#include "skin/core/SkinnedControl.h"
#include "skin/core/FadeTimer_win.h"
#include "skin/render/GlyphPaint.h"
#include "skin/render/SectionPaint.h"

namespace qw {

class TClassRegistry;
class TImageList;
class TsBitBtn;

// Called with the finished cache bitmap at the end of every cache build.
using TBitBtnPaintEvent = std::function<void(TsBitBtn* sender, TBitmap32& bmp)>;

class TsBitBtn : public TsCachedControl<TBitBtn, COC_TsBitBtn> {
  using TInherited = TsCachedControl<TBitBtn, COC_TsBitBtn>;

 public:
  TsBitBtn();
  ~TsBitBtn() override;
  const char* ClassName() const override { return "TsBitBtn"; }
  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  void DoAccessDefaultAction(int id) override;
  void WndProc(TMessage& message) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Marks the cache stale as well as the window.
  void Invalidate() override;

  // The state the button shows now (StatePressed, StateHot, StateDefault or StateNormal).
  virtual int CurrentState() const;
  // The glyph's rectangle in the cache for a section state (as the last layout placed it).
  TRect ImgRect(int state) const;
  // The size of one glyph image: from the image list when it holds ImageIndex, else from Glyph; (0, 0)
  // without either.
  TItemSize GlyphSize() const;
  // The glyph from the image list, when the list holds ImageIndex; else null.
  const TBitmap32* ListImage() const;
  // The widest the caption may be laid out.
  int MaxCaptionWidth() const;
  // The glyph and caption layout now (the caption measured with the button's font).
  TGlyphTextLayout ContentLayout() const;

  // ---- Published ----
  // A glyph from an image list instead of Glyph (Glyph is dropped after loading when the list holds
  // ImageIndex).
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  // Glyph transparency in the normal state, 0..100 percent.
  int Blend() const { return FBlend; }
  void SetBlend(int value);
  int DisabledGlyphKind() const { return FDisabledGlyphKind; }  // dgBlended, dgGrayed
  void SetDisabledGlyphKind(int value);
  int DisabledKind() const { return FDisabledKind; }  // dkBlended, dkGrayed
  void SetDisabledKind(int value);
  // The pressed look, permanently.
  bool Down() const { return FDown; }
  void SetDown(bool value);
  bool DrawOverBorder() const { return FDrawOverBorder; }
  void SetDrawOverBorder(bool value);
  // The glyph tinted gray in the normal state.
  bool Grayed() const { return FGrayed; }
  void SetGrayed(bool value);
  // The glyph with a fading reflection below it.
  bool Reflected() const { return FReflected; }
  void SetReflected(bool value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool value);
  bool ShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool value);
  TAlignment TextAlignment() const { return FTextAlignment; }
  void SetTextAlignment(TAlignment value);
  // Kept for stored descriptions; it moves nothing.
  int TextOffset() const { return FTextOffset; }
  void SetTextOffset(int value);
  // How far the focus frame lies outside the caption.
  int FocusMargin = 1;
  TqxAnimatEvents AnimatEvents = kDefaultAnimatEvents;
  TBitBtnPaintEvent OnPaint;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // The running state-change fade, if any.
  TFadeSlot FadeTimer;
  // The window region is rebuilt at the next paint (border masks whose corners shape the button).
  bool RegionChanged = true;

 private:
  // ---- Messages ----
  void SkinCommand(TMessage& message);
  void WMEraseBkgnd(TMessage& message, HDC dc) override;
  void CNDrawItem(TMessage& message);
  void WMUpdateUIState(TMessage& message);
  void FWMouseEnter(TMessage& message);
  void FWMouseLeave(TMessage& message);
  void WMMouseDown(TMessage& message, bool left);
  void WMMouseUp(TMessage& message, bool left);
  void BMSetState(TMessage& message);
  void BMSetStyle(TMessage& message, UINT style);
  void WMSetFocus(TMessage& message);
  void WMKillFocus(TMessage& message);
  void WMMove(TMessage& message);
  void WMSize(TMessage& message);
  void WMWindowPos(TMessage& message, const WINDOWPOS& pos);
  void FWTextChanged(TMessage& message);
  void FWFontChanged(TMessage& message);
  void FWVisibleChanged(TMessage& message);
  void FWEnabledChanged(TMessage& message);

  // ---- Painting (sBitBtnPaint.cpp) ----
  void PaintCached(HDC dc, bool printing) override;
  bool WaitsForBehindWhenPrinting() const override { return true; }
  // Builds the cache bitmap for the current state.
  void PrepareCache() override;
  void DrawCaption(TBitmap32& cache, int state);
  void DrawGlyph(TBitmap32& cache, int state);
  // True when the next paint rebuilds the window region (a border mask with corner type 2).
  bool RebuildsRegion() const;
  void ApplyRegion(bool printing);
  void DeleteRegion();
  void RemoveWindowRegion();

  // ---- Helpers ----
  bool Fading() const { return FadeTimer != nullptr; }
  // Shows the look of the current state, faded when the event and the section allow it.
  void Fade(TqxAnimatEvent event, bool fast);
  void HideHint();
  template <class T>
  void Store(T& field, T value);

  int FOldSpacing = 4;
  bool FMouseClicked = false;
  bool FInMouseButton = false;  // the system handles a press or release: its state changes are ours to show
  bool FDown = false;
  int FDisabledKind;
  int FDisabledGlyphKind;
  bool FGrayed = false;
  int FBlend = 0;
  int FTextOffset = 0;
  bool FShowCaption = true;
  bool FShowFocus = true;
  TAlignment FAlignment = taCenter;
  bool FDrawOverBorder = true;
  TAlignment FTextAlignment = taCenter;
  TImageList* FImages = nullptr;
  int FImageIndex = -1;
  TRect LastRect;
  bool FReflected = false;
  HRGN FRegion = nullptr;  // built by the last cache build, until the paint hands it to the window
  bool FRegionNeverSet = true;
  TPoint GlyphPos;
  TButtonLayout OldLayout = blGlyphLeft;
  TRect CaptionRect;
};

// Registers TsBitBtn's published properties (the skin data's come with every skinned class).
void RegisterBitBtnProperties(TClassRegistry& g);

}  // namespace qw
