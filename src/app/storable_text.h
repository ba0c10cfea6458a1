// The row boxes' validator.
#ifndef VPA_APP_STORABLE_TEXT_H_
#define VPA_APP_STORABLE_TEXT_H_

#include <QEvent>
#include <QLineEdit>
#include <QValidator>
#include <string>

#include "form/entry_text.h"

namespace vpa {

// Keeps an entry to what the store can keep, by the form's rule: what a
// key, an input method, a paste or a drop brings is mapped to plain
// characters, or a "?" for one without a twin (then `StoodIn` follows the
// edit), and an empty paste is refused; `reason()` says why. It follows
// the box's selection and cursor, for a paste is told apart from the text
// around it by where the box stood before the edit.
class StorableText : public QValidator {
  Q_OBJECT

 public:
  explicit StorableText(QLineEdit* box);
  State validate(QString& input, int& cursor) const override;
  // What an input method commits is mapped before the box takes it, for
  // the box would show the commit as it came whatever the validator says;
  // a paste by key is taken here whole, so it is undone in one step and an
  // empty one never clears a selection.
  bool eventFilter(QObject* watched, QEvent* event) override;
  const std::string& reason() const { return reason_; }
  // The box's text as the last edit left it (the box may not show it yet
  // while it tells of a refusal).
  QString kept() const {
    return QString::fromUtf16(before_.text.data(),
                              qsizetype(before_.text.size()));
  }

 private:
  void Remember();
  bool InputMethod(QInputMethodEvent* im);
  bool Paste();

  QLineEdit* box_;
  BoxBefore before_;
  mutable std::string reason_;

 signals:
  // An edit was taken with a "?" standing for a character, told why.
  void StoodIn(const QString& reason) const;
};

}  // namespace vpa

#endif  // VPA_APP_STORABLE_TEXT_H_
