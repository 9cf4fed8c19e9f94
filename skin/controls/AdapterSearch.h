#pragma once
// What the control adapter wraps, found in one of two trees. Finding decides what qualifies and in
// which order; the adapter then wraps what it is told of, the same way whichever tree it came from.
// Written once over abstract trees, so the rules are tested on plain objects and used on real windows.
//
// The framework's tree (T::Node; class names are the framework's), as ControlTreeSearch reads it:
//   std::vector<Node*> Components(Node*)  the components it owns (a copy: wrapping may change them)
//   std::vector<Node*> Children(Node*)    its child controls, windowless ones included (a copy)
//   bool IsControl(Node*)                 a control rather than a plain component
//   bool NotWrapped(Node*)                tagged never to be wrapped
//   bool IsWindowed(Node*)                a windowed control ...
//   bool HasWindow(Node*)                 ... whose window exists
//   bool IsSkinned(Node*)                 its window answers skcIsSkinned with 1
//   bool IsForm(Node*)                    a form (skinned by a frame component of its own)
//   bool IsPlainLabel(Node*)              the framework's own label (a windowless text)
//   int Category(Node*)                   the ThirdParty category of its class name, -1 none
// and is told what it found: FoundWindowed(Node*), FoundLabel(Node*), FoundSpeedButton(Node*).
//
// The window tree (T::Window; class names are the system's), as WindowTreeSearch reads it:
//   std::vector<Window> Descendants(Window)  every window below, at any depth (a copy)
//   bool HasFrameworkObject(Window)          found through the framework's tree instead
//   int Category(Window)                     the ThirdParty category of its class name, -1 none
//   bool IsSkinned(Window)                   answers skcIsSkinned with 1
// and is told: FoundWindow(Window).
namespace qw {

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

// A node the adapter takes over: not tagged away; a windowed one with a window that is not skinned and
// is no form; a plain label always; anything else when its class is listed.
template <class T>
bool ControlSupported(T& tree, typename T::Node* n) {
  if (!tree.IsControl(n) || tree.NotWrapped(n)) return false;
  if (tree.IsWindowed(n)) {
    if (!tree.HasWindow(n) || tree.IsSkinned(n) || tree.IsForm(n)) return false;
  } else if (tree.IsPlainLabel(n)) {
    return true;
  }
  return tree.Category(n) >= 0;
}

// The components Owner owns, then its child controls; every windowed one with a window is searched in
// turn. Speed buttons count among the child controls only.
template <class T>
void ControlTreeSearch(T& tree, typename T::Node* owner) {
  const auto visit = [&tree](typename T::Node* n, bool child) {
    if (ControlSupported(tree, n)) {
      if (tree.IsWindowed(n)) tree.FoundWindowed(n);
      else if (tree.IsPlainLabel(n)) tree.FoundLabel(n);
      else if (child && tree.Category(n) == tcSpeedButtons) tree.FoundSpeedButton(n);
    }
    if (tree.IsWindowed(n) && tree.HasWindow(n)) ControlTreeSearch(tree, n);
  };
  const auto components = tree.Components(owner);
  const auto children = tree.Children(owner);
  for (typename T::Node* n : components) visit(n, false);
  for (typename T::Node* n : children) visit(n, true);
}

// Every window below Root that the framework did not build, is listed (speed buttons have no window)
// and is not skinned yet. The cheap tests come first: the last one is a message to the window.
template <class T>
void WindowTreeSearch(T& tree, typename T::Window root) {
  for (const auto& w : tree.Descendants(root)) {
    if (tree.HasFrameworkObject(w)) continue;
    const int category = tree.Category(w);
    if (category < 0 || category == tcSpeedButtons || tree.IsSkinned(w)) continue;
    tree.FoundWindow(w);
  }
}

}  // namespace qw
