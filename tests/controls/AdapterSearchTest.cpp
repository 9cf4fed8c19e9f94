// What the control adapter finds, over plain trees: in the framework's tree which controls qualify and in
// which order (components, then children, containers searched in turn); among child windows, the listed
// ones the framework did not build and that are not skinned yet.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "skin/controls/AdapterSearch.h"

namespace qw {
namespace {

struct TItem {
  explicit TItem(std::string name, int category = -1) : Name(std::move(name)), Category(category) {}
  std::string Name;
  int Category;
  bool Windowed = true, Window = true, Skinned = false, Form = false, Label = false, NotWrapped = false;
  bool Control = true, Framework = false;
  std::vector<TItem*> Components, Children;
};

struct TFakeTrees {
  using Node = TItem;
  using Window = TItem*;
  std::vector<std::string> Found;

  std::vector<Node*> Components(Node* n) { return n->Components; }
  std::vector<Node*> Children(Node* n) { return n->Children; }
  bool IsControl(Node* n) { return n->Control; }
  bool NotWrapped(Node* n) { return n->NotWrapped; }
  bool IsWindowed(Node* n) { return n->Windowed; }
  bool HasWindow(Node* n) { return n->Windowed && n->Window; }
  bool IsSkinned(Node* n) { return n->Skinned; }
  bool IsForm(Node* n) { return n->Form; }
  bool IsPlainLabel(Node* n) { return n->Label; }
  int Category(Node* n) { return n->Category; }
  void FoundWindowed(Node* n) { Found.push_back("windowed " + n->Name); }
  void FoundLabel(Node* n) { Found.push_back("label " + n->Name); }
  void FoundSpeedButton(Node* n) { Found.push_back("speed " + n->Name); }

  std::vector<Window> Descendants(Window w) { return w->Children; }
  bool HasFrameworkObject(Window w) { return w->Framework; }
  void FoundWindow(Window w) { Found.push_back("window " + w->Name); }
};

TEST(AdapterSearch, ControlTreeFindsWhatQualifiesComponentsFirst) {
  TItem edit{"edit", tcEdits}, timer{"timer"}, ownedSpeed{"ownedSpeed", tcSpeedButtons}, tagged{"tagged", tcEdits},
      noWindow{"noWindow", tcEdits}, skinned{"skinned", tcEdits}, innerForm{"innerForm", tcEdits},
      label{"label"}, speed{"speed", tcSpeedButtons}, panel{"panel"}, nested{"nested", tcEdits},
      underNoWindow{"underNoWindow", tcEdits}, form{"form"};
  timer.Control = false;
  ownedSpeed.Windowed = speed.Windowed = label.Windowed = false;
  label.Label = true;
  tagged.NotWrapped = true;
  noWindow.Window = false;
  skinned.Skinned = true;
  innerForm.Form = true;
  panel.Children = {&nested};
  noWindow.Children = {&underNoWindow};
  form.Components = {&edit, &timer, &ownedSpeed};
  form.Children = {&edit, &tagged, &noWindow, &skinned, &innerForm, &label, &speed, &panel};
  TFakeTrees t;
  ControlTreeSearch(t, &form);
  // An owned control placed on the form is met twice (the adapter wraps it once); a speed button counts
  // only among the children; an unlisted container is searched, one without a window is not.
  EXPECT_EQ(t.Found, (std::vector<std::string>{"windowed edit", "windowed edit", "label label", "speed speed",
                                               "windowed nested"}));
}

TEST(AdapterSearch, WindowTreeFindsListedForeignWindowsNotSkinnedYet) {
  TItem listed{"listed", tcEdits}, framework{"framework", tcEdits}, unlisted{"unlisted"},
      skinned{"skinned", tcComboBoxes}, speed{"speed", tcSpeedButtons}, root{"root"};
  framework.Framework = true;
  skinned.Skinned = true;
  root.Children = {&framework, &unlisted, &skinned, &speed, &listed};
  TFakeTrees t;
  WindowTreeSearch(t, &root);
  EXPECT_EQ(t.Found, (std::vector<std::string>{"window listed"}));
}

}  // namespace
}  // namespace qw
