// Feeds arbitrary bytes to the form reader and loader. The first byte chooses how: read into
// a test form, read a root of the registered class the bytes name (the test form, or a
// stand-in of one of the player's forms under its real name), or read values one by one.
// Every malformed input must end in one of the model's exceptions; anything else (a crash,
// a leak, undefined behaviour, an exception of another kind, a test object left alive) is a
// finding.

#include "ClassRegistry.h"
#include "ComponentLookup.h"
#include "Exception.h"
#include "Fixups.h"
#include "FuzzClasses.h"
#include "TReader.h"
#include "TestClasses.h"

#include <cstdlib>
#include <memory>

namespace {

TComponent* FindNothing(std::string_view) { return nullptr; }

void Prepare() {
  static const bool prepared = [] {
    RegisterFuzzClasses();
    RegisterPersistentClass(TTestBroken::StaticClassInfo());
    RegisterClassAlias(TTestTimer::StaticClassInfo(), "TClock");
    SetGlobalComponentLookup(&FindNothing);
    return true;
  }();
  (void)prepared;
}

void LoadInto(TMemoryStream& stream) {
  std::unique_ptr<TTestForm, TFreeComponent> form(new TTestForm(nullptr));
  TReader reader(stream);
  reader.LoadRoot(form.get());
  if (form->ActiveControl() != nullptr)
    (void)form->ActiveControl()->Name();
}

void LoadNew(TMemoryStream& stream) {
  TReader reader(stream);
  std::unique_ptr<TComponent, TFreeComponent> root(reader.LoadRoot(nullptr));
}

void ReadValues(TMemoryStream& stream) {
  TReader reader(stream);
  TCollection collection(TCollection::ItemsOf<TTestItem>());
  for (;;) {
    switch (reader.ReadValueTag() % 6) {
    case 0:
      reader.SkipValue();
      break;
    case 1:
      reader.ReadVariant();
      break;
    case 2:
      reader.ReadSet(EnumTypeOf(TTestWide{}));
      break;
    case 3:
      reader.ReadCollection(collection);
      break;
    case 4:
      reader.SkipObject(true);
      break;
    default:
      reader.ReadFloat();
      break;
    }
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Prepare();
  if (size == 0)
    return 0;
  int live = LiveTestObjects();
  TMemoryStream stream(std::span<const std::uint8_t>(data + 1, size - 1));
  try {
    switch (data[0] % 3) {
    case 0:
      LoadInto(stream);
      break;
    case 1:
      LoadNew(stream);
      break;
    default:
      ReadValues(stream);
      break;
    }
  } catch (const Exception&) {
  }
  RemoveGlobalFixups(nullptr);
  FinishLog().clear();
  NoticeLog().clear();
  if (LiveTestObjects() != live)
    std::abort();
  return 0;
}
