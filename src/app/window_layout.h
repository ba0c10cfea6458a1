// The Qt form, built by walking the form's layout table: each entry becomes
// a widget named, placed and coloured as the table says. Nothing here
// carries behaviour.
#ifndef VPA_APP_WINDOW_LAYOUT_H_
#define VPA_APP_WINDOW_LAYOUT_H_

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <vector>

#include "form/layout.h"

namespace vpa {

// Builds every control of `layout` on `form`, which gets its fixed size,
// caption, icon and background.
void BuildForm(QWidget* form, const std::vector<FormControl>& layout);

// Shows `hint` as the control's pop-up hint and gives it to screen readers
// as its description, so the two never differ.
void ShowHint(QWidget* widget, const QString& hint);

// The form's font: Arial bold (or its stand-in) at `points`.
QFont ArialBold(double points);
// A colour of the form as Qt's; an invalid QColor for the toolkit's own.
QColor ColourOf(const Colour& colour);
// The table's alignment of a text as Qt's.
Qt::Alignment AlignmentOf(Align align);

}  // namespace vpa

#endif  // VPA_APP_WINDOW_LAYOUT_H_
