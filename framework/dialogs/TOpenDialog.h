#pragma once

#include "FormTypes.h"
#include "OpenOptions.h"
#include "OpenRecord.h"
#include "TCommonDialog.h"
#include "TStringList.h"

#include <cderr.h>
#include <commdlg.h>

// Sender, the item the dialog is about to list, whether to list it (may be changed).
using TIncludeItemEvent = TEvent<TObject*, const OFNOTIFYEXA&, bool&>;

// The system's "open file" dialog (GetOpenFileNameA). RunDialog shows it with the options,
// filter, folder and title set here and, when the user accepts, hands back every chosen path
// in SelectedFiles (full paths, in the dialog's order) and the first one in FileName.
//
// A dialog is explorer-style unless ofOldStyleDialog is set. Its window is subclassed when
// it is set up (TCommonDialog); its notifications become the events: OnShow when it is
// ready, OnSelectionChange, OnFolderChange, OnTypeChange, OnIncludeItem, and OnCanClose
// before it accepts. A cancelled or failed dialog leaves FileName, Options and FilterIndex
// as they were and SelectedFiles empty; a choice too long for the file buffer is told to the
// user in an error box and ends like a cancel.
class TOpenDialog : public TCommonDialog {
public:
  SORVANE_CLASS(TOpenDialog, TCommonDialog)
  SORVANE_PUBLISHED
  SORVANE_MESSAGES

  explicit TOpenDialog(TComponent* owner);

  bool RunDialog() override;

  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions value) { options_ = value; }
  const String& Filter() const { return filter_; }
  void SetFilter(const String& value) { filter_ = value; }
  // The 1-based index of the chosen filter; while the dialog is open, the one it shows.
  std::int32_t FilterIndex() const;
  void SetFilterIndex(std::int32_t value) { filterIndex_ = value; }
  const String& InitialDir() const { return initialDir_; }
  // Stores the folder without its trailing "\" unless that follows a colon.
  void SetInitialDir(const String& value);
  const String& Title() const { return title_; }
  void SetTitle(const String& value) { title_ = value; }
  const String& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const String& value) { defaultExt_ = value; }
  // The first chosen path; while an explorer-style dialog is open, the path it shows now.
  String FileName() const;
  void SetFileName(const String& value) { fileName_ = value; }
  // Every chosen path of the last run; the caller may empty it.
  TStringList* SelectedFiles() { return &selectedFiles_; }
  const TStringList* SelectedFiles() const { return &selectedFiles_; }
  TStringList* HistoryList() { return &historyList_; }
  // The name of a dialog template resource of the program for the dialog's own controls;
  // none by default.
  const String& TemplateName() const { return templateName_; }
  void SetTemplateName(const String& value) { templateName_ = value; }
  // The reason of the last failed run (CommDlgExtendedError): 0 after an accepted or a
  // cancelled one.
  DWORD LastError() const { return lastError_; }

  TCloseQueryEvent OnCanClose;
  TNotifyEvent OnFolderChange;
  TNotifyEvent OnSelectionChange;
  TNotifyEvent OnTypeChange;
  TIncludeItemEvent OnIncludeItem;

protected:
  void DeclareExtraProperties(TFiler& filer) override;

  // Shows the system's dialog for record (GetOpenFileNameA); true when the user accepted.
  virtual bool ShowSystemDialog(OPENFILENAMEA& record);
  // Why the last ShowSystemDialog gave false (CommDlgExtendedError): 0 for a cancel.
  virtual DWORD SystemDialogError() const;

  virtual bool CanClose();
  virtual void DoFolderChange();
  virtual void DoSelectionChange();
  virtual void DoTypeChange();
  virtual bool DoIncludeItem(const OFNOTIFYEXA& item);

private:
  static UINT_PTR CALLBACK ExplorerHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static UINT_PTR CALLBACK OldStyleHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static UINT_PTR InitDialog(HWND window, WPARAM wParam, LPARAM lParam, bool oldStyle) noexcept;

  TOpenRequest Request();
  void TakeChosenNames(const TOpenRecord& run);
  void ReportFailure();
  bool ExplorerStyleRunning() const;
  String CurrentPath() const;

  void WMInitDialog(TWMNoParams& message);
  void WMNotify(TWMNotify& message);
  void FileOk(TWMNotify& message);
  void TypeChange(const OFNOTIFYA& notice);

  TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
  String filter_;
  std::int32_t filterIndex_ = 1;
  std::int32_t currentFilterIndex_ = 1;
  String initialDir_;
  String title_;
  String defaultExt_;
  String fileName_;
  String templateName_;
  TStringList selectedFiles_;
  TStringList historyList_;
  DWORD lastError_ = 0;
  // The record of the run in progress; none while the dialog is not open.
  const TOpenRecord* running_ = nullptr;
};
