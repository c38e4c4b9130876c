#pragma once

#include "TPersistent.h"

#include <cstdint>
#include <vector>

class TReader;

// The component state flags (16 bits of which loading uses bits 0, 1, 4 and 9).
enum TComponentStateFlag : std::uint8_t {
  csLoading = 0,
  csReading = 1,
  csWriting = 2,
  csDestroying = 3,
  csDesigning = 4,
  csAncestor = 5,
  csUpdating = 6,
  csFixups = 7,
  csFreeNotification = 8,
  csInline = 9,
  csDesignInstance = 10,
};
using TComponentState = TSet<TComponentStateFlag>;

// What a ComponentNotice tells: a component was inserted into or removed from an owner,
// or (for free notifications) is going away.
enum TOperation : std::uint8_t { opInsert = 0, opRemove = 1 };

// The base of every component: an owner, the ordered list of components it owns, a name
// unique (case-insensitive) among its owner's components, and the state flags.
//
// Lifetime. An owner frees what it owns. Free() is the end of a heap-allocated component:
// it first calls BeforeDestruction() and then, while the most derived object is still
// intact, marks the component and everything it owns as destroying, sends remove notices to
// the components that asked for one (FreeNotification), frees the owned components last
// created first (each taken out of the list and out of its owner's published field before
// it goes), leaves its own owner, and finally deletes itself. A plain delete (or a root
// component on the stack) is safe too: the destructor runs the same steps if Free did not,
// but by then only the TComponent part is left, so overrides of ComponentNotice and the
// other virtual operations of the derived classes are no longer reached. Owned components
// must be heap-allocated (their owner deletes them).
//
// Creation. The constructor appends the component to its owner's list and sends the owner
// ComponentNotice(component, opInsert). That notice comes from the base constructor: the
// new component is only a TComponent at that moment, so receivers must not call its
// virtual operations. A class record's factory is `new T(owner)`; a form loads its
// resource in a second step after its C++ constructor (LoadFromClassResources), so that
// loading sets the published fields and binds the published methods of a fully built
// object.
class TComponent : public TPersistent {
public:
  SORVANE_CLASS(TComponent, TPersistent)
  SORVANE_PUBLISHED

  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  // Runs the destruction steps (see the class comment) and deletes this component.
  void Free();

  TComponent* Owner() const { return owner_; }
  const String& Name() const { return name_; }
  // Validates and sets the name: empty, or an identifier (ASCII letter or "_", then
  // letters, digits, "_") unique among the owner's components ignoring ASCII case. The
  // owner's published field of the old name is cleared and the one of the new name set.
  virtual void AssignName(const String& name);

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  // The owned component at index (0-based, creation order); EListError outside the list.
  TComponent* Components(int index) const;
  // The owned component of that name (ASCII case-insensitive); none for an empty name.
  TComponent* FindComponent(std::string_view name) const;
  // Adds component to the owned ones (it leaves its previous owner first), or takes it out.
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  std::int32_t Tag() const { return tag_; }
  void SetTag(std::int32_t tag) { tag_ = tag; }

  TComponentState ComponentState() const { return state_; }
  bool IsLoading() const { return state_.Contains(csLoading); }
  bool IsReading() const { return state_.Contains(csReading); }
  bool IsDesigning() const { return state_.Contains(csDesigning); }
  bool IsInline() const { return state_.Contains(csInline); }
  bool IsDestroying() const { return state_.Contains(csDestroying); }
  // Marks this component and everything it owns as being designed (or not).
  void SetDesigning(bool designing);

  // The stored editor position of a non-visual component ("Left" and "Top").
  std::int16_t DesignLeft() const { return designLeft_; }
  std::int16_t DesignTop() const { return designTop_; }
  void SetDesignPosition(std::int16_t left, std::int16_t top);

  // Asks that component be sent ComponentNotice(this, opRemove) when this one goes, and
  // the other way round; components of the same owner learn it through the owner anyway.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Called once after the whole resource chain is read; the base clears the loading state.
  virtual void FinishLoading();
  // Told when component was inserted into or removed from this owner, or is going away.
  // The base forgets a free-notification link on a remove, then passes the notice on to
  // every owned component.
  virtual void ComponentNotice(TComponent* component, TOperation operation);
  // Reads this component's properties and children from the reader.
  virtual void ReadOwnData(TReader& reader);
  // Refuses a rename of one of the owned components to a name another one has.
  virtual void CheckRename(TComponent* component, const String& oldName, const String& newName);
  // Loader operations that controls and menu items extend; the base ones do nothing, give
  // this component, none, none and nothing respectively.
  virtual void AttachParent(TComponent* parent);
  virtual TComponent* ParentForChildren();
  virtual TComponent* OwnerForChildren();
  virtual TComponent* StreamParent();
  virtual void PlaceChild(TComponent* child, int position);
  // Offers "Left" and "Top" (the design position).
  void DeclareExtraProperties(TFiler& filer) override;

protected:
  // Called first by Free(), while the whole object is intact.
  virtual void BeforeDestruction();
  void IncludeState(TComponentStateFlag flag) { state_.Include(flag); }
  void ExcludeState(TComponentStateFlag flag) { state_.Exclude(flag); }

private:
  friend class TReader;
  friend class TLoadingScope;

  void RunDestructionSteps();
  void MarkDestroying();
  void NotifyFreeNotifies();
  void DestroyComponents();
  void StoreInOwnerField(bool present);
  void Unlink(TComponent* component);

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  String name_;
  TComponentState state_;
  std::int32_t tag_ = 0;
  std::int16_t designLeft_ = 0;
  std::int16_t designTop_ = 0;
  bool destructionDone_ = false;
};

// Deletes a component through Free(): for std::unique_ptr<T, TFreeComponent>.
struct TFreeComponent {
  void operator()(TComponent* component) const {
    if (component != nullptr)
      component->Free();
  }
};
