#include "OpenRecord.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

using namespace std::string_literals;

// The record one run hands to GetOpenFileNameA.

namespace {

const TOpenOptions playerOptions{ofHideReadOnly, ofAllowMultiSelect, ofEnableSizing};

TOpenRequest RequestWith(TOpenOptions options, const String& fileName = {}) {
  TOpenRequest request;
  request.options = options;
  request.fileName = fileName;
  return request;
}

String BufferText(const TOpenRecord& run) { return String(run.Names().data()); }

} // namespace

TEST(OpenOptions, ThePlayersOptionsGiveItsFlags) {
  EXPECT_EQ(OpenOptionFlags(playerOptions, true),
            static_cast<DWORD>(OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT |
                               OFN_ENABLESIZING | OFN_EXPLORER));
}

TEST(OpenOptions, OldStyleTakesTheExplorerFlagAway) {
  EXPECT_EQ(OpenOptionFlags({ofOldStyleDialog}, true), static_cast<DWORD>(OFN_ENABLEHOOK));
  EXPECT_EQ(OpenOptionFlags({}, false), static_cast<DWORD>(OFN_ENABLEHOOK));
  EXPECT_EQ(OpenOptionFlags({ofOldStyleDialog}, false), static_cast<DWORD>(OFN_ENABLEHOOK));
}

TEST(OpenOptions, EveryOptionAddsItsFlag) {
  const DWORD flags[] = {
      OFN_READONLY,         OFN_OVERWRITEPROMPT,  OFN_HIDEREADONLY,     OFN_NOCHANGEDIR,
      OFN_SHOWHELP,         OFN_NOVALIDATE,       OFN_ALLOWMULTISELECT, OFN_EXTENSIONDIFFERENT,
      OFN_PATHMUSTEXIST,    OFN_FILEMUSTEXIST,    OFN_CREATEPROMPT,     OFN_SHAREAWARE,
      OFN_NOREADONLYRETURN, OFN_NOTESTFILECREATE, OFN_NONETWORKBUTTON,  OFN_NOLONGNAMES};
  for (std::size_t member = 0; member < std::size(flags); ++member) {
    const auto option = static_cast<TOpenOption>(member);
    EXPECT_EQ(OpenOptionFlags({option}, true), OFN_ENABLEHOOK | OFN_EXPLORER | flags[member])
        << EnumTypeOf(option).members[member];
  }
  EXPECT_EQ(OpenOptionFlags({ofNoDereferenceLinks, ofEnableIncludeNotify}, true),
            static_cast<DWORD>(OFN_ENABLEHOOK | OFN_EXPLORER | OFN_NODEREFERENCELINKS |
                               OFN_ENABLEINCLUDENOTIFY));
}

TEST(OpenOptions, TheReturnedFlagsSetReadOnlyAndExtensionDifferent) {
  EXPECT_EQ(WithReturnedFlags(playerOptions, OFN_READONLY | OFN_EXTENSIONDIFFERENT),
            (TOpenOptions{ofReadOnly, ofHideReadOnly, ofAllowMultiSelect, ofExtensionDifferent,
                          ofEnableSizing}));
  EXPECT_EQ(WithReturnedFlags({ofReadOnly, ofExtensionDifferent}, 0), TOpenOptions{});
}

TEST(OpenRecord, IsTheFirstLayoutWithTheProgramAsInstance) {
  TOpenRecord run(RequestWith(playerOptions));
  EXPECT_EQ(run.Record().lStructSize, offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR));
  if constexpr (sizeof(void*) == 4) {
    EXPECT_EQ(run.Record().lStructSize, 76u);
  }
  EXPECT_EQ(run.Record().hInstance, GetModuleHandleA(nullptr));
}

TEST(OpenRecord, AMultipleChoiceGetsTheLargeBuffer) {
  TOpenRecord multiple(RequestWith(playerOptions, "C:\\a.wav"));
  EXPECT_EQ(multiple.Record().nMaxFile, 65519u);
  EXPECT_EQ(multiple.Names().size(), 65521u);
  EXPECT_EQ(BufferText(multiple), "C:\\a.wav");
  EXPECT_EQ(multiple.NameList(), TNameList::Multiple);
  EXPECT_EQ(multiple.Separator(), '\0');

  TOpenRecord single(RequestWith({}, "C:\\a.wav"));
  EXPECT_EQ(single.Record().nMaxFile, static_cast<DWORD>(MAX_PATH));
  EXPECT_EQ(single.Names().size(), MAX_PATH + 2u);
  EXPECT_EQ(single.NameList(), TNameList::Single);
}

TEST(OpenRecord, ALongFileNameIsCutToTheBufferAtACharacterBoundary) {
  TOpenRecord run(RequestWith({}, String(300, 'x')));
  EXPECT_EQ(BufferText(run), String(MAX_PATH, 'x'));

  // The 260th byte would be the first of a two-byte character: the whole character goes.
  TOpenRecord cut(RequestWith({}, String(MAX_PATH - 1, 'x') + "\x83\x5C"));
  EXPECT_EQ(BufferText(cut), String(MAX_PATH - 1, 'x'));
}

TEST(OpenRecord, AnOldStyleMultipleChoiceIsSeparatedBySpaces) {
  TOpenRecord run(RequestWith({ofAllowMultiSelect, ofOldStyleDialog}));
  EXPECT_FALSE(run.ExplorerStyle());
  EXPECT_EQ(run.Separator(), ' ');
}

TEST(OpenRecord, TextsArePassedOnlyWhenTheyAreSet) {
  TOpenRequest request = RequestWith(playerOptions);
  TOpenRecord plain(request);
  EXPECT_EQ(plain.Record().lpstrFilter, nullptr);
  EXPECT_EQ(plain.Record().lpstrTitle, nullptr);
  EXPECT_EQ(plain.Record().lpstrInitialDir, nullptr);
  EXPECT_EQ(plain.Record().lpstrDefExt, nullptr);
  EXPECT_EQ(plain.Record().Flags & OFN_ENABLETEMPLATE, 0u);

  request.filter = "ALL|*.WAV";
  request.title = "Open";
  request.initialDir = "C:\\Music";
  request.templateName = "EXTRAS";
  TOpenRecord full(request);
  EXPECT_EQ(String(full.Record().lpstrFilter, 11), "ALL\0*.WAV\0\0"s);
  EXPECT_STREQ(full.Record().lpstrTitle, "Open");
  EXPECT_STREQ(full.Record().lpstrInitialDir, "C:\\Music");
  EXPECT_STREQ(full.Record().lpTemplateName, "EXTRAS");
  EXPECT_NE(full.Record().Flags & OFN_ENABLETEMPLATE, 0u);
}

TEST(OpenRecord, TheCurrentDirectorySwitchGivesADot) {
  ForceCurrentDirectory = true;
  TOpenRecord run(RequestWith(playerOptions));
  ForceCurrentDirectory = false;
  EXPECT_STREQ(run.Record().lpstrInitialDir, ".");
}

TEST(OpenRecord, AnOldStyleDialogTakesTheDefaultExtensionFromTheFileName) {
  TOpenRecord oldStyle(RequestWith({ofOldStyleDialog}, "C:\\a.b\\song.mp3"));
  EXPECT_STREQ(oldStyle.Record().lpstrDefExt, "mp3");
  TOpenRecord noExtension(RequestWith({ofOldStyleDialog}, "C:\\a.b\\song"));
  EXPECT_EQ(noExtension.Record().lpstrDefExt, nullptr);
  TOpenRecord explorer(RequestWith({}, "C:\\song.mp3"));
  EXPECT_EQ(explorer.Record().lpstrDefExt, nullptr);
}

TEST(OpenRecord, TheHookOfTheDialogsStyleIsSet) {
  TOpenRequest request = RequestWith({});
  request.explorerHook = [](HWND, UINT, WPARAM, LPARAM) -> UINT_PTR { return 1; };
  request.oldStyleHook = [](HWND, UINT, WPARAM, LPARAM) -> UINT_PTR { return 2; };
  TOpenRecord explorer(request);
  EXPECT_EQ(explorer.Record().lpfnHook, request.explorerHook);
  request.options = {ofOldStyleDialog};
  TOpenRecord oldStyle(request);
  EXPECT_EQ(oldStyle.Record().lpfnHook, request.oldStyleHook);
}
