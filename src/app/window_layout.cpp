// Places are twips converted to pixels once, here; everything else in the
// window works in pixels. Controls are made in back-to-front order, so the
// diagram's lines, dots and labels lie over the picture.
#include "app/window_layout.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStringList>
#include <QSvgRenderer>

#include "app/drawn_widgets.h"
#include "app/text_bytes.h"
#include "form/web_address.h"

namespace vpa {
namespace {

// 15 twips make a pixel; half pixels round up.
constexpr int Px(int twips) { return (2 * twips + 15) / 30; }

QRect Twips(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

QColor Slate() { return QColor(107, 136, 158); }
QColor Navy() { return QColor(0, 0, 128); }
// The system's own colours for the inside of a text box and its text.
QColor WindowBackground() {
  return QApplication::palette().color(QPalette::Base);
}
QColor WindowText() { return QApplication::palette().color(QPalette::Text); }

QFont ArialBold(double points) {
  QFont font("Arial");
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPointSizeF(points);
  return font;
}

template <typename Widget>
Widget* Named(Widget* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

QPalette Colours(QPalette palette, const QColor& background,
                 const QColor& text) {
  for (QPalette::ColorRole role :
       {QPalette::Base, QPalette::Button, QPalette::Window}) {
    palette.setColor(role, background);
  }
  for (QPalette::ColorRole role :
       {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
    palette.setColor(role, text);
  }
  return palette;
}

// Rows 1, 3 and 5 are pale blue with navy text, row 2 nearly white, row 4 in
// the system's text-box colours.
QPalette BandPalette(int row) {
  QPalette palette = QApplication::palette();
  switch (row) {
    case 2:
      return Colours(palette, QColor(248, 250, 252), WindowText());
    case 4:
      return Colours(palette, WindowBackground(), WindowText());
    default:
      return Colours(palette, QColor(228, 237, 243), Navy());
  }
}

// White text on the form's background, sized to its text.
QLabel* WhiteLabel(QWidget* form, const QString& name, const QString& text,
                   double points, QPoint at) {
  QLabel* label = Named(new QLabel(text, form), name);
  label->setFont(ArialBold(points));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(palette);
  label->move(at);
  label->adjustSize();
  return label;
}

// A navy letter on an opaque box, over the diagram.
void LetterLabel(QWidget* form, const QString& name, const QString& text,
                 const QRect& place,
                 Qt::Alignment alignment = Qt::AlignHCenter) {
  QLabel* label = Named(new QLabel(text, form), name);
  label->setFont(ArialBold(11.25));
  label->setPalette(Colours(label->palette(), WindowBackground(), Navy()));
  label->setAutoFillBackground(true);
  label->setAlignment(alignment | Qt::AlignTop);
  label->setGeometry(place);
}

QPushButton* Button(QWidget* form, const QString& name, const QString& text,
                    const QRect& place, double points) {
  QPushButton* button = Named(new QPushButton(text, form), name);
  button->setFont(ArialBold(points));
  button->setGeometry(place);
  button->setAutoDefault(false);
  return button;
}

QLineEdit* RowBox(QWidget* form, const QString& name, int left, int width,
                  int top, const QPalette& band) {
  QLineEdit* box = Named(new QLineEdit(form), name);
  box->setFont(ArialBold(9));
  box->setPalette(band);
  box->setGeometry(Twips(left, top, width, 345));
  return box;
}

QComboBox* RowList(QWidget* form, const QString& name, int left, int width,
                   int top, const QPalette& band) {
  QComboBox* list = Named(new QComboBox(form), name);
  list->setFont(ArialBold(9));
  list->setPalette(band);
  list->setGeometry(Twips(left, top, width, 345));
  return list;
}

QIcon PictureIcon(const QString& resource) {
  QSvgRenderer renderer(resource);
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

void BuildDiagram(QWidget* form) {
  Named(new PictureWidget(":/pictures/diagram.svg", form), "Image1")
      ->setGeometry(Twips(120, 120, 8085, 8670));
  // The letters cover the ends of the leader lines.
  Named(new LineWidget(QLine(Px(1440), Px(2490), Px(960), Px(1995)), Navy(),
                       form),
        "Line1");
  Named(new LineWidget(QLine(Px(6240), Px(5280), Px(6560), Px(4440)), Navy(),
                       form),
        "Line2");
  const QColor pale_yellow(255, 255, 192);
  Named(new DotWidget(Twips(1440, 2400, 150, 255), pale_yellow, form),
        "Shape1");
  Named(new DotWidget(Twips(6480, 4320, 150, 255), pale_yellow, form),
        "Shape2");
  LetterLabel(form, "Label1", "V1", Twips(6960, 5435, 615, 255));
  LetterLabel(form, "Label2", "H", Twips(6120, 5435, 615, 255));
  LetterLabel(form, "Label3", "H", Twips(1680, 5435, 255, 255));
  LetterLabel(form, "Label4", "V1", Twips(720, 5435, 615, 255));
  LetterLabel(form, "Label5", "V2", Twips(7080, 6840, 615, 255));
  LetterLabel(form, "Label6", "V2", Twips(600, 6840, 615, 255));
  LetterLabel(form, "Label7", "OSL", Twips(600, 1920, 615, 255));
  LetterLabel(form, "Label8", "OSL", Twips(5880, 4965, 615, 375));
  LetterLabel(form, "Label12", "L", Twips(960, 7680, 255, 255), Qt::AlignRight);
  LetterLabel(form, "Label13", "L", Twips(7080, 7680, 255, 255), Qt::AlignLeft);
}

void BuildUpperRight(QWidget* form, const Maker& maker,
                     FormControls& controls) {
  Named(new PictureWidget(":/pictures/logo.svg", form), "Image2")
      ->setGeometry(Twips(10800, 360, 3840, 2460));

  controls.web =
      Button(form, "CmdWeb", FromBytes(SiteCaption(maker.web_address)),
             Twips(11160, 3000, 2895, 585), 11.25);
  controls.web->setToolTip(FromBytes(maker.web_address).trimmed());
  controls.web->setStyleSheet(
      "QPushButton { background-color: rgb(107, 136, 158); color: white;"
      " border: 1px solid white; text-decoration: underline; }"
      "QPushButton:hover { background-color: rgb(122, 152, 175); }"
      "QPushButton:pressed { background-color: rgb(90, 116, 136); }");

  QPlainTextEdit* text = Named(new QPlainTextEdit(form), "Text2");
  QStringList lines;
  for (const std::string& line : InstructionLines(maker.support_email)) {
    lines << FromBytes(line);
  }
  text->setPlainText(lines.join('\n'));
  text->setFont(ArialBold(9.75));
  text->setPalette(Colours(text->palette(), Slate(), Qt::white));
  text->setReadOnly(true);
  text->setFrameShape(QFrame::NoFrame);
  text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setFocusPolicy(Qt::ClickFocus);
  text->document()->setDocumentMargin(2);
  text->setGeometry(Twips(9000, 3840, 7305, 1305));
  controls.instructions = text;
}

void BuildHeadings(QWidget* form) {
  const struct {
    const char* name;
    const char* text;
    int left;
  } headings[] = {{"Label16", "H", 8880},     {"Label14", "V1", 9720},
                  {"Label15", "V2", 10560},   {"Label11", "MATERIAL", 11640},
                  {"Label17", "L", 13440},    {"Label9", "OSL", 14280},
                  {"Label18", "Pairs", 15240}};
  for (const auto& heading : headings) {
    WhiteLabel(form, heading.name, heading.text, 11.25,
               QPoint(Px(heading.left), Px(5310)));
  }
  Named(new LineWidget(QLine(Px(8400), Px(5280), Px(15840), Px(5280)), Navy(),
                       form),
        "Line3");
  Named(new LineWidget(QLine(Px(8400), Px(5580), Px(15840), Px(5580)), Navy(),
                       form),
        "Line4");
}

RowControls BuildRow(QWidget* form, int row) {
  static const char* const kRowLabels[kRowCount] = {
      "Label19", "Label22", "Label21", "Label20", "Label23"};
  static const int kButtonTops[kRowCount] = {5625, 6105, 6570, 7035, 7515};
  const int top = 5640 + 480 * (row - 1);
  const QString n = QString::number(row);

  RowControls controls;
  controls.number = WhiteLabel(form, kRowLabels[row - 1], n + ".", 9.75,
                               QPoint(Px(8400), Px(top)));
  controls.band = BandPalette(row);
  const QPalette& band = controls.band;
  controls.h = RowBox(form, "zzH" + n, 8640, 830, top, band);
  controls.v1 = RowBox(form, "zzV" + n, 9480, 830, top, band);
  controls.v2 = RowBox(form, "zzW" + n, 10320, 830, top, band);
  controls.section = RowList(form, "MAT" + n, 11160, 1935, top, band);
  controls.l = RowBox(form, "zzL" + n, 13200, 830, top, band);
  controls.leg = RowList(form, "OSL" + n, 14040, 975, top, band);
  controls.pair = RowList(form, "Pair" + n, 15120, 735, top, band);
  controls.go = Button(form, "Go" + n, "Run!",
                       Twips(15960, kButtonTops[row - 1], 855, 460), 9.75);
  return controls;
}

void BuildBottomBar(QWidget* form, FormControls& controls) {
  QLabel* caption =
      WhiteLabel(form, "Label10", "ADD ANGLES TO:", 11.25, QPoint());
  caption->setGeometry(Twips(9120, 8085, 1890, 270));
  // Arial's stand-in runs two pixels wider; the colon must not be cut.
  caption->resize(std::max(caption->width(), caption->sizeHint().width()),
                  caption->height());
  controls.end = Named(new QComboBox(form), "BS");
  controls.end->setFont(ArialBold(9.75));
  controls.end->setPalette(QApplication::palette());
  controls.end->setGeometry(Twips(11160, 8040, 1935, 360));
  controls.help =
      Button(form, "CmdHelp", "Help", Twips(13920, 8040, 1455, 735), 11.25);
  controls.exit =
      Button(form, "CmdExit", "Exit", Twips(15360, 8040, 1455, 735), 11.25);
}

// Out of sight below the client area, yet visible and enabled, so that it
// can take the focus and hand its text to the clipboard.
QLineEdit* BuildClipboardCarrier(QWidget* form) {
  QLineEdit* carrier = Named(new QLineEdit(form), "txtClipboard");
  carrier->setFont(QApplication::font());
  QPalette palette = QApplication::palette();
  palette.setColor(QPalette::Text, Qt::white);
  carrier->setPalette(palette);
  carrier->setFocusPolicy(Qt::ClickFocus);
  // Only the program sets its text; keys and pastes never change the path.
  carrier->setReadOnly(true);
  carrier->setGeometry(Twips(120, 9000, 150, 285));
  return carrier;
}

// Along each row, row after row, then the bottom bar and the web button.
void SetTabOrder(const FormControls& controls) {
  QList<QWidget*> chain;
  for (const RowControls& row : controls.rows) {
    chain << row.h << row.v1 << row.v2 << row.section << row.l << row.leg
          << row.pair << row.go;
  }
  chain << controls.end << controls.help << controls.exit << controls.web;
  for (int i = 1; i < chain.size(); ++i) {
    QWidget::setTabOrder(chain[i - 1], chain[i]);
  }
}

}  // namespace

FormControls BuildForm(QWidget* form, const Maker& maker) {
  form->setObjectName("Form1");
  form->setWindowTitle(kFormCaption);
  form->setWindowIcon(PictureIcon(":/pictures/icon.svg"));
  form->setWindowFlags(Qt::Window | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint);
  form->setFixedSize(kClientWidth, kClientHeight);
  form->setFont(ArialBold(9.75));
  QPalette palette = form->palette();
  palette.setColor(QPalette::Window, Slate());
  form->setPalette(palette);
  form->setAutoFillBackground(true);

  FormControls controls;
  BuildDiagram(form);
  BuildUpperRight(form, maker, controls);
  BuildHeadings(form);
  for (int row = 1; row <= kRowCount; ++row) {
    controls.rows[row - 1] = BuildRow(form, row);
  }
  BuildBottomBar(form, controls);
  controls.clipboard_carrier = BuildClipboardCarrier(form);
  SetTabOrder(controls);
  return controls;
}

}  // namespace vpa
