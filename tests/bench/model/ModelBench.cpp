// Prints how long the form reader takes to read a form-shaped resource of 19 components,
// and how long the loader takes to build the object tree from it and free it again.

#include "BenchClock.h"
#include "ComponentLookup.h"
#include "FormBytes.h"
#include "TReader.h"
#include "TestClasses.h"

#include <cstdio>
#include <functional>
#include <memory>

namespace {

TComponent* FindNothing(std::string_view) { return nullptr; }

void AddControl(FormBytes& bytes, const String& name, int left, bool nested) {
  bytes.Object("TTestControl", name).Prop("Left").Int(left).Prop("Width").Int(75);
  bytes.Prop("Caption").Str("再生ボタン").Prop("Color").Ident("clBtnFace");
  bytes.Prop("Font.Charset").Ident("SHIFTJIS_CHARSET").Prop("Font.Name").Str("ＭＳ Ｐゴシック");
  bytes.Prop("Font.Height").Int(-12).Prop("Font.Style").Set({});
  bytes.Prop("OnClick").Ident("ButtonClick").End();
  if (nested) {
    for (int i = 0; i < 4; ++i)
      AddControl(bytes, String(name).append("_").append(std::to_string(i)), i * 80, false);
  }
  bytes.End();
}

// A form like the player's main window: a few panels holding buttons, timers, references.
FormBytes FormResource() {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").Prop("Caption").Str("Sorvane");
  bytes.Prop("ActiveControl").Ident("Button1").End();
  AddControl(bytes, "Panel1", 0, true);
  AddControl(bytes, "Panel2", 0, true);
  AddControl(bytes, "Panel3", 0, true);
  for (const char* name : {"Button1", "Button2", "Button3"})
    AddControl(bytes, name, 8, false);
  bytes.Object("TTestTimer", "Timer1").Prop("Interval").Int(100);
  bytes.Prop("Left").Int(8).Prop("Top").Int(32).Prop("OnTimer").Ident("ButtonClick").End().End();
  bytes.End();
  return bytes;
}

double MicrosecondsPerRun(int runs, const std::function<void()>& run) {
  double start = BenchSeconds();
  for (int i = 0; i < runs; ++i)
    run();
  return (BenchSeconds() - start) * 1e6 / runs;
}

} // namespace

int main() {
  SetGlobalComponentLookup(&FindNothing);
  FormBytes bytes = FormResource();
  const int runs = 20000;

  double skip = MicrosecondsPerRun(runs, [&] {
    TMemoryStream stream(bytes.Data());
    TReader reader(stream);
    reader.ReadSignature();
    reader.SkipObject(true);
  });
  int components = 0;
  double build = MicrosecondsPerRun(runs, [&] {
    std::unique_ptr<TTestForm, TFreeComponent> form(new TTestForm(nullptr));
    TMemoryStream stream(bytes.Data());
    TReader reader(stream);
    reader.LoadRoot(form.get());
    components = form->ComponentCount();
    form.reset();
    FinishLog().clear();
    NoticeLog().clear();
  });

  std::printf("form resource: %zu bytes, %d components\n", bytes.Data().size(), components);
  std::printf("read and skip the whole resource: %8.2f us per form\n", skip);
  std::printf("build the object tree and free it: %8.2f us per form\n", build);
  return 0;
}
