#pragma once
// TqxCtrlAdapter: finds the standard controls of a skinned form or window that the skin manager's
// ThirdParty lists name (class names, one list per kind of control) and wraps each with the wrapper of
// its kind. Finding (AdapterSearch.h) goes through the framework's tree with the framework's class
// names, and through the child windows the framework did not build with the system's class names;
// wrapping is the same for both. The form's frame component owns one adapter and asks it to wrap the
// form's controls when a skin comes, when the skin is refreshed and when a container asks for its new
// children (skcAddControls).
#include <windows.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fw/Messages.h"
#include "skin/controls/AdapterSearch.h"

namespace qw {

class TComponent;
class TControl;
class TForm;
class TLabel;
class TqxCtrlAdapter;
class TqxMainWnd;
class TsCommonData;
class TsSkinManager;
class TWinControl;

// Tag values the adapter reads: a control tagged kTagNotWrapped is never wrapped; a plain label tagged
// kTagKeepLabel keeps its look.
inline constexpr intptr_t kTagNotWrapped = -98;
inline constexpr intptr_t kTagKeepLabel = 98;

// The first category whose list holds ClassName (whole names, case counts), or -1.
int ThirdPartyCategory(const TsSkinManager& manager, std::u16string_view className);
int ThirdPartyCategory(const TsSkinManager& manager, const std::string& className);

// One wrapped control, or one wrapped window the framework did not build: its own skin data (a
// framework control's; a foreign window's wrapper keeps one of its own) and its wrapper.
struct TqxAdapterItem {
  TqxAdapterItem(TqxCtrlAdapter* adapter, TWinControl* control);
  TqxAdapterItem(TqxCtrlAdapter* adapter, HWND window);
  ~TqxAdapterItem();
  TqxAdapterItem(const TqxAdapterItem&) = delete;
  TqxAdapterItem& operator=(const TqxAdapterItem&) = delete;

  // The wrapped window: the control's current one (it may be made anew), else the foreign window. Read
  // it only while the control lives (its wrapper is not Destroyed).
  HWND Window() const;
  // The class name its category is looked up by: the framework's for a control, else the system's.
  std::u16string ClassName() const;
  // Placed on a parent: the control on a framework parent, the foreign window on any window.
  bool HasParent() const;

  TWinControl* WinCtrl;  // null for a foreign window
  std::unique_ptr<TsCommonData> SkinData;
  TqxCtrlAdapter* Adapter;
  std::unique_ptr<TqxMainWnd> ScrollWnd;

 private:
  HWND FWindow = nullptr;
};

class TqxCtrlAdapter {
 public:
  // Form: the frame component's form; Provider: the frame component; Manager: null for the default one.
  TqxCtrlAdapter(TForm& form, TComponent* provider = nullptr, TsSkinManager* manager = nullptr);
  // A window the framework did not build (a system dialog): only its child windows are found.
  TqxCtrlAdapter(HWND window, TComponent* provider = nullptr, TsSkinManager* manager = nullptr);
  ~TqxCtrlAdapter();
  TqxCtrlAdapter(const TqxCtrlAdapter&) = delete;
  TqxCtrlAdapter& operator=(const TqxCtrlAdapter&) = delete;

  std::string CtrlClass;
  std::u16string DefaultSection;
  std::vector<std::unique_ptr<TqxAdapterItem>> Items;
  std::vector<TControl*> GraphItems;  // wrapped windowless speed buttons
  TComponent* Provider;
  // May refuse a window (Allow false) or give it another section before it is wrapped. Control: its
  // framework control, null for a window the framework did not build.
  std::function<void(HWND window, TControl* control, bool& allow, std::u16string& section)> OnSkinItem;

  // Wraps every supported control owned by or placed on Owner (null: the form), and their children;
  // then the listed child windows of Owner's window (null: the adapter's window) that the framework did
  // not build.
  void AddAllItems(TWinControl* owner = nullptr);
  void AddNewItem(TWinControl* control);
  void AddNewItem(TWinControl* control, std::u16string_view section);
  // A window by handle: its framework control's item when it has one, else an item of its own.
  void AddNewWindow(HWND window);
  void AddNewWindow(HWND window, std::u16string_view section);
  // A windowless speed button.
  void AddNewGraphItem(TControl* control);
  // A plain label of the framework: it stops painting its background and takes the skin's font colour.
  void TakeOverLabel(TControl* label);
  // The skin went: the form's plain labels take the window-text colour, and those made transparent
  // paint their own background again.
  void GiveBackLabels();
  // Frees the item (its wrapper gives the window back); the last item moves into the gap.
  void RemoveItem(int index);
  void RemoveAllItems();
  // Frees the items whose wrapper is missing or has detached itself.
  void CleanItems();
  int IndexOf(const TControl* control) const;
  // The item of a window the framework did not build.
  int IndexOf(HWND window) const;
  int Count() const { return static_cast<int>(Items.size()); }
  TqxAdapterItem* GetItem(int index) const;
  bool IsControlSupported(TComponent* component) const;
  // Sends the message to the window of every item still wrapped whose control has a parent.
  void WndProc(TMessage& message);

  TsSkinManager* Manager() const;
  // The frame component's form; null for an adapter of a window the framework did not build.
  TForm* Form() const { return FForm; }

 private:
  // Asks OnSkinItem; false when it refuses.
  bool Allowed(HWND window, TControl* control, std::u16string& section);
  // Finds or makes the item, gives it the section and, when it has no live wrapper, wraps it.
  void AddItem(std::unique_ptr<TqxAdapterItem> fresh, int found, std::u16string_view section);
  void DoHook(TqxAdapterItem& item, std::u16string_view section);

  TForm* FForm = nullptr;
  HWND FWindow = nullptr;
  std::set<const TLabel*> FMadeTransparent;  // compared only, never followed
  TsSkinManager* FManager;
};

}  // namespace qw
