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
//   int SkinnedFormCount(), Node* SkinnedForm(int)  forms with a frame component, in creation order
//   void AfterForms()                 the wrapped system dialogs get the message last
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

// The forms with a frame component, in creation order: each form's window, then its children.
template <class T>
void BroadcastToSkinnedFormsWalk(T& tree) {
  for (int i = 0; i < tree.SkinnedFormCount(); ++i) {
    typename T::Node* form = tree.SkinnedForm(i);
    if (!form || !tree.FormUsable(form)) continue;
    tree.Send(form);
    BroadcastToChildrenWalk(tree, form);
  }
  tree.AfterForms();
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
