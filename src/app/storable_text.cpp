// The boxes' validator: the form's rule for what an edit may bring.
#include "app/storable_text.h"

#include <QCoreApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace vpa {
namespace {

std::u16string_view Units(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())};
}

}  // namespace

StorableText::StorableText(QLineEdit* box) : QValidator(box), box_(box) {
  connect(box, &QLineEdit::cursorPositionChanged, this,
          &StorableText::Remember);
  connect(box, &QLineEdit::selectionChanged, this, &StorableText::Remember);
  connect(box, &QLineEdit::textChanged, this, &StorableText::Remember);
  box->installEventFilter(this);
  Remember();
}

bool StorableText::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_) return false;
  if (event->type() == QEvent::InputMethod) {
    return InputMethod(static_cast<QInputMethodEvent*>(event));
  }
  const bool paste =
      event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste);
  return paste && !box_->isReadOnly() && Paste();
}

bool StorableText::Paste() {
  const BroughtText brought =
      Bring(Units(QGuiApplication::clipboard()->text()), true);
  if (brought.refusal.empty()) {
    box_->insert(
        QString::fromUtf16(brought.text.data(), qsizetype(brought.text.size())));
  }
  const std::string told = brought.refusal + brought.note;
  if (!told.empty()) emit StoodIn(QString::fromStdString(told));
  return true;
}

bool StorableText::InputMethod(QInputMethodEvent* im) {
  const QString commit = im->commitString();
  if (commit.isEmpty()) return false;
  const BroughtText brought = Bring(Units(commit));
  const QString mapped =
      QString::fromUtf16(brought.text.data(), qsizetype(brought.text.size()));
  if (mapped == commit) return false;
  QInputMethodEvent taken(im->preeditString(), im->attributes());
  taken.setCommitString(mapped, im->replacementStart(),
                        im->replacementLength());
  box_->removeEventFilter(this);
  QCoreApplication::sendEvent(box_, &taken);
  box_->installEventFilter(this);
  const std::string told = brought.refusal + brought.note;
  if (!told.empty()) emit StoodIn(QString::fromStdString(told));
  return true;
}

// Where the box stands between edits: the text the next edit starts from,
// and the part of it a paste or a key replaces.
void StorableText::Remember() {
  before_.text = std::u16string(Units(box_->text()));
  if (box_->hasSelectedText()) {
    before_.start = size_t(box_->selectionStart());
    before_.end = size_t(box_->selectionEnd());
  } else {
    before_.start = before_.end = size_t(box_->cursorPosition());
  }
}

QValidator::State StorableText::validate(QString& input, int& cursor) const {
  EditedEntry edited = AfterEdit(before_, Units(input), size_t(cursor));
  reason_ = edited.refusal.empty() ? edited.note : edited.refusal;
  if (!edited.refusal.empty()) return Invalid;
  input = QString::fromUtf16(edited.text.data(), qsizetype(edited.text.size()));
  cursor = int(edited.cursor);
  // Told once the box shows the edit, so its reading does not cover this.
  if (!edited.note.empty()) emit StoodIn(QString::fromStdString(edited.note));
  return Acceptable;
}

}  // namespace vpa
