// The keyboard as on Windows: Enter presses the focused button, F1 opens
// the help page, Delete clears a list's choice, and typing in a closed list
// finds an item by the start of its name, blanks included.
#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QShortcut>

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
    items.push_back(ToBytes(list->itemText(i)));
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
    typed_.clear();
    return true;
  }
  const QString text = key->text();
  if (text.size() != 1 || !text[0].isPrint()) return false;
  const bool fresh =
      !typed_at_.isValid() ||
      typed_at_.elapsed() > QApplication::keyboardInputInterval();
  if (fresh) typed_.clear();
  // A blank that starts nothing keeps its usual meaning: open the list.
  if (text == " " && typed_.isEmpty()) return false;
  typed_at_.start();
  const std::vector<std::string> items = Items(list);
  int found = FindItemByPrefix(items, ToBytes(typed_ + text));
  if (found >= 0) {
    typed_ += text;
  } else {
    typed_ = text;
    found = FindItemByPrefix(items, ToBytes(typed_));
  }
  if (found >= 0) list->setCurrentIndex(found);
  return true;
}

}  // namespace vpa
