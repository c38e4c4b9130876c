#pragma once

#include "Published.h"

class TFiler;

// The base of every object whose state the form reader can set.
class TPersistent : public TObject {
public:
  SORVANE_CLASS(TPersistent, TObject)

  TPersistent() = default;
  // Takes along the component references still waiting to be stored into this object.
  ~TPersistent() override;

  // Copies this object's state into dest; the base knows of no such copy.
  virtual void AssignTo(TPersistent& dest) const;
  // Offers the properties the class stores by its own means to a reader (OfferProperty,
  // OfferBinaryProperty of TFiler).
  virtual void DeclareExtraProperties(TFiler& filer);
  // Copies source's state into this object, by asking source to copy itself.
  virtual void Assign(const TPersistent& source);
};
