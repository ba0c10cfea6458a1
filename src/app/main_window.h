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

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/window_layout.h"
#include "base/program_folder.h"
#include "base/result.h"
#include "form/form_state.h"
#include "store/field_store.h"

namespace vpa {

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows one error message to the detailer.
  using ErrorShower =
      std::function<void(const QString& title, const QString& text)>;

  // Builds the window for the program folder `folder` and runs start-up.
  explicit MainWindow(const QString& folder,
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

  // Saves the 36 fields without a word, as the session ends; only the first
  // save of a run (this or a close) saves.
  void ShutDown();

  // Brings the window back from the minimised state to the front.
  void BringToFront();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void StartUp();
  void LimitEntries();
  Status SaveFields();
  // Row `row`'s entries as the form state holds them.
  RowState ReadRow(int row) const;
  void ConnectCommands();
  void ShowError(const QString& title, const QString& text);
  void ShowReading(QLineEdit* box, const QPalette& band);
  void Finish();

  QString folder_;
  ProgramFolder core_folder_;
  Maker maker_;
  FormControls controls_;
  ErrorShower show_error_;
  UnreadableFields unreadable_;
  bool running_ = false;
  bool shut_down_ = false;
};

}  // namespace vpa

#endif  // VPA_APP_MAIN_WINDOW_H_
