#pragma once
// TqxProvider: what the window hook attaches to a window the program did not skin itself. For a system
// dialog it holds the dialog wrapper and the wrappers of the dialog's child windows; for a framework form
// made without a frame component it holds the frame component it gave the form (which belongs to the
// form). SkinWindow decides for one window whether it gets a provider at all.
#include <windows.h>

#include <memory>
#include <vector>

#include "base/Component.h"

namespace qw {

class TForm;
class TqxDialogWnd;
class TqxMainWnd;
class TsSkinProvider;

// How many skinned system dialogs may be visible at once.
inline constexpr int kMaxSkinnedDialogs = 2;

class TqxProvider : public TComponent {
 public:
  // Made with TComponent::Create and the form it serves as owner, or alone for a system dialog (the
  // hook's list then owns it).
  TqxProvider() = default;
  ~TqxProvider() override;
  const char* ClassName() const override { return "TqxProvider"; }

  HWND CtrlHandle = nullptr;
  TsSkinProvider* sp = nullptr;          // the form's frame component (owned by the form)
  std::unique_ptr<TqxDialogWnd> ListSW;  // the dialog wrapper
  std::vector<std::unique_ptr<TqxMainWnd>> qxSkinnedCtrls;

  // Gives a framework form a frame component and repaints it whole.
  void InitForm(TForm& form);
  // Wraps a system dialog and its child windows; false when wrapping the children failed.
  bool InitSkin(HWND dialog);
  // Wraps every child window below Window (depth first) that is not wrapped yet.
  bool InitHwndControls(HWND window);
  // Wraps one child window by its class; false only for no window at all.
  bool AddControl(HWND window);
  // The dialog wrapper has detached itself: the dialog is gone.
  bool DialogGone() const;
};

// Decides for one window and attaches the skinning: a framework form without a frame component gets
// one, an unowned system dialog a dialog wrapper; anything else is left alone.
void SkinWindow(HWND window);
// Frees the providers of dialogs that are gone; the list closes up behind them.
void ReleaseClosedDialogs();
// The dialog of Provider has gone: the provider leaves the list now and is freed once the loop runs again
// (the dialog's last message is still running).
void ReleaseClosedDialogLater(TqxProvider* provider);
// Frees every provider the hook made (forms keep the frame components they were given).
void ReleaseHookProviders();
// The providers the hook made, in the order it made them (for the tests and the broadcast).
std::vector<TqxProvider*> HookProviders();
// The provider of a window, or null.
TqxProvider* HookProviderOf(HWND window);

}  // namespace qw
