#pragma once

#include <string_view>

// The object tree the form source of resource name describes, as text (generated at build
// time from resources/*.form by formtrees.py); empty for an unknown name.
std::string_view FormSourceTree(std::string_view name);
