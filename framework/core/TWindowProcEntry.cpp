#include "TWindowProcEntry.h"

#include "ExceptionReport.h"
#include "FaultTranslation.h"

namespace {

// The window property that points from a window to its entry.
class EntryProperty {
public:
  EntryProperty() : atom_(GlobalAddAtomA("SorvaneWindowProcEntry")) {}
  ~EntryProperty() { GlobalDeleteAtom(atom_); }
  EntryProperty(const EntryProperty&) = delete;
  EntryProperty& operator=(const EntryProperty&) = delete;

  LPCSTR Name() const { return MAKEINTATOM(atom_); }

private:
  ATOM atom_;
};

LPCSTR EntryName() {
  static const EntryProperty property;
  return property.Name();
}

} // namespace

void TWindowProcEntry::Attach(HWND window) { SetPropA(window, EntryName(), this); }

void TWindowProcEntry::Detach(HWND window) { RemovePropA(window, EntryName()); }

bool TWindowProcEntry::IsAttached(HWND window) const {
  return GetPropA(window, EntryName()) == this;
}

WNDPROC TWindowProcEntry::Procedure() { return &TWindowProcEntry::Forward; }

LRESULT CALLBACK TWindowProcEntry::Forward(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* entry = static_cast<TWindowProcEntry*>(GetPropA(window, EntryName()));
  if (!entry) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
  TMessage record{message, wParam, lParam, 0};
  TFaultScope faults;
  try {
    entry->target_.Call(entry->target_.Object, record);
  } catch (...) {
    ReportEscapedException();
  }
  if (message == WM_NCDESTROY) {
    Detach(window);
  }
  return record.Result;
}
