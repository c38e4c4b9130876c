#include "TObject.h"

#include "ClassInfo.h"

const TClassInfo& TObject::StaticClassInfo() {
  static const TClassInfo info{"TObject", nullptr, nullptr, {}, {}, {}};
  return info;
}

const TClassInfo& TObject::ClassInfo() const { return StaticClassInfo(); }

const char* TObject::ClassName() const { return ClassInfo().name; }

bool TObject::InheritsFrom(const TClassInfo& ancestor) const {
  return ClassInfo().InheritsFrom(ancestor);
}
