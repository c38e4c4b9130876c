#include "TPersistent.h"

#include "Fixups.h"

TPersistent::~TPersistent() { ForgetFixupsOf(*this); }

void TPersistent::AssignTo(TPersistent&) const {}

void TPersistent::DeclareExtraProperties(TFiler&) {}

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }
