// The window Form1: a thin adapter over the core. Its handlers read the
// widgets into plain values, call the core, and then show one clear error or
// do the platform's part (clipboard, minimise, open a document).
//
// Files: window.cpp builds it and shows errors, window_layout.cpp walks the
// form's layout table into widgets, rows.cpp runs the row commands and the
// live reading of entries, lifecycle.cpp restores and saves the fields,
// commands.cpp holds Help, web and Exit.
#ifndef VPA_APP_MAIN_WINDOW_H_
#define VPA_APP_MAIN_WINDOW_H_

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>

#include "app/window_layout.h"
#include "base/program_folder.h"
#include "base/result.h"
#include "form/form_state.h"
#include "form/list_search.h"
#include "form/run_row.h"
#include "staging/row_check.h"
#include "store/field_store.h"

namespace vpa {

class MainWindow : public QWidget, private RunOutcomeView {
  Q_OBJECT

 public:
  // Shows one message to the detailer: a warning for a refused row, an
  // error for a file that failed.
  using ErrorShower = std::function<void(
      QMessageBox::Icon icon, const QString& title, const QString& text)>;

  // Builds the window for the program folder `folder` and runs start-up.
  explicit MainWindow(const std::filesystem::path& folder,
                      const Maker& maker = BuiltInMaker(),
                      QWidget* parent = nullptr);

  // The macro file's full path, as the clipboard gets it.
  QString MacroPath() const;

  // Replaces the message box that shows errors (tests watch it this way).
  void SetErrorShower(ErrorShower shower) { show_error_ = std::move(shower); }

  // The row command of row `row` (1 to 5).
  void RunRow(int row);
  void OpenHelp();
  void OpenWebSite();
  // Names the folders the program folder lacks, if any.
  void TellMissingFolders();

  // Saves the fields that changed without a word, as the session ends. A
  // logout may be cancelled: later changes are saved by the next save.
  void ShutDown();

  // Brings the window back from the minimised state to the front.
  void BringToFront();

  // The row whose Run! wrote the current macro; 0 before the first.
  int MarkedRow() const { return marked_row_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void StartUp();
  void MarkUnreadable();
  void LimitEntries();
  Status SaveFields();
  // The stored fields as the controls hold them.
  FormState ReadState() const;
  void ConnectCommands();
  void InstallKeyboard();
  void ShowError(const QString& title, const QString& text,
                 QMessageBox::Icon icon = QMessageBox::Critical);
  void ShowReading(QLineEdit* box, const QPalette& band);
  void ShowRefusal(const RunOutcome& outcome) override;
  void ShowFailure(const RunOutcome& outcome) override;
  bool PutPathOnClipboard(const RunOutcome& outcome) override;
  void MarkWritten(const RunOutcome& outcome) override;
  void StepAside(const RunOutcome& outcome) override;
  void ShowUnclipped(const RunOutcome& outcome) override;
  void TellUnsaved(const std::string& message) override;
  void ShowRefusedEdit(QLineEdit* box);
  // Entries are saved as they are typed: soon after a change, and at once
  // when the focus leaves the control.
  void SaveSoon();
  void SaveNow();
  void FocusOnReturn();
  bool ButtonKey(QPushButton* button, QKeyEvent* key);
  bool ListKey(QComboBox* list, QKeyEvent* key);

  ProgramFolder core_folder_;
  Maker maker_;
  FormControls controls_;
  ErrorShower show_error_;
  StoredForm stored_;  // the fields as last loaded or saved
  RunCommand run_{stored_};
  int marked_row_ = 0;
  TypeAhead typed_;     // type-ahead in a closed list
  QTimer* save_timer_;  // runs from a change until its save
};

}  // namespace vpa

#endif  // VPA_APP_MAIN_WINDOW_H_
