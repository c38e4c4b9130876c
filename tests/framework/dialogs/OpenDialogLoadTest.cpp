#include "ClassRegistry.h"
#include "EmbeddedResources.h"
#include "TOpenDialog.h"
#include "TReader.h"
#include "TStream.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// The dialog as the player's form resource stores it, found by its class name in the
// registered class list.

namespace {

using Bytes = std::vector<std::uint8_t>;

struct ComponentRelease {
  void operator()(TComponent* component) const { component->Free(); }
};
using TOwnedComponent = std::unique_ptr<TComponent, ComponentRelease>;

// The record of the root's child named name in a form resource, as a resource of its own.
Bytes ChildResource(std::span<const std::uint8_t> resource, std::string_view name) {
  TMemoryStream stream(resource);
  TReader children(stream);
  children.ReadSignature();
  children.ReadPrefix();
  children.ReadShortString();
  children.ReadShortString();
  while (!children.EndOfList()) {
    children.SkipProperty();
  }
  children.ReadValueTag();
  while (!children.EndOfList()) {
    const std::int64_t start = children.Position();
    children.ReadPrefix();
    children.ReadShortString();
    const String childName = children.ReadShortString();
    children.SkipObject(false);
    if (childName == name) {
      Bytes child{'T', 'P', 'F', '0'};
      child.insert(child.end(), resource.begin() + start, resource.begin() + children.Position());
      return child;
    }
  }
  return {};
}

TOwnedComponent LoadRegistered(const Bytes& resource) {
  TMemoryStream stream(resource);
  TReader reader(stream);
  return TOwnedComponent(reader.LoadRoot(nullptr));
}

void AppendShortString(Bytes& bytes, std::string_view text) {
  bytes.push_back(static_cast<std::uint8_t>(text.size()));
  bytes.insert(bytes.end(), text.begin(), text.end());
}

} // namespace

TEST(OpenDialogLoading, ThePlayersDialogLoadsThroughTheClassRegistry) {
  RegisterPersistentClass(TOpenDialog::StaticClassInfo());
  const Bytes resource = ChildResource(FindEmbeddedResource("TFORM1"), "OpenDialog1");
  ASSERT_FALSE(resource.empty());
  TOwnedComponent loaded = LoadRegistered(resource);
  auto* dialog = dynamic_cast<TOpenDialog*>(loaded.get());
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->Filter(),
            "ALL|*.WAV;*.MP3;*.CDA;*.MPG;*.MPEG;*.MPE;*.MPA;*.M1V;*.M2V;*.MOV;*.AVI"
            "|wave|*.WAV|mp3|*.MP3|cda|*.CDA"
            "|mpeg|*.MPG;*.MPEG;*.MPE;*.MPA;*.M1V;*.M2V|mov|*.MOV|avi|*.AVI");
  EXPECT_EQ(dialog->Options(), (TOpenOptions{ofHideReadOnly, ofAllowMultiSelect, ofEnableSizing}));
  EXPECT_EQ(dialog->FilterIndex(), 1);
  EXPECT_EQ(dialog->DesignTop(), 64);
  EXPECT_EQ(OpenOptionFlags(dialog->Options()),
            static_cast<DWORD>(OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT |
                               OFN_ENABLESIZING | OFN_EXPLORER));
  UnregisterPersistentClass(TOpenDialog::StaticClassInfo());
}

TEST(OpenDialogLoading, AStoredFileEditStyleIsReadAndLeft) {
  RegisterPersistentClass(TOpenDialog::StaticClassInfo());
  Bytes resource{'T', 'P', 'F', '0'};
  AppendShortString(resource, "TOpenDialog");
  AppendShortString(resource, "Dialog");
  AppendShortString(resource, "FileEditStyle");
  resource.push_back(7); // identifier
  AppendShortString(resource, "fsComboBox");
  AppendShortString(resource, "FilterIndex");
  resource.insert(resource.end(), {2, 3}); // 8-bit integer 3
  resource.insert(resource.end(), {0, 0});
  TOwnedComponent loaded = LoadRegistered(resource);
  auto* dialog = dynamic_cast<TOpenDialog*>(loaded.get());
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->FilterIndex(), 3);
  UnregisterPersistentClass(TOpenDialog::StaticClassInfo());
}

TEST(OpenDialogLoading, PublishesEveryPropertyAndEventByName) {
  TOpenDialog dialog(nullptr);
  for (const char* name :
       {"Ctl3D", "HelpContext", "OnClose", "OnShow", "DefaultExt", "FileName", "Filter",
        "FilterIndex", "InitialDir", "Options", "Title", "OnCanClose", "OnFolderChange",
        "OnSelectionChange", "OnTypeChange", "OnIncludeItem"}) {
    EXPECT_NE(dialog.ClassInfo().FindProperty(name), nullptr) << name;
  }
}
