#pragma once
// The routes a skin command takes through the control tree, written once over an abstract tree so that
// the rules are tested on plain objects and used on real windows.
//
// A tree adapter T provides, for its node type T::Node:
//   int ChildCount(Node*)       children, windowless ones included (read again before every step)
//   Node* Child(Node*, int)
//   bool Destroying(Node*)      being destroyed: skipped
//   bool HasWindow(Node*)       windowed and its window exists
//   bool IsSkinned(Node*)       its window answers skcIsSkinned with 1
//   void Send(Node*)            the message to its window (SendMessage)
//   void Dispatch(Node*)        the message straight to the object (windowless, or no window yet)
// and, for the walks over forms:
//   int FormCount(), Node* Form(int)  the application's forms, oldest first
//   bool FormUsable(Node*)            exists, not being destroyed or loaded
// and, for the skinned top-level windows, registered by handle (T::Window):
//   std::vector<Window> SkinnedWindows()  in the order they were registered (a copy: receivers may
//                                         register windows or drop them)
//   bool StillSkinned(Window)             still registered, and the window still exists
//   Node* FormOf(Window)                  the framework's form behind it; null for a window the
//                                         program did not build (a system dialog)
//   bool Shown(Window)                    visible
//   void SendToWindow(Window)             the message to the window (SendMessage)
namespace qw {

// Every child of Parent: windowless ones (and windowed ones without a window yet) by direct dispatch,
// skinned windows by a message to the window (a skinned container passes it on to its own children),
// plain containers walked here. A child being destroyed is skipped; the rest still get the message.
template <class T>
void BroadcastToChildrenWalk(T& tree, typename T::Node* parent) {
  for (int i = 0; i < tree.ChildCount(parent); ++i) {
    typename T::Node* child = tree.Child(parent, i);
    if (!child || tree.Destroying(child)) continue;
    if (!tree.HasWindow(child)) tree.Dispatch(child);
    else if (tree.IsSkinned(child)) tree.Send(child);
    else BroadcastToChildrenWalk(tree, child);
  }
}

// The skinned top-level windows: first the forms with a frame component in the order they were
// registered, each form's window and then its children; last the shown windows the program did not
// build, whose wrappers pass the message on to their child windows themselves. A window that went or
// was dropped on the way gets nothing.
template <class T>
void BroadcastToSkinnedFormsWalk(T& tree) {
  const auto windows = tree.SkinnedWindows();
  for (const auto& w : windows) {
    if (!tree.StillSkinned(w)) continue;
    typename T::Node* form = tree.FormOf(w);
    if (!form || !tree.FormUsable(form)) continue;
    tree.Send(form);
    BroadcastToChildrenWalk(tree, form);
  }
  for (const auto& w : windows)
    if (tree.StillSkinned(w) && !tree.FormOf(w) && tree.Shown(w)) tree.SendToWindow(w);
}

// Every form once: those without a frame component from the newest to the oldest (a form with one
// answers skcIsSkinned and is reached in the second pass), then the skinned forms.
template <class T>
void BroadcastToAllFormsWalk(T& tree) {
  for (int i = tree.FormCount() - 1; i >= 0; --i) {
    if (i >= tree.FormCount()) continue;  // forms closed by a receiver
    typename T::Node* form = tree.Form(i);
    if (!form || !tree.FormUsable(form) || tree.IsSkinned(form)) continue;
    tree.Send(form);
    BroadcastToChildrenWalk(tree, form);
  }
  BroadcastToSkinnedFormsWalk(tree);
}

}  // namespace qw
