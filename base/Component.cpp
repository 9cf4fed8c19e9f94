#include "base/Component.h"

#include <algorithm>

namespace qw {

TComponent::~TComponent() {
  for (TDestroyWatch* watch = FWatches; watch; watch = watch->FNext) watch->FComponent = nullptr;
  FComponentState |= csDestroying;
  DestroyComponents();
}

void TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
  TComponent* raw = component.get();
  raw->FOwner = this;
  FComponents.push_back(std::move(component));
  for (auto& other : FComponents)
    if (other.get() != raw) other->Notification(raw, TOperation::opInsert);
}

std::unique_ptr<TComponent> TComponent::ExtractComponent(TComponent* component) {
  auto it = std::find_if(FComponents.begin(), FComponents.end(),
                         [component](const std::unique_ptr<TComponent>& c) { return c.get() == component; });
  if (it == FComponents.end()) return nullptr;
  std::unique_ptr<TComponent> taken = std::move(*it);
  FComponents.erase(it);
  taken->FOwner = nullptr;
  Notification(component, TOperation::opRemove);
  for (auto& other : FComponents) other->Notification(component, TOperation::opRemove);
  return taken;
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back().get();
    last->FComponentState |= csDestroying;
    Notification(last, TOperation::opRemove);
    for (auto& other : FComponents)
      if (other.get() != last) other->Notification(last, TOperation::opRemove);
    // Move it out first so that nothing it does while dying can find it in the list.
    std::unique_ptr<TComponent> dying = std::move(FComponents.back());
    FComponents.pop_back();
    dying.reset();
  }
}

void TComponent::Loaded() { FComponentState &= ~(csLoading | csReading); }

void TComponent::Notification(TComponent*, TOperation) {}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (auto& c : FComponents)
    if (c->FName == name) return c.get();
  return nullptr;
}

TDestroyWatch::TDestroyWatch(TComponent* component) : FComponent(component), FNext(component->FWatches) {
  component->FWatches = this;
}

TDestroyWatch::~TDestroyWatch() {
  if (!FComponent) return;  // the component went first and let go of every watch
  TDestroyWatch** link = &FComponent->FWatches;
  while (*link && *link != this) link = &(*link)->FNext;
  if (*link) *link = FNext;
}

}  // namespace qw
