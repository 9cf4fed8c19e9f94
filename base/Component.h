#pragma once
// The root of every framework object that can live in a form description: a name, a tag, an owner that
// owns it, and the state flags the loader and the destructor set. Portable: the skin engine's non-visual
// components (the skin manager) are components too.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qw {

class TComponent;
class TDestroyWatch;

// What Notification reports about another component.
enum class TOperation { opInsert, opRemove };

// ComponentState flags. Designing is never set: the framework has no designer.
enum : uint32_t {
  csLoading = 0x0001,
  csReading = 0x0002,
  csDestroying = 0x0004,
  csDesigning = 0x0008,
};

// An event with only the sender, like every handler of the generator window.
using TNotifyEvent = std::function<void(TComponent* sender)>;

// Runs an event handler from a copy of it: a handler may destroy its sender, and with the sender the
// event that holds the handler's closure, while that closure is still running.
inline void CallEvent(const TNotifyEvent& event, TComponent* sender) {
  if (!event) return;
  const TNotifyEvent running = event;
  running(sender);
}

class TComponent {
 public:
  // Creates the component; with an owner, the owner takes it (see Create<T>).
  TComponent() = default;
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Creates a T owned by `owner` and returns a non-owning pointer to it.
  template <class T, class... Args>
  static T* Create(TComponent* owner, Args&&... args) {
    auto object = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = object.get();
    if (owner) owner->InsertComponent(std::move(object));
    else object.release();  // callers without an owner take ownership with std::unique_ptr themselves
    return raw;
  }

  // Takes ownership of a component and tells the others about it.
  void InsertComponent(std::unique_ptr<TComponent> component);
  // Gives up ownership of an owned component (announced as removed) and hands it to the caller; null
  // when this component does not own it.
  std::unique_ptr<TComponent> ExtractComponent(TComponent* component);
  // Destroys every owned component in reverse creation order, each announced as removed first.
  void DestroyComponents();

  // The class name as the form description spells it.
  virtual const char* ClassName() const { return "TComponent"; }
  // Called once the whole description this component came from has been read.
  virtual void Loaded();
  // Told about components of the same owner being inserted or removed (clear references to them).
  virtual void Notification(TComponent* component, TOperation operation);

  const std::string& Name() const { return FName; }
  void SetName(std::string name) { FName = std::move(name); }
  intptr_t Tag = 0;
  TComponent* Owner() const { return FOwner; }
  uint32_t ComponentState() const { return FComponentState; }
  bool IsLoading() const { return (FComponentState & csLoading) != 0; }
  bool IsDestroying() const { return (FComponentState & csDestroying) != 0; }
  void SetComponentState(uint32_t flags) { FComponentState |= flags; }
  void ClearComponentState(uint32_t flags) { FComponentState &= ~flags; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents[static_cast<size_t>(index)].get(); }
  // The owned component with this name, or nullptr.
  TComponent* FindComponent(const std::string& name) const;

 private:
  friend class TDestroyWatch;
  std::string FName;
  TComponent* FOwner = nullptr;
  TDestroyWatch* FWatches = nullptr;
  uint32_t FComponentState = 0;
  std::vector<std::unique_ptr<TComponent>> FComponents;
};

// Watches a component across a call that may destroy it (an event handler, the system's window procedure):
// afterwards Destroyed() tells whether anything of the component may still be touched.
class TDestroyWatch {
 public:
  explicit TDestroyWatch(TComponent* component);
  ~TDestroyWatch();
  TDestroyWatch(const TDestroyWatch&) = delete;
  TDestroyWatch& operator=(const TDestroyWatch&) = delete;
  bool Destroyed() const { return FComponent == nullptr; }

 private:
  friend class TComponent;
  TComponent* FComponent;
  TDestroyWatch* FNext;
};

// Raises an event of any signature from a copy of its handler (which may free Sender, and with it the
// closure that is running), watching Sender meanwhile: true when Sender is still there afterwards, so
// the caller knows whether it may touch it again.
template <class TEvent, class... TArgs>
bool RaiseEvent(TComponent* sender, const TEvent& event, TArgs&&... args) {
  if (!event) return true;
  TDestroyWatch watch(sender);
  const TEvent running = event;
  running(std::forward<TArgs>(args)...);
  return !watch.Destroyed();
}

}  // namespace qw
