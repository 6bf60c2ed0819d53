// TComponent: the owner tree. An owner frees what it owns (last to first);
// every component knows whether it is being loaded, read or destroyed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/base/Persistent.h"
#include "framework/base/Set.h"

enum TComponentStateItem {
  csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating, csFixups,
  csFreeNotification, csInline, csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

enum class TOperation { opInsert, opRemove };

class TComponent;
using TNotifyEvent = std::function<void(TComponent* sender)>;

class TComponent : public TPersistent {
 public:
  SORTARIUM_CLASS(TComponent)
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Creates a component and runs its AfterConstruction hook, the way every
  // component must be made.
  template <class T, class... Args>
  static T* Create(Args&&... args) {
    T* c = new T(std::forward<Args>(args)...);
    c->AfterConstruction();
    return c;
  }
  // Marks `c` (and what it owns) as being destroyed, then deletes it.
  static void Free(TComponent* c);

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;
  int ComponentIndex() const;
  TComponent* FindComponent(const std::string& name) const;
  void InsertComponent(TComponent* c);
  void RemoveComponent(TComponent* c);
  void DestroyComponents();

  const std::string& Name() const { return name_; }
  virtual void SetName(const std::string& name);
  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t tag) { tag_ = tag; }

  TComponentState ComponentState() const { return state_; }
  bool IsLoading() const { return state_.Contains(csLoading); }
  bool IsReading() const { return state_.Contains(csReading); }
  bool IsDestroying() const { return state_.Contains(csDestroying); }
  bool IsDesigning() const { return state_.Contains(csDesigning); }
  // The reader of window descriptions sets and clears the loading states.
  void SetLoadingState(bool loading);
  void SetReadingState(bool reading);

  // Runs after construction through Create.
  virtual void AfterConstruction() {}
  // Runs after a whole window description has been read.
  virtual void Loaded();
  // Told when a component is inserted into or removed from this owner, or
  // when a component this one asked to be told about is destroyed.
  virtual void Notification(TComponent* component, TOperation operation);
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);
  // Marks this component and everything it owns as being destroyed. Safe to
  // call more than once; destructors that do real work call it first.
  void Destroying();

 private:
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  std::string name_;
  intptr_t tag_ = 0;
  TComponentState state_;
};
