// Reads several form resources into one program, one after another, with a global component
// lookup that finds the roots read so far, and frees roots, components and collection items
// in between (the script of FormsScript.h): references across forms, collections and the
// global fix-up list meet everything that can go while they wait. The roots are the test
// classes' forms and stand-ins of the player's forms, registered under their real names.
//
// Every malformed input must end in one of the model's exceptions; anything else (a crash,
// a leak, undefined behaviour, an exception of another kind, a test object left alive, a
// global fix-up left once every root is gone) is a finding.

#include "FormsScript.h"
#include "FuzzClasses.h"
#include "TestClasses.h"

#include "ComponentLookup.h"
#include "Exception.h"
#include "Fixups.h"
#include "TReader.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The live roots, in the order they were read: what the global lookup searches.
std::vector<TComponent*>& Roots() {
  static std::vector<TComponent*> roots;
  return roots;
}

TComponent* FindRoot(std::string_view name) {
  for (TComponent* root : Roots())
    if (SameName(root->Name(), name))
      return root;
  return nullptr;
}

void Prepare() {
  static const bool prepared = [] {
    RegisterFuzzClasses();
    SetGlobalComponentLookup(&FindRoot);
    return true;
  }();
  (void)prepared;
}

// Takes the steps' arguments from the input; past its end every byte reads as 0.
class TScript {
public:
  explicit TScript(std::span<const std::uint8_t> data) : data_(data) {}

  bool AtEnd() const { return data_.empty(); }
  std::uint8_t Byte() {
    if (data_.empty())
      return 0;
    std::uint8_t byte = data_.front();
    data_ = data_.subspan(1);
    return byte;
  }
  std::span<const std::uint8_t> Resource() {
    std::size_t length = Byte();
    length |= std::size_t{Byte()} << 8;
    std::span<const std::uint8_t> resource = data_.first(std::min(length, data_.size()));
    data_ = data_.subspan(resource.size());
    return resource;
  }

private:
  std::span<const std::uint8_t> data_;
};

TComponent* PickRoot(std::uint8_t index) {
  const std::vector<TComponent*>& roots = Roots();
  return roots.empty() ? nullptr : roots[index % roots.size()];
}

void FreeRoot(TComponent* root) {
  std::erase(Roots(), root);
  root->Free();
}

void Read(TComponent* root, std::span<const std::uint8_t> resource) {
  TMemoryStream stream(resource);
  TReader reader(stream);
  reader.LoadRoot(root);
}

void LoadNew(std::span<const std::uint8_t> resource) {
  TMemoryStream stream(resource);
  TReader reader(stream);
  Roots().push_back(reader.LoadRoot(nullptr));
}

// As the screen knows a form from its construction on, the lookup sees it while it is read;
// a form whose read fails is freed, as its constructor's caller frees it.
void LoadInto(std::span<const std::uint8_t> resource) {
  auto* form = new TTestForm(nullptr);
  Roots().push_back(form);
  try {
    Read(form, resource);
  } catch (...) {
    FreeRoot(form);
    throw;
  }
}

void FreePart(TComponent* root, std::uint8_t part) {
  if (root == nullptr || root->ComponentCount() == 0)
    return;
  TComponent* component = root->Components((part & ~kClearItems) % root->ComponentCount());
  if ((part & kClearItems) == 0)
    component->Free();
  else if (auto* control = dynamic_cast<TTestControl*>(component))
    control->Items()->Clear();
}

void RunStep(TScript& script) {
  constexpr auto count = static_cast<std::uint8_t>(TFormsStep::Count);
  switch (static_cast<TFormsStep>(script.Byte() % count)) {
  case TFormsStep::LoadNew:
    LoadNew(script.Resource());
    break;
  case TFormsStep::LoadInto:
    LoadInto(script.Resource());
    break;
  case TFormsStep::Reload: {
    TComponent* root = PickRoot(script.Byte());
    std::span<const std::uint8_t> resource = script.Resource();
    if (root != nullptr)
      Read(root, resource);
    break;
  }
  case TFormsStep::FreeRoot:
    if (TComponent* root = PickRoot(script.Byte()))
      FreeRoot(root);
    break;
  case TFormsStep::FreePart: {
    TComponent* root = PickRoot(script.Byte());
    FreePart(root, script.Byte());
    break;
  }
  case TFormsStep::Count:
    break;
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Prepare();
  int live = LiveTestObjects();
  TScript script(std::span<const std::uint8_t>(data, size));
  while (!script.AtEnd()) {
    try {
      RunStep(script);
    } catch (const Exception&) {
    }
  }
  while (!Roots().empty())
    FreeRoot(Roots().back());
  FinishLog().clear();
  NoticeLog().clear();
  if (GlobalFixupCount() != 0 || LiveTestObjects() != live)
    std::abort();
  return 0;
}
