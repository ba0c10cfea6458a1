// The keyboard as on Windows: Enter presses the focused button, F1 opens
// the help page, Delete clears a list's choice, and typing in a closed list
// finds an item by the start of its name, blanks included.
#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QShortcut>
#include <chrono>

#include "app/focus_mark.h"
#include "app/main_window.h"
#include "app/text_bytes.h"
#include "form/list_search.h"

namespace vpa {
namespace {

// Opens a list as a scrolled list of a few items, not as a column of all.
class ShortPopupStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option,
                const QWidget* widget,
                QStyleHintReturn* answer) const override {
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, answer);
  }
};

constexpr int kPopupItems = 20;

std::vector<std::string> Items(const QComboBox* list) {
  std::vector<std::string> items;
  for (int i = 0; i < list->count(); ++i) {
    items.push_back(To1252(list->itemText(i)));
  }
  return items;
}

}  // namespace

void MainWindow::InstallKeyboard() {
  auto* style = new ShortPopupStyle;
  style->setParent(this);
  for (QComboBox* list : findChildren<QComboBox*>()) {
    list->setStyle(style);
    list->setMaxVisibleItems(kPopupItems);
    list->installEventFilter(this);
  }
  for (QPushButton* button : findChildren<QPushButton*>()) {
    button->installEventFilter(this);
  }
  for (const RowControls& row : controls_.rows) {
    for (QLineEdit* box : row.DimensionBoxes()) box->installEventFilter(this);
  }
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, &MainWindow::OpenHelp);
  new FocusMark(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // A box without the focus shows the start of its entry.
    if (auto* box = qobject_cast<QLineEdit*>(watched)) {
      box->setCursorPosition(0);
    }
    SaveNow();
  } else if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (auto* button = qobject_cast<QPushButton*>(watched)) {
      return ButtonKey(button, key);
    }
    if (auto* list = qobject_cast<QComboBox*>(watched)) {
      return ListKey(list, key);
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool MainWindow::ButtonKey(QPushButton* button, QKeyEvent* key) {
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
    return false;
  }
  if (!key->isAutoRepeat()) button->click();
  return true;
}

bool MainWindow::ListKey(QComboBox* list, QKeyEvent* key) {
  if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
    list->setCurrentIndex(-1);
    typed_.Clear();
    return true;
  }
  const QString text = key->text();
  if (text.size() != 1 || !text[0].isPrint()) return false;
  const std::string typed = To1252(text);
  if (typed.size() != 1) return false;
  const int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now().time_since_epoch())
                          .count();
  const TypeAhead::Step step = typed_.Type(
      Items(list), typed[0], now, QApplication::keyboardInputInterval());
  if (!step.used) return false;
  if (step.found >= 0) list->setCurrentIndex(step.found);
  return true;
}

}  // namespace vpa
