#include "framework/components/Collection.h"

#include <typeinfo>

#include "framework/base/SysUtils.h"

int TCollectionItem::Index() const {
  if (!collection_) return -1;
  const auto& items = collection_->items_;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].get() == this) return static_cast<int>(i);
  return -1;
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format(SListIndexError, {IntToStr(index)}));
  return items_[static_cast<size_t>(index)].get();
}

TCollectionItem* TCollection::AddItem() {
  std::unique_ptr<TCollectionItem> item = NewItem();
  item->collection_ = this;
  items_.push_back(std::move(item));
  return items_.back().get();
}

void TCollection::Delete(int index) {
  Items(index);  // range check
  items_.erase(items_.begin() + index);
}

void TCollection::Clear() { items_.clear(); }

void TCollection::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TCollection*>(&source);
  if (!other || typeid(*other) != typeid(*this)) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  // Built aside first, so a failing item copy leaves this collection as it was.
  std::vector<std::unique_ptr<TCollectionItem>> copies;
  copies.reserve(other->items_.size());
  for (const auto& item : other->items_) {
    std::unique_ptr<TCollectionItem> copy = NewItem();
    copy->Assign(*item);
    copy->collection_ = this;
    copies.push_back(std::move(copy));
  }
  items_ = std::move(copies);
}
