#include "TPersistent.h"

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info = DescribeClass<TPersistent, TObject>("TPersistent");
  return info;
}

void TPersistent::AssignTo(TPersistent&) const {}

void TPersistent::DeclareExtraProperties(TFiler&) {}

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }
