#pragma once
// Skin commands on their way to the windows: to one control or window, to every child of a control, to
// every form; the sequence of a skin change with the forms frozen while the tables are rebuilt; one
// section changed; and hot tracking of the control under the mouse.
#include <windows.h>

#include <vector>

#include "fw/Messages.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"

namespace qw {

class TControl;
class TWinControl;

// A skin command to a control: to its window when it has one (nothing while it is destroyed or before
// its window exists), straight to the object otherwise. Returns the answer (0: nobody answered).
LRESULT SendSkinCommand(TControl* control, TSkinCommand code, LPARAM lParam = 0, uint16_t flag = 0);
LRESULT SendSkinCommandToWindow(HWND window, TSkinCommand code, LPARAM lParam = 0, uint16_t flag = 0);
// The window answers skcIsSkinned with exactly 1.
bool IsSkinnedWindow(HWND window);

// The message to every child of Control (windowless ones by direct dispatch; skinned windows pass it on
// to their own children; plain containers are walked).
void BroadcastToChildren(TWinControl* control, TMessage& message);
// The message to every direct child window of a window.
void BroadcastToChildWindows(HWND window, TMessage& message);
// The message to every form once (those without a frame component, then the skinned windows), with
// children.
void BroadcastToAllForms(TMessage& message);
// The message to the skinned windows: the forms with a frame component with their children, then the
// shown windows the program did not build.
void BroadcastToSkinnedForms(TMessage& message);
// A skin command as a message record.
TMessage SkinCommandMessage(TSkinCommand code, LPARAM lParam = 0, uint16_t flag = 0);

// The skinned top-level windows, by handle, in the order they were registered: the forms whose frame
// component draws their frame, and windows the program did not build that a wrapper skins. Held by
// handle, so a window that went is known to be gone and nothing reaches a freed object.
struct TSkinnedWindow {
  HWND Window = nullptr;
  TsSkinManager* Manager = nullptr;  // the manager that skins it (null: the default one)
};
const std::vector<TSkinnedWindow>& SkinnedWindowList();
// Registers a window once; entries of windows that no longer exist are dropped on the way.
void AddSkinnedWindow(HWND window, TsSkinManager* manager);
// Removal moves the last entry into the gap.
void RemoveSkinnedWindow(HWND window);

// A skinned form's part in a skin change, given by the layer that draws the forms' frames: the picture
// of its look kept before the load, that picture shown while the form is locked (what lies outside the
// form's window, a border window, is not frozen with it), the change played from the old look to the new
// one after it, which ends with the form's drawing resumed and the form redrawn, and the end of a lock
// without it. Without one the forms are redrawn.
class TFormChangeAnimation {
 public:
  virtual ~TFormChangeAnimation() = default;
  virtual void Prepare(HWND form) = 0;
  virtual void Lock(HWND form) = 0;
  virtual void Play(HWND form, const TqxAnimEffect& effect) = 0;
  virtual void Release(HWND form) = 0;
};
void SetFormChangeAnimation(TFormChangeAnimation* animation);

// Freezes the skinned forms of Manager for a skin change (drawing suspended); undone by the unlock, on
// every path: a lock object unlocks in its destructor unless Unlock ran.
class TFormsLock {
 public:
  explicit TFormsLock(TsSkinManager& manager);
  ~TFormsLock();
  TFormsLock(const TFormsLock&) = delete;
  TFormsLock& operator=(const TFormsLock&) = delete;
  // Resumes drawing; with Animate the forms are redrawn with all their children now, through the change
  // animation when the manager's SkinChanging is active.
  void Unlock(bool animate);

 private:
  TsSkinManager& FManager;
  bool FSetAnimation = false;
  std::vector<HWND> FLocked;
  bool FUnlocked = false;
};

// The full refresh of every window after a skin change or recolouring.
void RepaintForms(TsSkinManager& manager, bool lockForms);
// Tells every control whose section is SectionName (any case) to repaint itself.
void UpdateSkinSection(TsSkinManager& manager, std::u16string_view sectionName);

// Hot tracking: the window under the mouse (skcMouseLeave to the old one, skcMouseEnter to the new one),
// and the windowless control under it.
HWND ActiveControl();
void SetActiveControl(TsSkinManager* manager, HWND window);
TControl* ActiveGraphControl();
void SetActiveGraphControl(TsSkinManager* manager, TControl* control);
// A control going away is no longer hot.
void ForgetHotTracked(TControl* control);

// Work the layers above the controls do on every announcement (the menus' skinning, the window hook):
// each listener runs after the windows heard of a new skin (Active) or of the skin's removal.
using TSkinChangeListener = void (*)(TsSkinManager& manager, bool active);
// Adds a listener once (a second call with the same one changes nothing).
void AddSkinChangeListener(TSkinChangeListener listener);

// The announcement of a manager to the windows (installed as its broadcast hook).
class TsWindowBroadcast final : public TsSkinBroadcastHook {
 public:
  void AnnounceNewSkin(TsSkinManager& manager, bool repaint) override;
  void AnnounceRemoveSkin(TsSkinManager& manager) override;
  void RepaintForms(TsSkinManager& manager, bool lockForms) override;
  void PrepareSkinChangeAnimation(TsSkinManager& manager) override;
  void WatchSystemSettings(TsSkinManager& manager) override;
};
// The hook every manager of the program uses.
TsWindowBroadcast& WindowBroadcast();
// Skin commands are sent, never posted: the message loop drops any that arrive through the queue (from
// another process, say), before a handler could follow an address in them. The filter sits beside the
// program's own Application().OnMessage, under this name.
inline constexpr char kSkinCommandFilter[] = "skin commands";
void InstallSkinCommandFilter();

}  // namespace qw
