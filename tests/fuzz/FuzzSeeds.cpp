// Writes the seed corpora of the fuzz targets from the program's own form resources and a
// few small test forms:
//
//   fuzz_seeds OUTPUT_DIR TFORM1.bin ... TFORM5.bin
//
// OUTPUT_DIR/reader and OUTPUT_DIR/forms receive one file per seed; OUTPUT_DIR/reader.list
// and OUTPUT_DIR/forms.list name them, comma-separated, for libFuzzer's -seed_inputs=@file.

#include "FormBytes.h"
#include "FormsScript.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;
using TBytes = std::vector<std::uint8_t>;

// Reader modes (the first byte of a reader_fuzz input).
constexpr std::uint8_t kLoadInto = 0;
constexpr std::uint8_t kLoadNew = 1;

TBytes ReadFile(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class TCorpus {
public:
  TCorpus(const fs::path& root, const char* name) : dir_(root / name), list_(root / name) {
    list_ += ".list";
    fs::create_directories(dir_);
  }
  ~TCorpus() { std::ofstream(list_) << names_; }
  TCorpus(const TCorpus&) = delete;
  TCorpus& operator=(const TCorpus&) = delete;

  void Add(const std::string& name, const TBytes& bytes) {
    fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    names_ += (names_.empty() ? "" : ",") + path.string();
  }

private:
  fs::path dir_;
  fs::path list_;
  std::string names_;
};

TBytes WithMode(std::uint8_t mode, std::span<const std::uint8_t> resource) {
  TBytes bytes{mode};
  bytes.insert(bytes.end(), resource.begin(), resource.end());
  return bytes;
}

// A test form: Button1 with a collection whose items refer to components here and in
// Form2, a timer, and references of the form itself into Form2.
FormBytes TestForm1() {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").Prop("Caption").Str("one");
  bytes.Prop("ActiveControl").Ident("Button1").Prop("Other").Ident("Form2.Button1").End();
  bytes.Object("TTestControl", "Button1").Prop("Left").Int(8).Prop("Items").Byte(14);
  bytes.Byte(1).Prop("Partner").Ident("Form2.Button1").Prop("Children").Byte(14);
  bytes.Byte(1).Prop("Caption").Str("inner").Prop("Partner").Ident("Button1").End().End().End();
  bytes.Int(1).Byte(1).Prop("Value").Int(300).Prop("Partner").Ident("Panel1").End().End();
  bytes.Prop("Partner").Ident("Form2.Button1").Prop("OnClick").Ident("ButtonClick").End();
  bytes.Object("TTestControl", "Panel1").Prop("Font.Name").Str("x").End().End();
  bytes.End();
  bytes.Object("TTestTimer", "Timer1").Prop("Interval").Int(100).Prop("Left").Int(8).End().End();
  bytes.End();
  return bytes;
}

FormBytes TestForm2() {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form2").Prop("Other").Ident("Form1.Panel1").End();
  bytes.Object("TTestControl", "Button1").Prop("Partner").Ident("Form1.Button1").End().End();
  bytes.End();
  return bytes;
}

// Form1 again, over what is there: its button inherited, a new control added.
FormBytes TestForm1Again() {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  bytes.Byte(0xF1).Object("TTestControl", "Button1").Prop("Items").Byte(14);
  bytes.Byte(1).Prop("Partner").Ident("Form2.Button1").End().End().End().End();
  bytes.Object("TTestControl", "Extra").Prop("Partner").Ident("Form2.Button1").End().End();
  bytes.End();
  return bytes;
}

// A test form with a property of every kind, a child placed by position, an inline child
// and a block the class reads itself.
FormBytes TestFormOfEveryKind() {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form3").Prop("OnShow").Ident("ButtonClick").End();
  bytes.Object("TTestControl", "Panel1").Prop("Accelerator").Str("S").Prop("Ratio");
  bytes.Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F}); // 1.5 as an extended value
  bytes.Prop("Big").Bytes({19, 0, 0, 0, 0, 1, 0, 0, 0});
  bytes.Prop("Data").Bytes({17, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}); // a date
  bytes.Prop("Data").Bytes({18, 1, 0, 0, 0, 'h', 0});           // a wide string
  bytes.Prop("Wide").Set({"w1", "w40"}).Prop("Align").Ident("alClient");
  bytes.Prop("Enabled").Bool(false).Prop("Color").Ident("clBtnFace");
  bytes.Prop("Cursor").Ident("crHourGlass").Prop("Font.Charset").Ident("SHIFTJIS_CHARSET");
  bytes.Prop("Font.Style").Set({"fsBold"}).Prop("Font.Height").Int(-12);
  bytes.Prop("Caption").LongStr("a long caption").Prop("OnKey").Ident("KeyPressed");
  bytes.Prop("Tag").Int(100000).End();
  bytes.Bytes({0xF2, 2, 1}).Object("TTestControl", "Button1").Prop("Width").Int(75).End().End();
  bytes.Byte(0xF4).Object("TTestControl", "Inline1").End().End();
  bytes.End();
  bytes.Object("TTestTimer", "Timer1").Prop("Blob").Byte(10).Int32(3).Bytes({1, 2, 3});
  bytes.Prop("OnTimer").Ident("ButtonClick").Prop("Top").Int(32).End().End();
  bytes.End();
  return bytes;
}

void WriteReaderSeeds(const fs::path& root, const std::vector<TBytes>& forms) {
  TCorpus corpus(root, "reader");
  for (std::size_t i = 0; i < forms.size(); ++i)
    corpus.Add("form" + std::to_string(i + 1), WithMode(kLoadNew, forms[i]));
  corpus.Add("test_form", WithMode(kLoadInto, TestForm1().Data()));
  corpus.Add("every_kind", WithMode(kLoadInto, TestFormOfEveryKind().Data()));
}

void WriteFormsSeeds(const fs::path& root, const std::vector<TBytes>& forms) {
  TCorpus corpus(root, "forms");
  FormsScript player;
  for (const TBytes& form : forms)
    player.LoadNew(form);
  corpus.Add("player_forms", player.Bytes());
  const FormBytes one = TestForm1();
  const FormBytes two = TestForm2();
  corpus.Add("cross_references", FormsScript().LoadInto(one.Data()).LoadInto(two.Data()).Bytes());
  corpus.Add("every_kind", FormsScript().LoadInto(TestFormOfEveryKind().Data()).Bytes());
  corpus.Add("component_freed",
             FormsScript().LoadInto(one.Data()).FreePart(0, 0).LoadInto(two.Data()).Bytes());
  corpus.Add(
      "items_cleared",
      FormsScript().LoadInto(one.Data()).FreePart(0, kClearItems).LoadInto(two.Data()).Bytes());
  corpus.Add("form_freed",
             FormsScript().LoadInto(one.Data()).FreeRoot(0).LoadInto(two.Data()).Bytes());
  corpus.Add("read_again", FormsScript()
                               .LoadInto(one.Data())
                               .Reload(0, TestForm1Again().Data())
                               .LoadInto(two.Data())
                               .Bytes());
  if (forms.size() >= 2)
    corpus.Add("player_and_test_forms",
               FormsScript().LoadNew(forms[1]).LoadInto(one.Data()).FreeRoot(0).Bytes());
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: fuzz_seeds OUTPUT_DIR FORM.bin...\n");
    return 2;
  }
  std::vector<TBytes> forms;
  for (int i = 2; i < argc; ++i) {
    forms.push_back(ReadFile(argv[i]));
    if (forms.back().empty()) {
      std::fprintf(stderr, "fuzz_seeds: cannot read %s\n", argv[i]);
      return 1;
    }
  }
  WriteReaderSeeds(argv[1], forms);
  WriteFormsSeeds(argv[1], forms);
  return 0;
}
