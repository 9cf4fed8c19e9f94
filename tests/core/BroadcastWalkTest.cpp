// The routes of a skin command over a tree of plain objects: every form once, windowless children by
// direct dispatch, skinned containers left to pass the message on, children destroyed or added on the
// way respected, and the skinned windows registered by handle.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/core/BroadcastWalk.h"

namespace qw {
namespace {

struct TNode {
  std::string Name;
  bool Window = true;
  bool Skinned = false;
  bool Destroying = false;
  bool Loading = false;
  bool Foreign = false;  // a window the program did not build
  bool Shown = true;
  bool Gone = false;     // its window no longer exists
  std::vector<TNode*> Children;
  int Sent = 0;
  int Dispatched = 0;
  std::function<void()> OnReceive;  // a receiver that changes the tree
};

class TFakeTree {
 public:
  using Node = TNode;
  std::vector<std::unique_ptr<TNode>> Nodes;
  std::vector<TNode*> Forms, Registered;
  std::vector<std::string> Log;

  TNode* Add(const std::string& name, TNode* parent, bool window = true, bool skinned = false) {
    Nodes.push_back(std::make_unique<TNode>());
    TNode* n = Nodes.back().get();
    n->Name = name;
    n->Window = window;
    n->Skinned = skinned;
    if (parent) parent->Children.push_back(n);
    return n;
  }

  int ChildCount(Node* n) { return static_cast<int>(n->Children.size()); }
  Node* Child(Node* n, int i) { return n->Children[static_cast<size_t>(i)]; }
  bool Destroying(Node* n) { return n->Destroying; }
  bool HasWindow(Node* n) { return n->Window; }
  bool IsSkinned(Node* n) { return n->Window && n->Skinned; }
  void Send(Node* n) { Receive(n, n->Sent, "send "); }
  void Dispatch(Node* n) { Receive(n, n->Dispatched, "dispatch "); }
  int FormCount() { return static_cast<int>(Forms.size()); }
  Node* Form(int i) { return Forms[static_cast<size_t>(i)]; }
  bool FormUsable(Node* n) { return !n->Destroying && !n->Loading; }
  using Window = TNode*;
  std::vector<TNode*> SkinnedWindows() { return Registered; }
  bool StillSkinned(TNode* w) { return !w->Gone && std::count(Registered.begin(), Registered.end(), w) > 0; }
  TNode* FormOf(TNode* w) { return w->Foreign ? nullptr : w; }
  bool Shown(TNode* w) { return w->Shown; }
  void SendToWindow(TNode* w) { Send(w); }

 private:
  void Receive(Node* n, int& counter, const char* how) {
    ++counter;
    Log.push_back(how + n->Name);
    if (n->OnReceive) n->OnReceive();
  }
};

TEST(BroadcastWalk, ChildrenByWindowKind) {
  TFakeTree t;
  TNode* form = t.Add("form", nullptr);
  TNode* label = t.Add("label", form, /*window=*/false);
  TNode* plainBox = t.Add("plainBox", form);
  TNode* inner = t.Add("inner", plainBox);
  TNode* innerLabel = t.Add("innerLabel", plainBox, false);
  TNode* skinnedBox = t.Add("skinnedBox", form, true, /*skinned=*/true);
  TNode* hidden = t.Add("hiddenChild", skinnedBox);
  BroadcastToChildrenWalk(t, form);
  // A plain container gets nothing itself: it is walked into, and so is its plain windowed child.
  EXPECT_EQ(t.Log, (std::vector<std::string>{"dispatch label", "dispatch innerLabel", "send skinnedBox"}));
  inner->Skinned = true;
  t.Log.clear();
  BroadcastToChildrenWalk(t, form);
  EXPECT_EQ(t.Log, (std::vector<std::string>{"dispatch label", "send inner", "dispatch innerLabel", "send skinnedBox"}));
  EXPECT_EQ(hidden->Sent + hidden->Dispatched, 0) << "a skinned container passes the message on itself";
  EXPECT_EQ(plainBox->Sent + plainBox->Dispatched, 0);
  (void)innerLabel;
  (void)label;
}

TEST(BroadcastWalk, AControlWithoutItsWindowYetIsReachedDirectly) {
  TFakeTree t;
  TNode* form = t.Add("form", nullptr);
  TNode* edit = t.Add("edit", form, /*window=*/false, /*skinned=*/true);
  BroadcastToChildrenWalk(t, form);
  EXPECT_EQ(edit->Dispatched, 1);
  EXPECT_EQ(edit->Sent, 0);
}

TEST(BroadcastWalk, ADestroyedChildIsSkippedAndTheRestStillHear) {
  TFakeTree t;
  TNode* form = t.Add("form", nullptr);
  TNode* a = t.Add("a", form, true, true);
  TNode* dying = t.Add("dying", form, true, true);
  TNode* c = t.Add("c", form, false);
  dying->Destroying = true;
  BroadcastToChildrenWalk(t, form);
  EXPECT_EQ(a->Sent, 1);
  EXPECT_EQ(dying->Sent, 0);
  EXPECT_EQ(c->Dispatched, 1);
}

TEST(BroadcastWalk, ChildrenAddedOrRemovedByAReceiver) {
  TFakeTree t;
  TNode* form = t.Add("form", nullptr);
  TNode* first = t.Add("first", form, false);
  TNode* second = t.Add("second", form, false);
  TNode* late = nullptr;
  // The first child removes itself and adds a new one at the end.
  first->OnReceive = [&] {
    form->Children.erase(form->Children.begin());
    late = t.Add("late", form, false);
  };
  BroadcastToChildrenWalk(t, form);
  // The count is read again at each step: the walk never runs past the end, and a child added on the
  // way is reached. (The child that moved into the removed one's place is passed over.)
  EXPECT_EQ(first->Dispatched, 1);
  EXPECT_EQ(second->Dispatched, 0);
  ASSERT_NE(late, nullptr);
  EXPECT_EQ(late->Dispatched, 1);
}

TEST(BroadcastWalk, EveryFormExactlyOnce) {
  TFakeTree t;
  TNode* plain1 = t.Add("plain1", nullptr);
  TNode* framed = t.Add("framed", nullptr, true, /*skinned=*/true);
  TNode* plain2 = t.Add("plain2", nullptr);
  TNode* loading = t.Add("loading", nullptr);
  loading->Loading = true;
  TNode* child = t.Add("child", framed, false);
  t.Forms = {plain1, framed, plain2, loading};
  t.Registered = {framed};
  BroadcastToAllFormsWalk(t);
  // Plain forms newest first, then the forms with a frame component in creation order.
  EXPECT_EQ(t.Log, (std::vector<std::string>{"send plain2", "send plain1", "send framed", "dispatch child"}));
  for (TNode* f : {plain1, framed, plain2}) EXPECT_EQ(f->Sent, 1) << f->Name;
  EXPECT_EQ(loading->Sent, 0);
  EXPECT_EQ(child->Dispatched, 1);
}

TEST(BroadcastWalk, SkinnedWindowsFormsFirstThenTheShownWindowsTheProgramDidNotBuild) {
  TFakeTree t;
  TNode* dialog = t.Add("dialog", nullptr, true, true);
  TNode* hiddenDialog = t.Add("hiddenDialog", nullptr, true, true);
  TNode* framed = t.Add("framed", nullptr, true, true);
  t.Add("child", framed, false);
  TNode* closed = t.Add("closed", nullptr, true, true);
  TNode* gone = t.Add("gone", nullptr, true, true);
  dialog->Foreign = hiddenDialog->Foreign = true;
  hiddenDialog->Shown = false;
  gone->Gone = true;
  t.Registered = {dialog, hiddenDialog, framed, closed, gone};
  // The form, on receiving, closes the next one: it leaves the list before the walk reaches it.
  framed->OnReceive = [&] { t.Registered.erase(std::find(t.Registered.begin(), t.Registered.end(), closed)); };
  BroadcastToSkinnedFormsWalk(t);
  EXPECT_EQ(t.Log, (std::vector<std::string>{"send framed", "dispatch child", "send dialog"}));
}

TEST(BroadcastWalk, AFormClosedByAReceiverIsNotVisited) {
  TFakeTree t;
  TNode* a = t.Add("a", nullptr);
  TNode* b = t.Add("b", nullptr);
  TNode* c = t.Add("c", nullptr);
  t.Forms = {a, b, c};
  // The newest form, on receiving, closes the two others.
  c->OnReceive = [&] { t.Forms.resize(1); };
  BroadcastToAllFormsWalk(t);
  EXPECT_EQ(c->Sent, 1);
  EXPECT_EQ(b->Sent, 0);
  EXPECT_EQ(a->Sent, 1);
}

}  // namespace
}  // namespace qw
