// TCollection: an ordered list of persistent items of one kind, owned by the
// collection. Items know their collection and their position; assigning one
// collection to another copies every item (never shares them).
//
//   class TsSkinImages : public TOwnedCollection<TsSkinImage> { ... };
//   TsSkinImage* image = images.Add();
#pragma once

#include <memory>
#include <vector>

#include "framework/base/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  SORTARIUM_CLASS(TCollectionItem)
  TCollection* Collection() const { return collection_; }
  // Position in the collection; -1 for an item that belongs to none.
  int Index() const;

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
};

class TCollection : public TPersistent {
 public:
  SORTARIUM_CLASS(TCollection)
  TCollection() = default;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  // EListError "List index out of bounds (N)" for an index outside 0..Count-1.
  TCollectionItem* Items(int index) const;
  TCollectionItem* AddItem();
  void Delete(int index);
  void Clear();
  // Copies the items of a collection of the same kind, in order.
  void Assign(const TPersistent& source) override;

 protected:
  // A new, default item of the collection's kind.
  virtual std::unique_ptr<TCollectionItem> NewItem() const = 0;

 private:
  friend class TCollectionItem;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
};

// A collection whose items are all `Item`, with typed access.
template <class Item>
class TOwnedCollection : public TCollection {
 public:
  using ItemType = Item;
  Item* Add() { return static_cast<Item*>(AddItem()); }
  Item* operator[](int index) const { return static_cast<Item*>(Items(index)); }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() const override { return std::make_unique<Item>(); }
};
