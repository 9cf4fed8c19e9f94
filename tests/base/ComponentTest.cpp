// Components that are destroyed by the very call that runs for them: a watch tells the caller, and an
// event's closure stays alive until its handler returns. Run under the address sanitizer, every case
// here would report the freed memory it touched if the bookkeeping were wrong.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/Component.h"

namespace qw {
namespace {

class TProbe : public TComponent {
 public:
  explicit TProbe(std::vector<std::string>* log = nullptr) : FLog(log) {}
  ~TProbe() override {
    if (FLog) FLog->push_back("destroyed " + Name());
  }
  // What a message method does: run a handler, then go on with its own state only if it still exists.
  void Fire() {
    TDestroyWatch watch(this);
    CallEvent(OnFire, this);
    if (watch.Destroyed()) return;
    ++Fired;
  }
  TNotifyEvent OnFire;
  int Fired = 0;

 private:
  std::vector<std::string>* FLog;
};

TEST(DestroyWatch, TellsTheCallerWhetherTheHandlerDestroyedTheComponent) {
  TComponent owner;
  auto* keep = TComponent::Create<TProbe>(&owner);
  auto* gone = TComponent::Create<TProbe>(&owner);
  keep->OnFire = [](TComponent*) {};
  gone->OnFire = [&owner](TComponent*) { owner.DestroyComponents(); };
  keep->Fire();
  EXPECT_EQ(keep->Fired, 1);
  gone->Fire();  // takes `keep` with it; touching either afterwards is what the sanitizer would catch
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(DestroyWatch, NestedAndNeighbouringWatchesEachFollowTheirOwnComponent) {
  auto a = std::make_unique<TProbe>();
  auto b = std::make_unique<TProbe>();
  TDestroyWatch outer(a.get());
  {
    TDestroyWatch inner(a.get());
    TDestroyWatch other(b.get());
    EXPECT_FALSE(inner.Destroyed());
  }  // both leave their lists; destroying the components later must not write into them
  TDestroyWatch late(a.get());
  b.reset();
  EXPECT_FALSE(outer.Destroyed());
  a.reset();
  EXPECT_TRUE(outer.Destroyed());
  EXPECT_TRUE(late.Destroyed());
}

TEST(CallEvent, AHandlerThatDestroysItsSenderKeepsItsOwnClosureUntilItReturns) {
  std::vector<std::string> log;
  auto probe = std::make_unique<TProbe>(&log);
  probe->SetName("button");
  const std::string captured = "state the handler reads after the sender is gone";
  probe->OnFire = [&probe, &log, captured](TComponent*) {
    probe.reset();
    log.push_back(captured);  // reads the closure, which the destroyed sender owned
  };
  probe->Fire();
  EXPECT_EQ(log, (std::vector<std::string>{"destroyed button", captured}));
}

TEST(Component, OwnerDestroysInReverseOrderAndNotifiesTheOthersFirst) {
  class TListener : public TProbe {
   public:
    using TProbe::TProbe;
    void Notification(TComponent* component, TOperation operation) override {
      if (operation == TOperation::opRemove && component == Peer) {
        Log->push_back(Name() + " lets go of " + Peer->Name());
        Peer = nullptr;
      }
    }
    TComponent* Peer = nullptr;
    std::vector<std::string>* Log = nullptr;
  };
  std::vector<std::string> log;
  {
    TComponent owner;
    auto* first = TComponent::Create<TListener>(&owner, &log);
    auto* second = TComponent::Create<TListener>(&owner, &log);
    first->SetName("first");
    second->SetName("second");
    first->Peer = second;
    first->Log = &log;
    owner.DestroyComponents();
    EXPECT_EQ(owner.ComponentCount(), 0);
  }
  EXPECT_EQ(log, (std::vector<std::string>{"first lets go of second", "destroyed second", "destroyed first"}));
}

// A component handed out of its owner's list is announced as gone to the others and is the caller's to free.
class TWatcher : public TComponent {
 public:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == TOperation::opRemove) Removed.push_back(component);
  }
  std::vector<TComponent*> Removed;
};

TEST(ExtractComponent, HandsOwnershipOverAndTellsTheOthers) {
  std::vector<std::string> log;
  TComponent owner;
  auto* watcher = TComponent::Create<TWatcher>(&owner);
  auto* page = TComponent::Create<TProbe>(&owner, &log);
  page->SetName("page");
  std::unique_ptr<TComponent> taken = owner.ExtractComponent(page);
  ASSERT_EQ(taken.get(), page);
  EXPECT_EQ(page->Owner(), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(watcher->Removed, std::vector<TComponent*>{page});
  // Not owned (any more): nothing is handed out and nothing freed twice.
  EXPECT_EQ(owner.ExtractComponent(page), nullptr);
  taken.reset();
  EXPECT_EQ(log, std::vector<std::string>{"destroyed page"});
}

}  // namespace
}  // namespace qw
