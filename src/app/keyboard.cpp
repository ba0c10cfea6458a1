// The keys and the focus go to the form's controller, which answers as
// Windows does (Enter presses the focused button, Delete clears a list's
// choice, typing in a closed list finds an item); F1 opens the help page.
#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QShortcut>
#include <chrono>

#include "app/drawn_widgets.h"
#include "app/main_window.h"
#include "app/text_bytes.h"
#include "form/fields.h"

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

FormKey KeyOf(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return FormKey::kEnter;
    case Qt::Key_Space:
      return FormKey::kSpace;
    case Qt::Key_Delete:
      return key.modifiers() == Qt::NoModifier ? FormKey::kDelete
                                               : FormKey::kOther;
    default:
      return FormKey::kOther;
  }
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
  for (const StoredField& field : StoredFields()) {
    if (field.items.empty()) Box(field.control)->installEventFilter(this);
  }
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [this] { controller_.Help(); });
  focus_mark_ = NewFocusMark(this);
  connect(
      qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        const bool ours = now != nullptr && now->parentWidget() == this;
        controller_.Focused(ours ? To1252(now->objectName()) : std::string());
      });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const std::string name = To1252(watched->objectName());
  if (event->type() == QEvent::FocusOut) {
    controller_.FocusLeft(name);
  } else if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (controller_.Key(KeyOf(*key), name, key->isAutoRepeat())) return true;
    if (auto* list = qobject_cast<QComboBox*>(watched)) {
      return ListKey(list, key);
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool MainWindow::ListKey(QComboBox* list, QKeyEvent* key) {
  const QString text = key->text();
  if (text.size() != 1 || !text[0].isPrint()) return false;
  const int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now().time_since_epoch())
                          .count();
  return controller_.TypeInList(To1252(list->objectName()), To1252(text), now,
                                QApplication::keyboardInputInterval());
}

}  // namespace vpa
