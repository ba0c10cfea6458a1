// Twips become pixels at 96 dpi here; Qt scales device-independent pixels
// to the screen itself. Widgets are made in table order, so later ones lie
// over earlier ones, and lists with the same items share one item model.
#include "app/window_layout.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <algorithm>
#include <limits>
#include <map>

#include "app/coloured_button.h"
#include "app/drawn_widgets.h"
#include "app/text_bytes.h"

namespace vpa {
namespace {

constexpr int kDpi = 96;

int Px(int twips) { return TwipsToPixels(twips, kDpi); }

QRect PlaceOf(const FormControl& control) {
  const TwipRect& p = control.place;
  return QRect(Px(p.left), Px(p.top), Px(p.width), Px(p.height));
}

}  // namespace

Qt::Alignment AlignmentOf(Align align) {
  switch (align) {
    case Align::kCentre:
      return Qt::AlignHCenter;
    case Align::kRight:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

QColor ColourOf(const Colour& colour) {
  switch (colour.source) {
    case Colour::Source::kRgb:
      return QColor(colour.red, colour.green, colour.blue);
    case Colour::Source::kWindowBackground:
      return QApplication::palette().color(QPalette::Base);
    case Colour::Source::kWindowText:
      return QApplication::palette().color(QPalette::Text);
    default:
      return QColor();
  }
}

QFont ArialBold(double points) {
  QFont font("Arial");
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPointSizeF(points);
  return font;
}

void ShowHint(QWidget* widget, const QString& hint) {
  widget->setToolTip(hint);
  widget->setAccessibleDescription(hint);
}

namespace {

bool IsSet(const Colour& colour) {
  return colour.source != Colour::Source::kDefault &&
         colour.source != Colour::Source::kTransparent;
}

QFont FontOf(const FormControl& control) {
  return control.points == 0 ? QApplication::font() : ArialBold(control.points);
}

QPalette PaletteOf(const FormControl& control) {
  QPalette palette = QApplication::palette();
  if (IsSet(control.background)) {
    for (QPalette::ColorRole role :
         {QPalette::Base, QPalette::Button, QPalette::Window}) {
      palette.setColor(role, ColourOf(control.background));
    }
  }
  if (IsSet(control.text)) {
    for (QPalette::ColorRole role :
         {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
      palette.setColor(role, ColourOf(control.text));
    }
  }
  return palette;
}

// The table's text boxes take CR LF line ends; Qt's take LF.
QString PlainText(const std::string& caption) {
  QString text = From1252(caption);
  text.replace("\r\n", "\n");
  if (text.endsWith('\n')) text.chop(1);
  return text;
}

QWidget* MakeLabel(QWidget* form, const FormControl& control) {
  QLabel* label = new QLabel(From1252(control.caption), form);
  label->setAlignment(AlignmentOf(control.align) | Qt::AlignTop);
  label->setAutoFillBackground(IsSet(control.background));
  label->setFont(FontOf(control));
  if (control.sized_to_text) {
    label->move(PlaceOf(control).topLeft());
    label->adjustSize();
  } else {
    // Arial's stand-in can run wider than Arial: a caption is never cut.
    QRect place = PlaceOf(control);
    place.setWidth(std::max(place.width(), label->sizeHint().width()));
    label->setGeometry(place);
  }
  return label;
}

QWidget* MakeButton(QWidget* form, const FormControl& control) {
  const QString caption = From1252(control.caption);
  QPushButton* button =
      IsSet(control.background)
          ? new ColouredButton(caption, ColourOf(control.background),
                               ColourOf(control.text), form)
          : new QPushButton(caption, form);
  button->setAutoDefault(false);
  return button;
}

QWidget* MakeInstructions(QWidget* form, const FormControl& control) {
  QPlainTextEdit* text = new QPlainTextEdit(form);
  text->setPlainText(PlainText(control.caption));
  text->setFrameShape(QFrame::NoFrame);
  text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->document()->setDocumentMargin(2);
  return text;
}

// A list whose pop-up is built when it first opens. QComboBox builds it
// (a frame, a view, scroll bars and their connections) at every change of
// palette, style or font; before it exists, such a change needs only a
// repaint, and the pop-up takes the list's looks when it is built.
class LazyPopupList : public QComboBox {
 public:
  using QComboBox::QComboBox;

 protected:
  void changeEvent(QEvent* event) override {
    const bool looks = event->type() == QEvent::PaletteChange ||
                       event->type() == QEvent::StyleChange ||
                       event->type() == QEvent::FontChange;
    if (looks && findChild<QAbstractItemView*>() == nullptr) {
      return QWidget::changeEvent(event);
    }
    QComboBox::changeEvent(event);
  }
};

// Lists with the same items share one model, made once.
using ItemModels = std::map<const std::string_view*, QStringListModel*>;

QWidget* MakeList(QWidget* form, const FormControl& control,
                  ItemModels& models) {
  QStringListModel*& model = models[control.items.data()];
  if (model == nullptr) {
    QStringList texts;
    for (std::string_view item : control.items) texts << From1252(item);
    model = new QStringListModel(texts, form);
  }
  QComboBox* list = new LazyPopupList(form);
  list->setModel(model);
  list->setCurrentIndex(-1);
  return list;
}

QWidget* MakeWidget(QWidget* form, const FormControl& control,
                    ItemModels& models) {
  switch (control.kind) {
    case ControlKind::kTextBox:
      return new QLineEdit(From1252(control.caption), form);
    case ControlKind::kMultiLineText:
      return MakeInstructions(form, control);
    case ControlKind::kList:
      return MakeList(form, control, models);
    case ControlKind::kButton:
      return MakeButton(form, control);
    case ControlKind::kLabel:
      return MakeLabel(form, control);
    case ControlKind::kPicture:
      return NewPicture(control.picture, form);
    case ControlKind::kLine: {
      const TwipRect& p = control.place;
      return NewLine(QLine(Px(p.left), Px(p.top), Px(p.left + p.width),
                           Px(p.top + p.height)),
                     ColourOf(control.text), form);
    }
    case ControlKind::kDot:
      return NewDot(PlaceOf(control), ColourOf(control.background), form);
  }
  return nullptr;
}

// Name, spoken name and hint, place, font, colours and focus, as the table
// gives them.
void ApplyDesign(QWidget* widget, const FormControl& control) {
  widget->setObjectName(From1252(control.name));
  if (!control.accessible_name.empty()) {
    widget->setAccessibleName(From1252(control.accessible_name));
  }
  if (!control.hint.empty()) ShowHint(widget, From1252(control.hint));
  if (control.kind == ControlKind::kLine || control.kind == ControlKind::kDot) {
    return;  // placed by their own geometry
  }
  if (control.kind != ControlKind::kLabel) {
    widget->setGeometry(PlaceOf(control));
  }
  // A control without a size of its own keeps the form's font: the only
  // one with text is the unseen clipboard carrier, and a face of its own
  // would be loaded for nothing.
  const QFont font = FontOf(control);
  if (control.points != 0 && widget->font() != font) widget->setFont(font);
  widget->setPalette(PaletteOf(control));
  const bool takes_text = control.kind == ControlKind::kTextBox ||
                          control.kind == ControlKind::kMultiLineText;
  if (takes_text && control.tab < 0) widget->setFocusPolicy(Qt::ClickFocus);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    box->setReadOnly(control.read_only);
    // Entries of any length.
    if (control.role == Role::kField) {
      box->setMaxLength(std::numeric_limits<int>::max());
    }
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
    text->setReadOnly(control.read_only);
  }
}

// On Linux Qt gives a list's current item as its name, and screen readers
// name it by the label that points at it: here one never shown.
void LabelList(QWidget* form, QWidget* list, const FormControl& control) {
  if (control.kind != ControlKind::kList || control.accessible_name.empty()) {
    return;
  }
  QLabel* label = new QLabel(From1252(control.accessible_name), form);
  label->setBuddy(list);
  label->adjustSize();
  label->hide();
}

void SetTabOrder(std::map<int, QWidget*> chain) {
  QWidget* previous = nullptr;
  for (const auto& [tab, widget] : chain) {
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

void ApplyFormDesign(QWidget* form) {
  form->setObjectName(kFormName);
  form->setWindowTitle(kFormCaption);
  form->setWindowIcon(PictureIcon(kFormIcon));
  form->setWindowFlags(Qt::Window | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint);
  form->setFixedSize(Px(kClientWidthTwips), Px(kClientHeightTwips));
  QPalette palette = form->palette();
  palette.setColor(QPalette::Window, ColourOf(kFormBackground));
  form->setPalette(palette);
  form->setAutoFillBackground(true);
}

}  // namespace

void BuildForm(QWidget* form, const std::vector<FormControl>& layout) {
  ApplyFormDesign(form);
  // The form takes the lists' font, so most controls need none of their own.
  auto list = std::find_if(layout.begin(), layout.end(), [](const auto& c) {
    return c.kind == ControlKind::kList;
  });
  if (list != layout.end()) form->setFont(FontOf(*list));
  ItemModels models;
  std::map<int, QWidget*> tab_chain;
  for (const FormControl& control : layout) {
    QWidget* widget = MakeWidget(form, control, models);
    ApplyDesign(widget, control);
    LabelList(form, widget, control);
    if (control.tab >= 0) tab_chain[control.tab] = widget;
  }
  SetTabOrder(std::move(tab_chain));
}

}  // namespace vpa
