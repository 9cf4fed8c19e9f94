#pragma once
// TqxCtrlAdapter: finds the standard controls of a skinned form that the skin manager's ThirdParty lists
// name (class names, one list per kind of control) and wraps each with the wrapper of its kind. The
// form's frame component owns one adapter and asks it to wrap the form's controls when a skin comes,
// when the skin is refreshed and when a container asks for its new children (skcAddControls).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fw/Messages.h"

namespace qw {

class TComponent;
class TControl;
class TForm;
class TqxCtrlAdapter;
class TqxMainWnd;
class TsCommonData;
class TsSkinManager;
class TWinControl;

// Tag values the adapter reads: a control tagged kTagNotWrapped is never wrapped; a plain label tagged
// kTagKeepLabel keeps its look.
inline constexpr intptr_t kTagNotWrapped = -98;
inline constexpr intptr_t kTagKeepLabel = 98;

// The ThirdParty categories (the index of each list in the manager's ThirdLists).
enum TThirdPartyCategory : int {
  tcEdits = 0,
  tcButtons = 1,
  tcBitBtns = 2,
  tcCheckBoxes = 3,
  tcComboBoxes = 4,
  tcGrids = 5,
  tcGroupBoxes = 6,
  tcListViews = 7,
  tcPanels = 8,
  tcTreeViews = 9,
  tcComboEdits = 10,
  tcExtGrids = 11,
  tcExtTrees = 12,
  tcPageControls = 13,
  tcTabControls = 14,
  tcToolBars = 15,
  tcStatusBars = 16,
  tcSpeedButtons = 17,
  tcScrollControls = 18,
  tcUpDowns = 19,
  tcScrollBars = 20,
};

// The first category whose list holds ClassName (whole names, case counts), or -1.
int ThirdPartyCategory(const TsSkinManager& manager, const std::string& className);

// One wrapped control: its own skin data and its wrapper.
struct TqxAdapterItem {
  TqxAdapterItem(TqxCtrlAdapter* adapter, TWinControl* control);
  ~TqxAdapterItem();
  TqxAdapterItem(const TqxAdapterItem&) = delete;
  TqxAdapterItem& operator=(const TqxAdapterItem&) = delete;

  TWinControl* WinCtrl;
  std::unique_ptr<TsCommonData> SkinData;
  TqxCtrlAdapter* Adapter;
  std::unique_ptr<TqxMainWnd> ScrollWnd;
};

class TqxCtrlAdapter {
 public:
  // Form: the frame component's form; Provider: the frame component; Manager: null for the default one.
  TqxCtrlAdapter(TForm& form, TComponent* provider = nullptr, TsSkinManager* manager = nullptr);
  ~TqxCtrlAdapter();
  TqxCtrlAdapter(const TqxCtrlAdapter&) = delete;
  TqxCtrlAdapter& operator=(const TqxCtrlAdapter&) = delete;

  std::string CtrlClass;
  std::u16string DefaultSection;
  std::vector<std::unique_ptr<TqxAdapterItem>> Items;
  std::vector<TControl*> GraphItems;  // wrapped windowless speed buttons
  TComponent* Provider;
  // May refuse a control (Allow false) or give it another section before it is wrapped.
  std::function<void(TControl* control, bool& allow, std::u16string& section)> OnSkinItem;

  // Wraps every supported control owned by or placed on Owner (null: the form), and their children.
  void AddAllItems(TWinControl* owner = nullptr);
  void AddNewItem(TWinControl* control);
  void AddNewItem(TWinControl* control, std::u16string_view section);
  // A windowless speed button.
  void AddNewGraphItem(TControl* control);
  // Frees the item (its wrapper gives the window back); the last item moves into the gap.
  void RemoveItem(int index);
  void RemoveAllItems();
  // Frees the items whose wrapper is missing or has detached itself.
  void CleanItems();
  int IndexOf(const TControl* control) const;
  int Count() const { return static_cast<int>(Items.size()); }
  TqxAdapterItem* GetItem(int index) const;
  bool IsControlSupported(TComponent* component) const;
  // Sends the message to the window of every item still wrapped whose control has a parent.
  void WndProc(TMessage& message);

  TsSkinManager* Manager() const;
  TForm& Form() const { return FForm; }

 private:
  void AddItemsOf(TWinControl* owner);
  void DoHook(TqxAdapterItem& item);
  void TakeOverLabel(TControl* label);

  TForm& FForm;
  TsSkinManager* FManager;
};

}  // namespace qw
