// The menu tree without a window: caption kinds, the tree's links, radio groups, lasting command
// numbers, shortcuts that can be chosen, and what the menu holding a tree hears of it.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "fw/MenuItem.h"

namespace qw {
namespace {

// Counts the changes the menu holding a tree would hear.
class TChangeCounter : public TMenuListener {
 public:
  void MenuChanged(TMenuItem&) override { ++Changes; }
  int Changes = 0;
};

// A tree as a form holds one: the items owned by a component, linked under a root.
struct TTree {
  TComponent Owner;
  TMenuItem Root;
  TChangeCounter Counter;
  TTree() { Root.SetListener(&Counter); }
  TMenuItem* Item(std::u16string caption, TMenuItem* parent = nullptr) {
    auto* item = TComponent::Create<TMenuItem>(&Owner);
    item->SetCaption(std::move(caption));
    (parent ? parent : &Root)->Add(item);
    return item;
  }
};

TEST(MenuTree, CaptionsMakeSeparatorsCaptionItemsAndNormalItems) {
  struct TCase {
    std::u16string_view Caption;
    TMenuItemKind Kind;
    std::u16string_view Title;
  };
  const TCase cases[] = {
      {u"-", TMenuItemKind::Separator, u"-"},       {u"-Title-", TMenuItemKind::Caption, u"Title"},
      {u"-x-", TMenuItemKind::Caption, u"x"},       {u"--", TMenuItemKind::Normal, u"--"},
      {u"-Open", TMenuItemKind::Normal, u"-Open"},  {u"", TMenuItemKind::Normal, u""},
      {u"&Copy", TMenuItemKind::Normal, u"&Copy"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(MenuItemKindOf(c.Caption), c.Kind) << std::string(c.Caption.begin(), c.Caption.end());
    EXPECT_EQ(MenuCaptionTitle(c.Caption), c.Title);
  }
}

TEST(MenuTree, ItemsMoveBetweenParentsNeverLoopAndLeaveTheTreeWhenDestroyed) {
  TTree t;
  TMenuItem* file = t.Item(u"File");
  TMenuItem* open = t.Item(u"Open", file);
  TMenuItem* recent = t.Item(u"Recent", file);
  TMenuItem* one = t.Item(u"1", recent);
  EXPECT_EQ(&one->Root(), &t.Root);
  t.Root.Insert(0, recent);  // moves: one parent at a time
  one->Add(recent);          // would make a loop: refused
  file->Insert(99, one);     // an index past the end appends
  EXPECT_EQ(file->Count(), 2);
  EXPECT_EQ(recent->Parent(), &t.Root);
  EXPECT_EQ(file->IndexOf(one), 1);
  const int before = t.Counter.Changes;
  file->Remove(open);
  EXPECT_EQ(open->Parent(), nullptr) << "taken out of the tree, still alive";
  EXPECT_EQ(t.Counter.Changes, before + 1);
  t.Owner.ExtractComponent(one).reset();
  EXPECT_EQ(file->Count(), 0) << "a destroyed item leaves its parent's list";
  TMenuItem* orphan = t.Item(u"orphan", file);
  t.Owner.ExtractComponent(file).reset();
  EXPECT_EQ(orphan->Parent(), nullptr) << "the items of a destroyed item are let go";
}

TEST(MenuTree, ACheckedRadioItemUnchecksTheRadioItemsOfItsGroupAmongItsSiblings) {
  TTree t;
  TMenuItem* a = t.Item(u"a");
  TMenuItem* b = t.Item(u"b");
  TMenuItem* other = t.Item(u"other group");
  TMenuItem* plain = t.Item(u"plain");
  TMenuItem* nested = t.Item(u"nested", a);
  for (TMenuItem* item : {a, b, other, nested}) item->SetRadioItem(true);
  other->SetGroupIndex(1);
  for (TMenuItem* item : {a, other, plain, nested}) item->SetChecked(true);
  const auto checks = [&] {
    return std::vector<bool>{a->Checked(), b->Checked(), other->Checked(), plain->Checked(), nested->Checked()};
  };
  b->SetChecked(true);
  EXPECT_EQ(checks(), (std::vector<bool>{false, true, true, true, true}))
      << "another group, a plain item and an item that is no sibling keep their checks";
  other->SetGroupIndex(0);  // a checked radio item joining the group wins it
  EXPECT_EQ(checks(), (std::vector<bool>{false, false, true, true, true}));
  a->AutoCheck = true;
  bool checkedInClick = false;
  a->OnClick = [&](TComponent*) { checkedInClick = a->Checked(); };
  a->Click();
  EXPECT_TRUE(checkedInClick) << "AutoCheck toggles before OnClick";
  EXPECT_FALSE(other->Checked());
  a->SetEnabled(false);
  a->Click();
  EXPECT_TRUE(a->Checked()) << "a disabled item does nothing";
}

TEST(MenuTree, CommandNumbersAreTheLowestFreeLastTheItemsLifeAndFindTheirItem) {
  TMenuCommandPool pool(3);
  for (const uint16_t expected : {1, 2, 3, 0}) EXPECT_EQ(pool.Take(), expected) << "0: every number in use";
  pool.Give(2);
  pool.Give(0);
  EXPECT_EQ(pool.Take(), 2);

  TTree t, other;
  TMenuItem* a = t.Item(u"a");
  TMenuItem* b = t.Item(u"b", a);
  TMenuItem* elsewhere = other.Item(u"elsewhere");
  const uint16_t command = b->Command();
  t.Root.Add(b);
  EXPECT_EQ(b->Command(), command) << "a move keeps the number";
  EXPECT_EQ(MenuItemOfCommand(command), b);
  EXPECT_EQ(t.Root.FindByCommand(elsewhere->Command()), nullptr) << "only this tree's items";
  t.Owner.ExtractComponent(b).reset();
  EXPECT_EQ(MenuItemOfCommand(command), nullptr);
  TMenuItem* next = t.Item(u"next");
  EXPECT_EQ(next->Command(), command) << "the freed number is the lowest free one";
}

TEST(MenuTree, AShortCutChoosesOnlyAnItemThatCanBeChosen) {
  TTree t;
  TMenuItem* edit = t.Item(u"Edit");
  TMenuItem* copy = t.Item(u"Copy", edit);
  TMenuItem* hidden = t.Item(u"Hidden");
  TMenuItem* below = t.Item(u"Below hidden", hidden);
  const TShortCut ctrlC = MakeShortCut('C', scCtrl), ctrlH = MakeShortCut('H', scCtrl);
  copy->SetShortCut(ctrlC);
  below->SetShortCut(ctrlH);
  hidden->SetVisible(false);
  EXPECT_EQ(FindShortCutItem(t.Root, ctrlC), copy);
  EXPECT_EQ(FindShortCutItem(t.Root, ctrlH), nullptr) << "under a hidden item";
  edit->SetEnabled(false);
  EXPECT_EQ(FindShortCutItem(t.Root, ctrlC), nullptr) << "under a disabled item";
  EXPECT_EQ(FindShortCutItem(t.Root, scNone), nullptr);
  int visited = 0;
  ForEachMenuItem(t.Root, [&](TMenuItem&) { ++visited; });
  EXPECT_EQ(visited, 4);
}

}  // namespace
}  // namespace qw
