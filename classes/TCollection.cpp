#include "TCollection.h"

#include "Format.h"

int TCollectionItem::Index() const { return collection_.IndexOf(*this); }

TCollectionItem& TCollection::Add() {
  items_.push_back(makeItem_(*this));
  Changed();
  return *items_.back();
}

void TCollection::Clear() {
  if (items_.empty())
    return;
  BeginUpdate();
  items_.clear();
  EndUpdate();
}

TCollectionItem& TCollection::Items(int index) const {
  if (index < 0 || index >= Count())
    throw EListError(Format(ModelText::ListIndexError, {index}));
  return *items_[static_cast<std::size_t>(index)];
}

int TCollection::IndexOf(const TCollectionItem& item) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == &item)
      return static_cast<int>(i);
  return -1;
}

void TCollection::EndUpdate() {
  if (--updateCount_ == 0)
    Changed();
}

void TCollection::Changed() {
  if (updateCount_ == 0)
    Update();
}

void TCollection::Update() {}
