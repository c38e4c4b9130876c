#include "Drops.h"

#include "List.h"
#include "Main.h"
#include "ScopeGuard.h"

#include <shellapi.h>

#include <exception>

namespace {

// The full path of file index of the drop, whatever its length.
String DroppedPath(HDROP drop, UINT index) {
  const UINT length = DragQueryFileA(drop, index, nullptr, 0);
  String path(length + 1, '\0');
  path.resize(DragQueryFileA(drop, index, path.data(), length + 1));
  return path;
}

} // namespace

void TakeDrop(HDROP drop, const TExtensionTable& table, std::int32_t count) {
  TScopeGuard finish([drop] { DragFinish(drop); });
  std::exception_ptr loadFailure;
  std::int32_t refused = 0;
  const UINT files = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  {
    // The list box draws once for the whole drop: redrawn and scrolled at every line, a
    // thousand files took seconds.
    TStrings::UpdateScope update(Form2->ListBox1->Items());
    for (UINT i = 0; i < files; ++i) {
      const String path = DroppedPath(drop, i);
      if (!TableAccepts(table, count, Form2->ExtensionOf(path))) {
        continue;
      }
      if (Form2->Room() == 0) {
        ++refused;
        continue;
      }
      Form2->AddEntry(path);
      try {
        Form1->LoadCurrent();
      } catch (...) {
        loadFailure = loadFailure ? loadFailure : std::current_exception();
      }
    }
  }
  if (loadFailure) {
    std::rethrow_exception(loadFailure);
  }
  if (refused > 0) {
    throw PlayListFull(refused);
  }
}
