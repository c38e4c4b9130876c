#pragma once

#include "String.h"

#include <string_view>

class TComponent;

// The global component lookup: finds a top-level component (a form, a data module) by
// name, ASCII case-insensitive. The forms layer installs it; without it, roots read from a
// resource get an empty name and references into other roots stay unresolved.
using TGlobalComponentLookup = TComponent* (*)(std::string_view name);

// Installs lookup (null removes it) and gives the previous one.
TGlobalComponentLookup SetGlobalComponentLookup(TGlobalComponentLookup lookup);
TGlobalComponentLookup GlobalComponentLookup();
// The lookup's answer, or none when no lookup is installed.
TComponent* FindGlobalComponent(std::string_view name);

// The name a root read from a resource takes: empty without a lookup; otherwise the
// stored name, or "name_1", "name_2"... while the lookup finds another component of that
// name. The root itself is no clash: a form whose class chain has several resources reads
// its name once per resource and keeps it.
String UniqueRootName(const String& storedName, const TComponent* root);
