#pragma once
// TsCommonData: the skin state every skinned control owns (its SkinData): the section and its resolved
// indexes, the cache bitmap with the flags that say when to rebuild it, focus and hover, the colour
// options, the answers the control gives to the engine's queries, and the message handling that is the
// same for every skinned control.
//
// A skinned control gives every message to CommonWndProc first and handles it itself only when that
// answers false. Its painting follows the update protocol: ask QueryUpdating, rebuild the cache when
// BGChanged (or HalfVisible) says so, copy the cache to the screen.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "fw/Messages.h"
#include "image/Bitmap32.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/ControlClass.h"
#include "skin/core/SkinState.h"
#include "skin/render/ControlPaintData.h"

namespace qw {

class TComponent;
class TControl;
class TForm;
class TWinControl;
class TsSkinManager;
class TAccessHost;
class TAccessSource;

class TsCommonData : public TsControlPaintData {
 public:
  // Owner: the control (or form-frame component) the data belongs to. With CreateCacheBmp the control
  // paints through a cache bitmap (0 x 0 until InitCacheBmp sizes it).
  TsCommonData(TComponent* owner, bool createCacheBmp);
  ~TsCommonData() override;
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  // ---- Published options ----
  const std::u16string& SkinSection() const { return FSkinSection; }
  // Stores the upper-case name ("UNKNOWN" for an empty one), resolves it and tells the owner.
  void SetSkinSection(std::u16string_view name);
  bool CustomFont() const { return FCustomFont; }
  void SetCustomFont(bool value);
  bool CustomColor() const { return FCustomColor; }
  void SetCustomColor(bool value);
  // The manager chosen for this control; null means the process's default one.
  TsSkinManager* SkinManager() const { return FSkinManager; }
  void SetSkinManager(TsSkinManager* manager);
  void SetHueOffset(int value);
  void SetSaturation(int value);

  // ---- The paint-data view the painters take ----
  TsSkinManager* EffectiveManager() const override;
  int SkinIndex() const override { return FSkinIndex; }
  int BorderIndex() const override { return FBorderIndex; }
  int Texture() const override { return FTexture; }
  int HotTexture() const override { return FHotTexture; }
  TColor CustomBackgroundColor() const override;
  int HueOffset() const override { return FHueOffset; }
  int Saturation() const override { return FSaturation; }
  TCacheInfo ParentCacheInfo() const override { return GetParentCacheInfo(); }
  // The colour of the state's record; translucent sections mix in the parent's background colour.
  TColor StateColor(int state) const override;
  TPoint OwnerPosition() const override;

  // ---- State ----
  int COC = COC_TsCustom;     // control class code: default section and behaviour sets
  int GlowID = -1;            // glow window shown around the control; -1 none
  bool UrgentPainting = false;
  bool BGChanged = true;      // the cache is stale
  bool HalfVisible = true;    // partly outside the parent: rebuild on every paint
  bool FFocused = false;
  bool FMouseAbove = false;
  bool FUpdating = false;     // painting postponed
  int FUpdateCount = 0;
  uint16_t CtrlSkinState = cssUndefined;
  uint16_t BGType = 0;
  HDC PrintDC = nullptr;
  TRect InvalidRectH, InvalidRectV;  // areas scrolling controls invalidated
  HRGN FRegion = nullptr;     // window region of the owner, for controls that use one

  TComponent* OwnerObject() const { return FOwnerObject; }
  TControl* OwnerControl() const { return FOwnerControl; }
  // The window the skin data paints when it has no control object (a wrapped window of a system
  // dialog): its glow is placed by the window's rectangle.
  HWND OwnerWindow = nullptr;
  // The owner as a windowed control, or null.
  TWinControl* OwnerWinControl() const;
  TBitmap32* CacheBmp() const { return FCacheBmp.get(); }

  // ---- Operations ----
  // A valid section of a manager that exists and an owner that is not going away; with CheckSkinActive
  // the manager's skin must be active too.
  bool Skinned(bool checkSkinActive = false) const;
  // Resolves the section and its border and textures again; the cache is stale afterwards.
  void UpdateIndexes();
  // The owner was read (or became visible): default section by class, indexes, skin colours.
  void Loaded();
  // True when the control's look depends on what lies behind it, so moving it needs a repaint.
  bool RepaintIfMoved() const;
  void BeginUpdate();
  void EndUpdate(bool repaint);
  // Marks the cache stale and redraws the owner (now, with UpdateNow).
  void Invalidate(bool updateNow = false);
  // The update check before painting: true while the control (or what lies behind it) is being rebuilt.
  bool QueryUpdating() const;
  // The parent finished painting (skcEndParentUpdate): a control that held its painting back asks again
  // and, when it may paint now, its window is redrawn with its frame. True when it was redrawn.
  bool RepaintAfterParentUpdate();
  // The skin's colours as the owner's own (edits, memos, combo boxes).
  void ApplySkinColors(bool repaint);
  TCacheInfo GetParentCacheInfo() const;
  // Sizes the cache bitmap to the owner (creating it when missing).
  void InitCacheBmp();
  // Answers a background request of a child (skcPaintBackground).
  void AnswerBackgroundRequest(TBackgroundInfo& info, int state);
  // Evaluates the skin-state flags; with Children, the child controls evaluate theirs too.
  void EvaluateSkinState(bool children);
  // Focused, or the mouse is above it (unless the class ignores the mouse); never when disabled.
  bool ControlIsActive() const;
  // The colour a child must treat as this control's background (skcGetColor).
  TColor BackgroundColorForChildren() const;
  // Repaints the chosen corners (1 top-left, 2 bottom-left, 4 top-right, 8 bottom-right) of the border
  // in the cache against the parent's current background.
  void UpdateBorderCorners(int state, int corners);
  // Copies the cache from SrcOffset to Target in DC, leaving out visible opaque child controls.
  void CopyCacheToDC(TPoint srcOffset, HDC dc, const TRect& target, bool updateCorners);

  // Shows the section's glow around the control (or the owner window) while the mouse is above it (not
  // while its button is held; with Fast a shown glow is removed instead); HideGlow removes it.
  void ShowGlow(bool fast);
  void HideGlow();

  // The owner's accessible object answers for Source (the owner itself, as a skinned control describes
  // itself); made when a client first asks.
  void SetAccessSource(TAccessSource& source);
  // The owner may have changed what assistive technology reads (its text, value or state): listeners
  // hear of each part that did, against what was noted when its window came.
  void AnnounceAccessChanges();
  // The shared message handling; true when the message was handled (its result is set).
  bool CommonWndProc(TMessage& message);
  // The skin command sub-codes every skinned control answers; true when handled. A container passes the
  // broadcast ones (new skin, removed skin, refresh, stop fading, section changed) on to its children.
  bool CommonSkinMessage(TMessage& message);

 private:
  bool HandleSkinCommand(TMessage& message);
  // A client asks for the owner's accessible object.
  bool WMGetObject(TMessage& message, WPARAM flags, LPARAM objectId);
  bool OwnerDestroying() const;
  bool OwnerLoading() const;
  bool OwnerShowing() const;
  const struct TsGeneralData* Section() const;
  void TellOwner(UINT code, LPARAM lParam, uint16_t flag = 0);
  void ResetIndexes();
  void RemoveSkin();
  void PassRequestUp(TBackgroundInfo& info);

  std::u16string FSkinSection;
  bool FCustomFont = false;
  bool FCustomColor = false;
  int FHueOffset = 0;
  int FSaturation = 0;
  TsSkinManager* FSkinManager = nullptr;
  int FSkinIndex = -1;
  int FBorderIndex = -1;
  int FTexture = -1;
  int FHotTexture = -1;
  TComponent* FOwnerObject;
  TControl* FOwnerControl;
  std::unique_ptr<TBitmap32> FCacheBmp;
  bool FTellingOwner = false;  // a command of the control's own change is on its way to the owner
  std::unique_ptr<TAccessHost> FAccess;
  TAccessSource* FAccessSource = nullptr;
};

// The skin data a skinned control publishes (HUEOffset and Saturation are stored properties of it).
class TsCtrlSkinData : public TsCommonData {
 public:
  using TsCommonData::TsCommonData;
};

// The colour a control treats as its background: a skinned control's answer to skcGetColor, else its
// own colour; 0xFF00FF without a control.
TColor ParentBackgroundColor(TControl* control);

}  // namespace qw
