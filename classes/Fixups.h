#pragma once

#include "ClassInfo.h"

#include <vector>

class TComponent;
class TPersistent;

// A property record around a reference: the object it was read into and the property path
// as the stream gave it.
struct TReadPlace {
  String instance; // the object's Name, or its class name when it has none
  String property;
};

// A component reference read from a resource, stored once the whole tree is there:
// instance's property is to hold the component the name path finds from root (or, with a
// root name, from the top-level component of that name). A failure to store it is named
// after the property records it was read in (outermost first), as a failure inside them
// would have been.
struct TPropFixup {
  TPersistent* instance;
  TComponent* holder; // the component that instance is or belongs to
  TComponent* root;
  const TPropInfo* property;
  String name;
  String rootName;
  std::vector<TReadPlace> places;
};

// The component a name path leads to from root: segments separated by "." or "->", each
// looked up among the current component's owned ones; a segment "Owner" that names no
// component stays where it is. None for an empty path or a missing segment.
TComponent* FindNestedComponent(TComponent* root, std::string_view path);

// The fix-up list of a read in progress on this thread, known for as long as this lives:
// an object that goes meanwhile leaves it (its entries stay, emptied, so that a walk over
// the list keeps its place).
class TPendingFixups {
public:
  explicit TPendingFixups(std::vector<TPropFixup>& list);
  ~TPendingFixups();
  TPendingFixups(const TPendingFixups&) = delete;
  TPendingFixups& operator=(const TPendingFixups&) = delete;

private:
  friend void ForgetFixupsOf(const TPersistent& object);

  std::vector<TPropFixup>& list_;
  TPendingFixups* outer_;
};

// Resolves the fix-ups of one read: a found component is stored; a name with "." that
// finds nothing moves to the global fix-up list (the part before the first "." naming the
// root); anything else stores none. Emptied entries are passed over.
void ResolveFixups(const std::vector<TPropFixup>& fixups);

// Resolves the global fix-up list through the global component lookup: a fix-up whose
// root does not exist yet stays while its property holds none.
void ResolveGlobalFixups();
// Drops the global fix-ups recorded under root (all of them when root is null).
void RemoveGlobalFixups(const TComponent* root);
// Drops every pending fix-up that concerns object (as instance, holder or root), from the
// global list and from the reads in progress on this thread; called when an object that a
// reference may be stored into goes.
void ForgetFixupsOf(const TPersistent& object);
std::size_t GlobalFixupCount();
