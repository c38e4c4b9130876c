#include "MenuTestForm.h"

#include "Exception.h"

TPublishedTables TMenuForm::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TMenuForm::O1Click>("O1Click"),
      PublishedMethod<&TMenuForm::S1Click>("S1Click"),
      PublishedMethod<&TMenuForm::Close1Click>("Close1Click"),
      PublishedMethod<&TMenuForm::renzokuClick>("renzokuClick"),
      PublishedMethod<&TMenuForm::repeatClick>("repeatClick"),
      PublishedMethod<&TMenuForm::N3Click>("N3Click"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TMenuForm::MainMenu1>("MainMenu1"),
      PublishedField<&TMenuForm::File1>("File1"),
      PublishedField<&TMenuForm::O1>("O1"),
      PublishedField<&TMenuForm::S1>("S1"),
      PublishedField<&TMenuForm::Close1>("Close1"),
      PublishedField<&TMenuForm::O2>("O2"),
      PublishedField<&TMenuForm::renzoku>("renzoku"),
      PublishedField<&TMenuForm::repeat>("repeat"),
      PublishedField<&TMenuForm::N3>("N3"),
  };
  return {{}, methods, fields};
}

SORVANE_MESSAGE_ROWS(TMenuForm){
    SORVANE_ON(WM_ENTERIDLE, WMEnterIdle),
};
SORVANE_MESSAGE_TABLE(TMenuForm)

void TMenuForm::WMEnterIdle(TWMNoParams&) {
  ++menuIdles;
  if (menuKeys.empty()) {
    PostKey(Handle(), VK_ESCAPE);
    return;
  }
  for (WORD key : menuKeys) {
    PostKey(Handle(), key);
  }
  menuKeys.clear();
}

void TMenuForm::O1Click(TObject*) { ++opened; }

void TMenuForm::S1Click(TObject*) { ++added; }

void TMenuForm::Close1Click(TObject*) { ++closed; }

void TMenuForm::renzokuClick(TObject*) { renzoku->SetChecked(!renzoku->Checked()); }

void TMenuForm::repeatClick(TObject*) { repeat->SetChecked(!repeat->Checked()); }

void TMenuForm::N3Click(TObject*) {
  ++versions;
  if (raiseOnVersion) {
    throw Exception("バージョン");
  }
}

String EntryText(HMENU menu, int position) {
  char text[256] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

namespace {

LPARAM KeyData(WORD key, bool alt, bool up) {
  LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
  if (alt) {
    data |= static_cast<LPARAM>(KF_ALTDOWN) << 16;
  }
  if (up) {
    data |= static_cast<LPARAM>(KF_REPEAT | KF_UP) << 16;
  }
  return data;
}

} // namespace

void PostKey(HWND window, WORD key, bool alt) {
  PostMessageA(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, KeyData(key, alt, false));
  PostMessageA(window, alt ? WM_SYSKEYUP : WM_KEYUP, key, KeyData(key, alt, true));
}

std::vector<String> EntryTexts(HMENU menu) {
  std::vector<String> texts;
  for (int position = 0; position < GetMenuItemCount(menu); ++position) {
    texts.push_back(EntryText(menu, position));
  }
  return texts;
}
