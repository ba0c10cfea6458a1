// A window on a throw-away program folder with the shipped templates, whose
// error messages are recorded instead of shown.
#ifndef VPA_TESTS_APP_WINDOW_FIXTURE_H_
#define VPA_TESTS_APP_WINDOW_FIXTURE_H_

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "test_folder.h"

namespace vpa::testing {

struct ShownError {
  QMessageBox::Icon icon;
  QString title;
  QString text;
};

class WindowTest : public ::testing::Test {
 public:
  WindowTest();
  ~WindowTest() override;

  // Starts a window on the test folder, or on `folder` (start-up runs in
  // the constructor).
  MainWindow& Open(const Maker& maker = {},
                   const std::filesystem::path& folder = {});
  // Closes the window through its close box and forgets it.
  void Close();

  QLineEdit* Box(const QString& name) const;
  QComboBox* List(const QString& name) const;
  QPushButton* Button(const QString& name) const;

  QString Root() const;
  // The field's file as bytes, "<missing>" when there is none.
  std::string Field(const std::string& name) const;

  TestFolder folder_;
  std::unique_ptr<MainWindow> window_;
  std::vector<ShownError> errors_;
};

// Waits until a window of the program folder `folder` listens for later
// launches, as a sign that it is up; false after `ms` milliseconds.
bool WaitUntilListening(const std::filesystem::path& folder, int ms);

}  // namespace vpa::testing

#endif  // VPA_TESTS_APP_WINDOW_FIXTURE_H_
