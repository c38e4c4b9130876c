#pragma once

#include "ClassInfo.h"

#include <string_view>
#include <vector>

class TComponent;
class TPersistent;

// A component reference read from a resource, stored once the whole tree is there:
// instance's property is to hold the component the name path finds from root (or, with a
// root name, from the top-level component of that name).
struct TPropFixup {
  TPersistent* instance;
  TComponent* holder; // the component that instance is or belongs to
  TComponent* root;
  const TPropInfo* property;
  String name;
  String rootName;
};

// The component a name path leads to from root: segments separated by "." or "->", each
// looked up among the current component's owned ones; a segment "Owner" that names no
// component stays where it is. None for an empty path or a missing segment.
TComponent* FindNestedComponent(TComponent* root, std::string_view path);

// Resolves the fix-ups of one read: a found component is stored; a name with "." that
// finds nothing moves to the global fix-up list (the part before the first "." naming the
// root); anything else stores none.
void ResolveFixups(const std::vector<TPropFixup>& fixups);

// Resolves the global fix-up list through the global component lookup: a fix-up whose
// root does not exist yet stays while its property holds none.
void ResolveGlobalFixups();
// Drops the global fix-ups recorded under root (all of them when root is null).
void RemoveGlobalFixups(const TComponent* root);
// Drops every global fix-up that concerns component (as holder or root); called when a
// component goes.
void RemoveFixupsOf(const TComponent* component);
std::size_t GlobalFixupCount();
