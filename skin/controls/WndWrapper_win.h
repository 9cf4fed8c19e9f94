#pragma once
// TqxMainWnd: the base of the window wrappers, which give skin painting to windows the engine does not
// own (standard controls on a skinned form, inner windows of skinned controls, windows of system
// dialogs). A wrapper stands in front of the window's messages, handles what it paints and hands on the
// rest: as a hook of the window's framework control when it has one (so the framework's own
// notifications reach it too), else as a link of the system's subclass chain. The window property
// "QXSBSC" holds the wrapper, so code that has only the handle finds it.
//
// A wrapper never frees itself. At WM_NCDESTROY it detaches (whatever the window answered) and marks
// itself Destroyed; its owner frees it, through ReleaseWrapper, which waits while one of the wrapper's
// messages is still running. Other links of the chain keep working whenever and in whatever order the
// links leave.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "base/Component.h"
#include "fw/Control.h"
#include "fw/Messages.h"
#include "image/ColorToRgb.h"

namespace qw {

class TsCommonData;
class TsSkinManager;
class TWinControl;

// The window property naming a window's wrapper.
inline constexpr wchar_t kWrapperProp[] = L"QXSBSC";

// Process-wide: wrappers leave the programmer's fonts alone (their skin data keeps CustomFont).
extern bool WrappersKeepFonts;

class TqxMainWnd : public TComponent, private TWindowProcHook {
 public:
  // Makes a wrapper of class T (constructor arguments as given) and attaches it to its window.
  template <class T, class... Args>
  static std::unique_ptr<T> Create(Args&&... args) {
    auto wrapper = std::make_unique<T>(std::forward<Args>(args)...);
    static_cast<TqxMainWnd&>(*wrapper).Attach();
    return wrapper;
  }

  // Wnd: the window. Section: the section when the skin data has none. Manager: null for the skin
  // data's. SkinData: the creator's (kept by it), or null for one of the wrapper's own.
  TqxMainWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData);
  ~TqxMainWnd() override;
  const char* ClassName() const override { return "TqxMainWnd"; }

  // The wrapper attached to a window, or null.
  static TqxMainWnd* FromHandle(HWND wnd);

  // ---- State ----
  bool DlgMode = false;           // the window belongs to a system dialog being skinned
  std::wstring Caption;           // the window text, kept current on WM_SETTEXT
  RECT WndRect{};                 // the window's screen rectangle ...
  SIZE WndSize{};                 // ... its size ...
  POINT WndPos{};                 // ... its place in the parent's client area ...
  RECT ParentRect{};              // ... and the parent's screen rectangle (MeasureWindow)
  HWND ParentWnd = nullptr;
  uint32_t OldCtrlStyle = 0;      // the control's style before wrapping
  HWND CtrlHandle = nullptr;      // the wrapped window
  TsSkinManager* SkinManager = nullptr;
  TsCommonData* SkinData = nullptr;
  bool DontRepaint = false;       // the engine itself scrolls: no bar repaint after the scroll messages
  bool ParamsChanged = false;     // the skin's colours were given to the control
  TColor StdColor = clNone;       // the control's colour and font colour before skinning
  TColor StdFontColor = clNone;
  bool Destroyed = false;         // detached: does nothing more and waits to be freed
  bool OwnSkinData = false;
  // Called when the window's framework control is being destroyed, before anything of it is gone (the
  // creator frees what it made for the control, such as a skin data owned by it).
  std::function<void(TqxMainWnd&)> OnControlDestroyed;

  // Remember / give back what skinning changes in the control; give it the skin's colours.
  virtual void SaveStdParams() {}
  virtual void RestoreStdParams() {}
  virtual void SetSkinParams() { ParamsChanged = true; }
  // The message handler standing in front of the window's own.
  virtual void qxWndProc(TMessage& message);
  // Hands a message on to the handler the wrapper stands in front of (nothing, answer 0, once the
  // wrapper is detached or the control gone).
  void CallPrevWndProc(TMessage& message);
  LRESULT CallPrevWndProc(UINT msg, WPARAM wParam, LPARAM lParam);

  // The framework control whose messages the wrapper sees, or null (a foreign window, or gone).
  TWinControl* Control() const { return FControl; }
  // The manager in use: the given one, else the skin data's.
  TsSkinManager* Manager() const;
  // A skin data with a valid section of an active manager.
  bool Skinned() const;
  // True while one of the wrapper's messages runs (freeing it now would pull it from under itself).
  bool InMessage() const { return FRunning > 0; }
  // Gives the window back: the previous handler, no property, the control's colours; Destroyed is set.
  void Detach();
  // Measures WndRect, WndSize, WndPos, ParentWnd and ParentRect.
  void MeasureWindow();
  bool WindowVisible() const;

  // The skin command answers every wrapper gives; false for codes it leaves to the handler behind it.
  bool WrapperSkinCommand(TMessage& message);
  // Rebuilds the cache when stale (Algorithm of every edge-painting wrapper); false while waiting.
  virtual bool PrepareCache();

 protected:
  // Sets the property and steps in front of the window's messages; then the control's style.
  virtual void Attach();
  // Undoes Attach; scroll wrappers also give back the non-client area.
  virtual void DetachWrapper();
  // The section used when the skin data has none: the creator's, else the class's own.
  virtual std::u16string_view DefaultSection() const { return FSection; }
  std::u16string_view GivenSection() const { return FSection; }
  // Answers a background request from the cache (the client area's origin lies inside it).
  void AnswerBackground(TMessage& message);
  // Visual styles are switched off on the window (menus and dialog windows keep theirs).
  virtual bool SwitchesThemeOff() const;
  // Offset of the client area's origin in the window (and so in a whole-window cache).
  POINT ClientOffset() const;
  // The window's framework control is going, its skin data with it: what runs on that data stops now.
  virtual void ControlGoing() {}

 private:
  void HookedWindowProc(TControl& control, TMessage& message) override;
  void HookedControlDestroyed(TControl& control) override;
  static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR refData);
  void Run(TMessage& message);
  void Unhook();

  std::u16string FSection;
  std::unique_ptr<TsCommonData> FOwnedSkinData;
  TWinControl* FControl = nullptr;  // hooked framework control
  bool FSubclassed = false;         // link of the system's subclass chain
  UINT_PTR FSubclassId = 0;
  LONG_PTR FProcAfterSubclass = 0;  // the window procedure right after the link was made
  int FRunning = 0;
  bool FThemeOff = false;
  bool FStyleSaved = false;
};

// Frees a wrapper: detached first, then deleted now, or once the loop runs again when one of its
// messages is still running.
void ReleaseWrapper(std::unique_ptr<TqxMainWnd> wrapper);

}  // namespace qw
