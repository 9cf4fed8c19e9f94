#pragma once
// The tree of a menu: items with sub-items, their captions, shortcuts, checks and radio groups, pictures,
// and the command number each item keeps for its whole life. Portable: nothing here needs a window, so
// the tree's rules are tested natively; fw/Menu.h builds the system's menus from it and routes their
// messages back to the items.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Component.h"
#include "base/Geometry.h"
#include "fw/ShortCut.h"
#include "image/Bitmap32.h"

namespace qw {

class TCanvas;
class TMenuItem;

// What a caption makes of an item: "-" is a separator line, a text between two dashes ("-Title-") is a
// caption item (a heading, not chosen), anything else a normal item.
enum class TMenuItemKind { Normal, Separator, Caption };
TMenuItemKind MenuItemKindOf(std::u16string_view caption);
// The heading a caption item shows: its caption without the two dashes; other captions as they are.
std::u16string_view MenuCaptionTitle(std::u16string_view caption);

// Where an item starts a new column: mbBreak a plain one, mbBarBreak one with a line beside it.
enum TMenuBreak : int { mbNone, mbBreak, mbBarBreak };

// The state of an owner-drawn item being painted, numbered as the system numbers it.
using TOwnerDrawState = uint32_t;
enum : TOwnerDrawState {
  odSelected = 0x0001,
  odGrayed = 0x0002,
  odDisabled = 0x0004,
  odChecked = 0x0008,
  odFocus = 0x0010,
  odDefault = 0x0020,
  odHotLight = 0x0040,
  odInactive = 0x0080,
  odNoAccel = 0x0100,
  odNoFocusRect = 0x0200,
};

// Owner-drawn items ask these: the size (preset to the framework's own measure, which the handler may
// change) and the painting, on the framework's canvas of the menu's DC.
using TMenuMeasureItemEvent = std::function<void(TMenuItem* sender, TCanvas& canvas, int& width, int& height)>;
using TMenuDrawItemEvent = std::function<void(TMenuItem* sender, TCanvas& canvas, TRect rect, bool selected)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TMenuItem* sender, TCanvas& canvas, TRect rect, TOwnerDrawState state)>;

// The menu that holds a tree hears of every change in it (an item added, removed, shown, hidden,
// renamed...): the system's menu no longer matches the tree.
class TMenuListener {
 public:
  virtual void MenuChanged(TMenuItem& source) = 0;

 protected:
  ~TMenuListener() = default;
};

// Command numbers, unique among the items alive: taken when an item is made and given back when it
// goes, so an item keeps its number however often its menu is rebuilt. The lowest free number is taken.
// 0 means none (every number in use): such an item can never be chosen.
class TMenuCommandPool {
 public:
  explicit TMenuCommandPool(uint16_t highest) : FUsed(static_cast<size_t>(highest) + 1, false) {}
  uint16_t Take();
  void Give(uint16_t command);

 private:
  std::vector<bool> FUsed;  // index 0 stands for "none" and is never taken
};
// Menu commands go up to here; the system's own commands (the window menu's) start at 0xF000.
inline constexpr uint16_t kHighestMenuCommand = 0xEFFF;

class TMenuItem : public TComponent {
 public:
  TMenuItem();
  ~TMenuItem() override;
  const char* ClassName() const override { return "TMenuItem"; }

  // ---- The tree. Items belong to their component owner (the form), not to the item above them: taking an
  // item out of the tree leaves it alive, and an item that is destroyed leaves the tree by itself. ----
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems[static_cast<size_t>(index)]; }
  TMenuItem* Parent() const { return FParent; }
  // Adds at the end, or before Index (clamped into the list); an item in another tree leaves that first.
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  int IndexOf(const TMenuItem* item) const;
  // The item at the top of the tree (a menu's root) and the listener it reports to.
  TMenuItem& Root();
  TMenuListener* Listener() const { return FListener; }
  // Only a menu's root has one: the menu that builds the system's menu from the tree.
  void SetListener(TMenuListener* listener) { FListener = listener; }
  // The item of this tree (this item included) with the command, or nullptr.
  TMenuItem* FindByCommand(uint16_t command);

  // ---- What the item shows ----
  const std::u16string& Caption() const { return FCaption; }
  void SetCaption(std::u16string caption);
  TMenuItemKind Kind() const { return MenuItemKindOf(FCaption); }
  bool IsSeparator() const { return Kind() == TMenuItemKind::Separator; }
  bool IsCaption() const { return Kind() == TMenuItemKind::Caption; }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut shortCut);
  // A checked radio item unchecks the other radio items of its group among its siblings.
  bool Checked() const { return FChecked; }
  void SetChecked(bool checked);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool radio);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int index);
  TMenuBreak Break() const { return FBreak; }
  void SetBreak(TMenuBreak value);
  // Shown in bold; the item a double click on the menu's owner would choose.
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  // The item's own picture; without one the menu's Images at ImageIndex (-1: none).
  const TBitmap32& Bitmap() const { return FBitmap; }
  void SetBitmap(TBitmap32 bitmap);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  // Choosing the item toggles Checked before OnClick runs.
  bool AutoCheck = false;

  // The number the system's menu reports when the item is chosen.
  uint16_t Command() const { return FCommand; }

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
  // What choosing the item does: nothing for a disabled item, else AutoCheck and OnClick.
  void Click();

 private:
  // Tells the tree's menu.
  void Changed();
  void TurnSiblingsOff();
  void Unlink(TMenuItem* item);

  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  TMenuListener* FListener = nullptr;
  std::u16string FCaption;
  TShortCut FShortCut = scNone;
  bool FChecked = false;
  bool FRadioItem = false;
  int FGroupIndex = 0;
  TMenuBreak FBreak = mbNone;
  bool FDefault = false;
  bool FEnabled = true;
  bool FVisible = true;
  TBitmap32 FBitmap;
  int FImageIndex = -1;
  uint16_t FCommand = 0;
};

// Visits the items below Root, depth first, each before its sub-items (Root itself is not visited).
void ForEachMenuItem(TMenuItem& root, const std::function<void(TMenuItem&)>& visit);
// The item below Root with this shortcut that can be chosen now: enabled and visible, and so is every
// item above it. The first such item depth first; nullptr for none (and for scNone).
TMenuItem* FindShortCutItem(TMenuItem& root, TShortCut shortCut);
// The live item that has this command, whichever tree it is in; nullptr for none.
TMenuItem* MenuItemOfCommand(uint16_t command);

}  // namespace qw
