#pragma once

#include "ClassInfo.h"
#include "TResourceStream.h"

#include <string_view>

class TComponent;

// Reads the form resources of instance's class chain into instance: for each class from
// below stopClass (TForm for forms) down to instance's own class, the RCDATA resource of
// the class's name, ancestors first. The whole read holds the name-space lock for writing
// and, unless instance is already loading or inline, opens a loading scope whose
// components get FinishLoading once every resource of the chain is read. Gives whether any
// resource of the chain was found.
//
// This is the second step of building a form: call it on a fully constructed instance
// (after the C++ constructor has run), so that loading can store components in the
// derived class's published fields and bind its published methods. A failed read leaves
// the instance with whatever it already owns; the caller frees it.
bool LoadFromClassResources(TComponent& instance, const TClassInfo& stopClass);

// Reads the RCDATA resource resourceName of module (null: the program) into instance.
// False when there is no such resource.
bool ReadResourceInto(std::string_view resourceName, TModuleHandle module, TComponent& instance);
