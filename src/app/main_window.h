// The window Form1: a thin adapter over the form's controller. It tells the
// controller what happened to which control and carries out the view's
// primitives with Qt; the platform's part (opening a document, the
// clipboard, minimising) is its own.
//
// Files: window.cpp builds it and shows messages, window_layout.cpp walks
// the form's layout table into widgets, view.cpp carries out the view's
// primitives and opens documents, keyboard.cpp passes keys and focus to
// the controller.
#ifndef VPA_APP_MAIN_WINDOW_H_
#define VPA_APP_MAIN_WINDOW_H_

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/preview_widget.h"
#include "app/window_layout.h"
#include "base/program_folder.h"
#include "form/controller.h"
#include "form/form_view.h"

namespace vpa {

class MainWindow : public QWidget, private FormView {
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
  ~MainWindow() override;

  // The macro file's full path, as the clipboard gets it.
  QString MacroPath() const;

  // Replaces the message box that shows errors (tests watch it this way).
  void SetErrorShower(ErrorShower shower) { show_error_ = std::move(shower); }

  // The row command of row `row` (1 to 5).
  void RunRow(int row) { controller_.Run(row); }
  // Names the folders the program folder lacked at start, if any.
  void TellMissingFolders() { controller_.TellStartNotes(); }

  // Saves the fields that changed without a word, as the session ends. A
  // logout may be cancelled: later changes are saved by the next save.
  void ShutDown() { controller_.EndSession(); }

  // Brings the window back from the minimised state to the front.
  void BringToFront();

  // The row whose Run! wrote the current macro; 0 before the first.
  int MarkedRow() const { return controller_.marked_row(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void KeepStorable(QLineEdit* box);
  void ConnectCommands();
  void InstallKeyboard();
  void ShowNotice(const QString& title, const QString& text);
  void FocusOnReturn();
  bool ListKey(QComboBox* list, QKeyEvent* key);
  QWidget* Widget(std::string_view name) const;
  QLineEdit* Box(std::string_view name) const;

  // The view's primitives (view.cpp).
  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, std::string_view text) override;
  int Index(std::string_view control) const override;
  void SetIndex(std::string_view control, int index) override;
  void Select(std::string_view control, int start, int length) override;
  void Focus(std::string_view control) override;
  void Press(std::string_view button) override;
  void ShowReading(std::string_view control, const std::string& hint,
                   bool refused, bool alert) override;
  void SetHint(std::string_view control, const std::string& hint) override;
  void MarkRow(int row) override;
  void MarkFocus(std::string_view control) override;
  bool CopySelection(std::string_view box) override;
  void Minimise() override { showMinimized(); }
  // Exit takes the same road as the close box, through closeEvent.
  void Close() override { close(); }
  bool OpenDocument(const std::filesystem::path& file) override;
  void OpenAddress(const std::string& address) override;
  void ShowMessage(Tone tone, const std::string& title,
                   const std::string& text) override;
  void StartSaveTimer(int ms) override { save_timer_->start(ms); }
  void StopSaveTimer() override { save_timer_->stop(); }
  void ShowPreview(const PreviewDrawing* drawing) override;

  ProgramFolder core_folder_;
  const std::vector<FormControl> layout_;
  ErrorShower show_error_;
  QTimer* save_timer_;                // runs from a change until its save
  PreviewWidget* preview_ = nullptr;  // over the logo
  QWidget* focus_mark_ = nullptr;
  FormController controller_;
};

}  // namespace vpa

#endif  // VPA_APP_MAIN_WINDOW_H_
