#include "FuzzClasses.h"

#include "ClassRegistry.h"
#include "StandInForms.h"
#include "TestClasses.h"

void RegisterFuzzClasses() {
  RegisterPersistentClass(TTestForm::StaticClassInfo());
  for (TClassInfoGetter form :
       {&StandIn::TForm1::StaticClassInfo, &StandIn::TForm2::StaticClassInfo,
        &StandIn::TForm3::StaticClassInfo, &StandIn::TForm4::StaticClassInfo,
        &StandIn::TForm5::StaticClassInfo})
    RegisterPersistentClass(form());
}
