#pragma once
// What every skinned control has in common (TsSkinned), and what the controls that paint through a cache
// bitmap share on top of it (TsCachedControl): the paint and erase messages, the cache rebuilt on
// request, the news that the parent has painted, the half-visible tests and the one way to ask for a
// repaint.
//
// The order in which a message runs through a skinned control:
//  1. the control's own WndProc: the messages its class acts on. A handler usually hands the message
//     down first (steps 2 to 4) and acts on the outcome; the few that must act before the skin data
//     does say so where they do it (the button and the check box stop their fades before a skin
//     change is handled, the combo box brings its list and field along before its skin data hears of
//     new skins, refreshes and removed skins and answers whether its list is dropped down);
//  2. TsCachedControl, for controls that paint through a cache: WM_PAINT, WM_PRINTCLIENT,
//     WM_ERASEBKGND, skcPrepareCache and skcEndParentUpdate end here;
//  3. the skin data (TsCommonData::CommonWndProc): skin commands, framework notifications, focus, size
//     and move; a message it reports handled ends there;
//  4. the framework base class.
// The edit, the memo and the combo box take the system's drawing and the cache's in turns (the system
// draws the client while they are active), so they dispatch painting themselves in step 1, and run
// steps 3 and 4 themselves while they are skinned and ready to paint, acting after the framework.
#include <windows.h>

#include <type_traits>

#include "base/Geometry_win.h"
#include "fw/MessageCrack.h"
#include "fw/Messages.h"
#include "fw/WinControl.h"
#include "skin/access/AccessSource.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/ControlAccess_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/HalfVisible.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinCommands.h"

namespace qw {

//
// Every skinned control answers assistive technology through its skin data (WM_GETOBJECT): by default as
// a plain window with its caption and its windowless children (labels, pictures) as elements; a control
// says more by overriding DescribeAccess and DoAccessDefaultAction.
template <class TBase, int Coc>
class TsSkinned : public TBase, public TAccessSource {
 public:
  TsSkinned() {
    SkinData.COC = Coc;
    SkinData.SetAccessSource(*this);
  }
  ~TsSkinned() override {
    // The window goes while the skin data its messages reach still exists.
    if constexpr (std::is_base_of_v<TWinControl, TBase>) this->DestroyHandle();
  }

  TsCtrlSkinData SkinData{this, true};

  void WndProc(TMessage& message) override {
    if (!SkinData.CommonWndProc(message)) TBase::WndProc(message);
  }
  void Loaded() override {
    TBase::Loaded();
    SkinData.Loaded();
  }

  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override {
    DescribeControl(*this, self);
    if constexpr (std::is_base_of_v<TWinControl, TBase>) AddWindowlessElements(*this, elements);
  }
  void DoAccessDefaultAction(int id) override {
    if constexpr (std::is_base_of_v<TWinControl, TBase>) {
      if (id > 0) ClickWindowlessElement(*this, id);
    }
  }
};

// A windowed skinned control that paints its cache bitmap onto the screen.
//
// Painting: a paint of the screen first asks whether the control or what lies behind it is being rebuilt
// (QueryUpdating) and waits while it is, or while a transition runs; it paints again when its parent
// reports the end of its update (skcEndParentUpdate) or when a repaint is asked for. A paint with a
// device context given (a picture asked for now: printing, a transition's snapshot, a background for
// someone else) is painted whatever holds the screen back; buttons and check boxes, whose picture
// shows what lies behind them, give none while that is unfinished, not even into a given DC.
template <class TBase, int Coc>
class TsCachedControl : public TsSkinned<TBase, Coc> {
  using TSkinnedBase = TsSkinned<TBase, Coc>;

 public:
  void WndProc(TMessage& message) override {
    switch (message.Msg) {
      case WM_PAINT:
      case WM_PRINTCLIENT:
        return WMPaint(message, DcFrom(message.WParam));
      case WM_ERASEBKGND:
        return WMEraseBkgnd(message, DcFrom(message.WParam));
      case SkinCommandMsg:
        if (SkinCommandCode(message.WParam) == skcPrepareCache) return SKCPrepareCache(message);
        if (SkinCommandCode(message.WParam) == skcEndParentUpdate) return EndParentUpdate(message);
        break;
      default:
        break;
    }
    TSkinnedBase::WndProc(message);
  }

  // Rebuilds the cache for the control's current state.
  virtual void PrepareCache() = 0;

  // The one way to ask for a repaint: the cache is rebuilt at the next paint, which comes soon (with
  // Now, before this returns).
  void RequestRepaint(bool now = false) {
    this->SkinData.BGChanged = true;
    RedrawSkinned(now);
  }

 protected:
  // The control paints skinned: skinned, with a window and not going away. Otherwise the framework does.
  virtual bool MayPaint() const { return this->SkinData.Skinned() && !this->IsDestroying() && this->HandleAllocated(); }
  // Shows the cache in DC, rebuilding it first where it is stale. Printing: DC came with the message.
  virtual void PaintCached(HDC dc, bool printing) = 0;
  // Called after the screen was painted: containers tell their windowed children here.
  virtual void AfterScreenPaint() {}
  // How the window is redrawn when a repaint is asked for: with its frame and children by default.
  virtual void RedrawSkinned(bool now) { this->SkinData.Invalidate(now); }
  // The parent has painted (skcEndParentUpdate): a control that held its painting back paints now.
  virtual void EndParentUpdate(TMessage& message) {
    message.Result = 0;
    if (!this->SkinData.FUpdating) return;
    this->SkinData.FUpdating = false;
    RequestRepaint(true);
  }
  // The control's cache holds everything: nothing for the system to erase.
  virtual void WMEraseBkgnd(TMessage& message, HDC /*dc*/) {
    if (!MayPaint()) return TSkinnedBase::WndProc(message);
    message.Result = 1;
  }

  // The update check before a paint: true while the control waits. Printing: DC came with the message.
  bool PaintHeldBack(bool printing) {
    if (printing && !WaitsForBehindWhenPrinting()) return false;
    this->SkinData.FUpdating = this->SkinData.QueryUpdating();
    return this->SkinData.FUpdating || (AnimationRunning && !printing);
  }
  // Buttons and check boxes give no picture while what lies behind them is unfinished, not even into a
  // given DC.
  virtual bool WaitsForBehindWhenPrinting() const { return false; }
  // A control, or a parent, found partly hidden at the last paint may have had its background changed
  // where nobody repainted it: the cache is stale.
  void StaleWhenHalfVisible() {
    TsCommonData& d = this->SkinData;
    TWinControl* parent = this->Parent();
    d.BGChanged = d.BGChanged || d.HalfVisible || (parent && SendSkinCommand(parent, skcQueryHalfVisible) != 0);
  }
  // The half-visible measures (see HalfVisible.h); without a parent the control keeps what it had.
  void MeasureHalfVisibleByBounds() {
    if (TWinControl* parent = this->Parent())
      this->SkinData.HalfVisible = HalfVisibleByBounds(RectOf(this->BoundsRect()), RectOf(parent->ClientRect()));
  }
  void MeasureHalfVisibleByCorners() {
    if (TWinControl* parent = this->Parent())
      this->SkinData.HalfVisible = HalfVisibleByCorners(RectOf(this->BoundsRect()), RectOf(parent->ClientRect()));
  }
  void MeasureHalfVisibleByClipBox(HDC dc) {
    RECT clip{};
    const bool oneRect = GetClipBox(dc, &clip) == SIMPLEREGION;
    this->SkinData.HalfVisible = HalfVisibleByClipBox(oneRect, RectOf(clip), this->Width(), this->Height());
  }

 private:
  void WMPaint(TMessage& message, HDC given) {
    if (!MayPaint()) return TSkinnedBase::WndProc(message);
    message.Result = 0;
    const HWND window = this->Handle();
    PAINTSTRUCT ps{};
    HDC dc = given ? given : BeginPaint(window, &ps);
    const bool paints = dc && !PaintHeldBack(given != nullptr);
    // A handler called while painting (a tab drawn by its owner) may free the control.
    TDestroyWatch watch(this);
    if (paints) PaintCached(dc, given != nullptr);
    if (!given) EndPaint(window, &ps);
    if (paints && !given && !watch.Destroyed()) AfterScreenPaint();
  }
  void SKCPrepareCache(TMessage& message) {
    PrepareCache();
    message.Result = 1;
  }
};

}  // namespace qw
