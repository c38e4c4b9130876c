#include "TPersistent.h"

#include "Fixups.h"

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info = DescribeClass<TPersistent, TObject>("TPersistent");
  return info;
}

TPersistent::~TPersistent() { ForgetFixupsOf(*this); }

void TPersistent::AssignTo(TPersistent&) const {}

void TPersistent::DeclareExtraProperties(TFiler&) {}

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }
