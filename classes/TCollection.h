#pragma once

#include "TPersistent.h"

#include <memory>
#include <vector>

class TCollection;

// One item of a collection; the collection owns it.
class TCollectionItem : public TPersistent {
public:
  SORVANE_CLASS(TCollectionItem, TPersistent)

  explicit TCollectionItem(TCollection& collection) : collection_(collection) {}

  TCollection& Collection() const { return collection_; }
  int Index() const;

private:
  TCollection& collection_;
};

// An ordered list of items of one class, read from a resource as a collection value.
class TCollection : public TPersistent {
public:
  SORVANE_CLASS(TCollection, TPersistent)

  using TItemFactory = std::unique_ptr<TCollectionItem> (*)(TCollection& collection);

  explicit TCollection(TItemFactory makeItem) : makeItem_(makeItem) {}

  // The factory of collections whose items are of class T (constructed from the collection).
  template <typename T> static TItemFactory ItemsOf() {
    return [](TCollection& collection) -> std::unique_ptr<TCollectionItem> {
      return std::make_unique<T>(collection);
    };
  }

  TCollectionItem& Add();
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }
  // The item at index; EListError outside the list.
  TCollectionItem& Items(int index) const;
  int IndexOf(const TCollectionItem& item) const;

  // Changes inside an update are announced once, by Update, when the last one ends.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

protected:
  // Called after a change, outside updates; the base does nothing.
  virtual void Update();

private:
  void Changed();

  TItemFactory makeItem_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int updateCount_ = 0;
};
