// Prints the size of each of the program's five form resources, the time the reader takes
// to read through each of them, and the time the loader takes to build each form's object
// tree from it (with the stand-in classes) and free it again. Any resource that fails to
// load ends the program with its message and exit code 1.
//
//   forms_bench [runs]    runs per round of a measurement, 5000 unless given; each
//                         figure is the best of five rounds

#include "BenchClock.h"
#include "ComponentLookup.h"
#include "EmbeddedResources.h"
#include "Exception.h"
#include "ResourceLoading.h"
#include "StandInForms.h"
#include "TReader.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>

namespace {

using StandIn::TForm;
using TFormPtr = std::unique_ptr<TComponent, TFreeComponent>;

struct TFormCase {
  const char* resource;
  TClassInfoGetter formClass;
  const char* name;
  std::size_t bytes;
  int components;
};

const TFormCase formCases[] = {
    {"TFORM1", &StandIn::TForm1::StaticClassInfo, "Form1", 1719, 17},
    {"TFORM2", &StandIn::TForm2::StaticClassInfo, "Form2", 544, 1},
    {"TFORM3", &StandIn::TForm3::StaticClassInfo, "Form3", 493, 2},
    {"TFORM4", &StandIn::TForm4::StaticClassInfo, "Form4", 1043, 5},
    {"TFORM5", &StandIn::TForm5::StaticClassInfo, "Form5", 815, 3},
};

// The player window's components in creation order.
const char* const form1Components[] = {
    "START",       "STOP",      "Prev",   "Button4", "Edit1", "MediaPlayer1",
    "OpenDialog1", "MainMenu1", "File1",  "O1",      "S1",    "Close1",
    "O2",          "renzoku",   "repeat", "N3",      "Timer1"};

const int rounds = 5;

[[noreturn]] void Fail(const String& what) { throw Exception(what); }

// Reads the signature and skips the root object; gives the bytes consumed.
std::int64_t SkipResource(const TFormCase& form) {
  TResourceStream stream(nullptr, form.resource);
  TReader reader(stream);
  reader.ReadSignature();
  reader.SkipObject(true);
  return reader.Position();
}

// Creates the form as the program does and reads its resource chain into it.
TFormPtr BuildForm(const TFormCase& form) {
  TFormPtr root(form.formClass().create(nullptr));
  if (!LoadFromClassResources(*root, TForm::StaticClassInfo()))
    Fail("no resource in the class chain");
  return root;
}

void CheckResource(const TFormCase& form) {
  std::size_t size = FindEmbeddedResource(form.resource).size();
  if (size != form.bytes)
    Fail(std::to_string(size) + " bytes, expected " + std::to_string(form.bytes));
  std::int64_t consumed = SkipResource(form);
  if (consumed != static_cast<std::int64_t>(size))
    Fail("skipping the root object consumed " + std::to_string(consumed) + " bytes");
}

void CheckTree(const TFormCase& form) {
  TFormPtr root = BuildForm(form);
  if (root->ComponentCount() != form.components)
    Fail(std::to_string(root->ComponentCount()) + " components, expected " +
         std::to_string(form.components));
  for (int i = 0; i < root->ComponentCount(); ++i)
    if (root->Components(i)->IsLoading())
      Fail(root->Components(i)->Name() + " was not finished");
  if (root->IsLoading() || root->Name() != form.name)
    Fail("the form was not finished or not named " + String(form.name));
  if (!dynamic_cast<TForm&>(*root).Wired())
    Fail("fields, references or handlers not set by the loader");
  if (form.formClass == &StandIn::TForm1::StaticClassInfo) {
    for (int i = 0; i < root->ComponentCount(); ++i)
      if (root->Components(i)->Name() != form1Components[i])
        Fail("component " + std::to_string(i) + " is " + root->Components(i)->Name());
  }
}

// The best of a few rounds, each averaged over runs: other work on the machine only ever
// slows a round down.
template <typename Run> double MicrosecondsPerRun(int runs, const Run& run) {
  double best = 0;
  for (int round = 0; round < rounds; ++round) {
    double start = BenchSeconds();
    for (int i = 0; i < runs; ++i)
      run();
    double perRun = (BenchSeconds() - start) * 1e6 / runs;
    best = round == 0 ? perRun : std::min(best, perRun);
  }
  return best;
}

void BuildAndFree(std::span<const TFormCase> forms) {
  for (const TFormCase& form : forms)
    BuildForm(form);
}

void SkipAll(std::span<const TFormCase> forms) {
  for (const TFormCase& form : forms)
    SkipResource(form);
}

void PrintFigures(const char* label, std::size_t bytes, int components, double skip, double build) {
  std::printf("%-9s %6zu %11d %12.2f %12.2f\n", label, bytes, components, skip, build);
}

void Measure(int runs) {
  std::printf("%-9s %6s %11s %12s %12s\n", "resource", "bytes", "components", "skip us/run",
              "build us/run");
  std::size_t bytes = 0;
  int components = 0;
  for (const TFormCase& form : formCases) {
    std::span<const TFormCase> one(&form, 1);
    double skip = MicrosecondsPerRun(runs, [&] { SkipAll(one); });
    double build = MicrosecondsPerRun(runs, [&] { BuildAndFree(one); });
    PrintFigures(form.resource, form.bytes, form.components, skip, build);
    bytes += form.bytes;
    components += form.components;
  }
  double skip = MicrosecondsPerRun(runs, [] { SkipAll(formCases); });
  double build = MicrosecondsPerRun(runs, [] { BuildAndFree(formCases); });
  PrintFigures("all five", bytes, components, skip, build);
}

// Checks every resource and every tree once; false (with the message) at the first fault.
bool CheckAll() {
  for (const TFormCase& form : formCases) {
    try {
      CheckResource(form);
      CheckTree(form);
    } catch (const Exception& failure) {
      std::fprintf(stderr, "forms_bench: %s: %s: %s\n", form.resource, failure.ClassName(),
                   failure.Message().c_str());
      return false;
    }
  }
  return true;
}

} // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::atoi(argv[1]) : 5000;
  if (runs <= 0) {
    std::fprintf(stderr, "usage: forms_bench [runs]\n");
    return 2;
  }
  SetGlobalComponentLookup(&StandIn::FindForm);
  if (!CheckAll())
    return 1;
  std::printf("five form resources checked: sizes, trees, references and handlers\n");
  Measure(runs);
  return 0;
}
