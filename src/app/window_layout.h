// The Qt form, built by walking the form's layout table: each entry becomes
// a widget named, placed and coloured as the table says. Nothing here
// carries behaviour.
#ifndef VPA_APP_WINDOW_LAYOUT_H_
#define VPA_APP_WINDOW_LAYOUT_H_

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <vector>

#include "form/fields.h"
#include "form/layout.h"
#include "form/maker.h"

namespace vpa {

// One entry row's controls, and the colours of its band.
struct RowControls {
  // The boxes and lists by field: QLineEdit for a text, QComboBox for a
  // list, as the field table has it.
  std::array<QWidget*, kRowFieldCount> fields = {};
  QPushButton* go = nullptr;
  QLabel* number = nullptr;  // the row label "1." .. "5."
  QPalette band;

  // The dimension boxes, in row order.
  std::vector<QLineEdit*> DimensionBoxes() const;
};

// The controls that behaviour touches. The labels, lines and pictures are
// found by name when needed.
struct FormControls {
  std::array<RowControls, kRowCount> rows;
  QComboBox* end = nullptr;  // BS

  // The box or list that holds the stored field.
  QWidget* Holding(const StoredField& field) const;
  QPushButton* help = nullptr;
  QPushButton* web = nullptr;
  QPushButton* exit = nullptr;
  QPlainTextEdit* instructions = nullptr;  // Text2
  QLineEdit* clipboard_carrier = nullptr;  // txtClipboard
};

// Builds every control of the form on `form`, which gets its fixed size,
// caption, icon and background.
FormControls BuildForm(QWidget* form, const Maker& maker);

// Shows `hint` as the control's pop-up hint and gives it to screen readers
// as its description, so the two never differ.
void ShowHint(QWidget* widget, const QString& hint);

// A colour of the form as Qt's; an invalid QColor for the toolkit's own.
QColor ColourOf(const Colour& colour);
// The table's alignment of a text as Qt's.
Qt::Alignment AlignmentOf(Align align);

}  // namespace vpa

#endif  // VPA_APP_WINDOW_LAYOUT_H_
