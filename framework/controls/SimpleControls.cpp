#include "SimpleControls.h"

#include "ClassRegistry.h"
#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"

void RegisterSimpleControls() {
  RegisterPersistentClass(TButton::StaticClassInfo());
  RegisterPersistentClass(TEdit::StaticClassInfo());
  RegisterPersistentClass(TLabel::StaticClassInfo());
  RegisterPersistentClass(TPanel::StaticClassInfo());
}
