#include "TOpenDialog.h"

#include "DialogCentring.h"
#include "ExceptionReport.h"
#include "FolderName.h"
#include "Messages.h"
#include "TApplication.h"
#include "TReader.h"

TPublishedTables TOpenDialog::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt>("DefaultExt"),
      PublishedProperty<&TOpenDialog::FileName, &TOpenDialog::SetFileName>("FileName"),
      PublishedProperty<&TOpenDialog::Filter, &TOpenDialog::SetFilter>("Filter"),
      PublishedProperty<&TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex>("FilterIndex"),
      PublishedProperty<&TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir>("InitialDir"),
      PublishedProperty<&TOpenDialog::Options, &TOpenDialog::SetOptions>("Options"),
      PublishedProperty<&TOpenDialog::Title, &TOpenDialog::SetTitle>("Title"),
      PublishedProperty<&TOpenDialog::OnCanClose>("OnCanClose"),
      PublishedProperty<&TOpenDialog::OnFolderChange>("OnFolderChange"),
      PublishedProperty<&TOpenDialog::OnSelectionChange>("OnSelectionChange"),
      PublishedProperty<&TOpenDialog::OnTypeChange>("OnTypeChange"),
      PublishedProperty<&TOpenDialog::OnIncludeItem>("OnIncludeItem"),
  };
  return {properties};
}

SORVANE_MESSAGE_ROWS(TOpenDialog){
    SORVANE_ON(WM_INITDIALOG, WMInitDialog),
    SORVANE_ON(WM_NOTIFY, WMNotify),
};
SORVANE_MESSAGE_TABLE(TOpenDialog)

TOpenDialog::TOpenDialog(TComponent* owner) : TCommonDialog(owner) {}

void TOpenDialog::DeclareExtraProperties(TFiler& filer) {
  TCommonDialog::DeclareExtraProperties(filer);
  // The edit style of the file name box is a choice of older systems; it is read and left.
  filer.OfferProperty("FileEditStyle", [](TReader& reader) { reader.ReadIdentifier(); });
}

std::int32_t TOpenDialog::FilterIndex() const {
  return Handle() ? currentFilterIndex_ : filterIndex_;
}

void TOpenDialog::SetInitialDir(const String& value) { initialDir_ = TrimmedFolderName(value); }

String TOpenDialog::FileName() const {
  return ExplorerStyleRunning() && Handle() ? CurrentPath() : fileName_;
}

bool TOpenDialog::ExplorerStyleRunning() const { return running_ && running_->ExplorerStyle(); }

String TOpenDialog::CurrentPath() const {
  // The dialog gives the size it needs when the buffer is too small: ask again with that.
  HWND frame = GetParent(Handle());
  String path(MAX_PATH + 1, '\0');
  LRESULT length =
      SendMessageA(frame, CDM_GETFILEPATH, path.size(), reinterpret_cast<LPARAM>(path.data()));
  if (length > static_cast<LRESULT>(path.size())) {
    path.assign(static_cast<std::size_t>(length), '\0');
    length =
        SendMessageA(frame, CDM_GETFILEPATH, path.size(), reinterpret_cast<LPARAM>(path.data()));
  }
  if (length <= 0) {
    return {};
  }
  path.resize(path.find('\0') == String::npos ? path.size() : path.find('\0'));
  return path;
}

TOpenRequest TOpenDialog::Request() {
  TOpenRequest request;
  request.options = options_;
  request.filter = filter_;
  request.filterIndex = filterIndex_;
  request.initialDir = initialDir_;
  request.title = title_;
  request.defaultExt = defaultExt_;
  request.fileName = fileName_;
  request.templateName = templateName_;
  request.owner = Application ? Application->Handle() : nullptr;
  request.explorerHook = &TOpenDialog::ExplorerHook;
  request.oldStyleHook = &TOpenDialog::OldStyleHook;
  request.hookData = reinterpret_cast<LPARAM>(this);
  return request;
}

bool TOpenDialog::RunDialog() {
  selectedFiles_.RemoveAll();
  TOpenRecord run(Request());
  currentFilterIndex_ = filterIndex_;
  lastError_ = 0;
  running_ = &run;
  TScopeGuard done([this] { running_ = nullptr; });
  if (!RunTaskModal([this, &run] { return ShowSystemDialog(run.Record()); })) {
    lastError_ = SystemDialogError();
    ReportFailure();
    return false;
  }
  TakeChosenNames(run);
  options_ = WithReturnedFlags(options_, run.Record().Flags);
  filterIndex_ = static_cast<std::int32_t>(run.Record().nFilterIndex);
  return true;
}

bool TOpenDialog::ShowSystemDialog(OPENFILENAMEA& record) {
  return GetOpenFileNameA(&record) != FALSE;
}

DWORD TOpenDialog::SystemDialogError() const { return CommDlgExtendedError(); }

void TOpenDialog::TakeChosenNames(const TOpenRecord& run) {
  fileName_ = AppendReturnedNames(run.Names(), run.NameList(), run.Separator(), selectedFiles_);
}

void TOpenDialog::ReportFailure() {
  // The names the user chose did not fit the file buffer: the dialog has closed, so the user
  // is told rather than left with what looks like a cancel.
  if (lastError_ == FNERR_BUFFERTOOSMALL && Application) {
    Application->ShowErrorBox(Exception(LoadMessage(Msg::InvalidFilename)));
  }
}

UINT_PTR CALLBACK TOpenDialog::ExplorerHook(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  return message == WM_INITDIALOG ? InitDialog(window, wParam, lParam, false) : 0;
}

UINT_PTR CALLBACK TOpenDialog::OldStyleHook(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  return message == WM_INITDIALOG ? InitDialog(window, wParam, lParam, true) : 0;
}

UINT_PTR TOpenDialog::InitDialog(HWND window, WPARAM wParam, LPARAM lParam,
                                 bool oldStyle) noexcept {
  try {
    const auto* record = reinterpret_cast<const OPENFILENAMEA*>(lParam);
    auto* dialog = reinterpret_cast<TOpenDialog*>(record->lCustData);
    if (oldStyle) {
      CentreOnMainMonitor(window);
    }
    dialog->SubclassDialog(window);
    TMessage message{WM_INITDIALOG, wParam, lParam, 0};
    dialog->WndProc(message);
    return static_cast<UINT_PTR>(message.Result);
  } catch (...) {
    ReportEscapedException();
    return 0;
  }
}

void TOpenDialog::WMInitDialog(TWMNoParams& message) {
  // An explorer-style dialog is ready only with CDN_INITDONE.
  if (!ExplorerStyleRunning()) {
    TCommonDialog::WMInitDialog(message);
  }
}

void TOpenDialog::WMNotify(TWMNotify& message) {
  const NMHDR& header = *message.NMHdr();
  switch (header.code) {
  case CDN_INITDONE:
    CentreOnMainMonitor(GetParent(Handle()));
    DoShow();
    break;
  case CDN_SELCHANGE:
    DoSelectionChange();
    break;
  case CDN_FOLDERCHANGE:
    DoFolderChange();
    break;
  case CDN_TYPECHANGE:
    TypeChange(reinterpret_cast<const OFNOTIFYA&>(header));
    break;
  case CDN_INCLUDEITEM:
    SetDialogResult(message, DoIncludeItem(reinterpret_cast<const OFNOTIFYEXA&>(header)) ? 1 : 0);
    break;
  case CDN_FILEOK:
    FileOk(message);
    break;
  default:
    DefaultHandler(message);
  }
}

void TOpenDialog::TypeChange(const OFNOTIFYA& notice) {
  const auto index = static_cast<std::int32_t>(notice.lpOFN->nFilterIndex);
  if (index != currentFilterIndex_) {
    currentFilterIndex_ = index;
    DoTypeChange();
  }
}

void TOpenDialog::FileOk(TWMNotify& message) {
  selectedFiles_.RemoveAll();
  AppendReturnedNames(running_->Names(), running_->NameList(), running_->Separator(),
                      selectedFiles_);
  TScopeGuard empty([this] { selectedFiles_.RemoveAll(); });
  SetDialogResult(message, CanClose() ? 0 : 1);
}

bool TOpenDialog::CanClose() {
  bool canClose = true;
  OnCanClose(this, canClose);
  return canClose;
}

void TOpenDialog::DoFolderChange() { OnFolderChange(this); }

void TOpenDialog::DoSelectionChange() { OnSelectionChange(this); }

void TOpenDialog::DoTypeChange() { OnTypeChange(this); }

bool TOpenDialog::DoIncludeItem(const OFNOTIFYEXA& item) {
  bool include = true;
  OnIncludeItem(this, item, include);
  return include;
}
