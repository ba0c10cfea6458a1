// The table is written in the order the form is drawn: the diagram and its
// marks, the upper right zone, the headings, the five rows, the bottom bar,
// then the controls nobody sees. Rows share one column table.
#include "form/layout.h"

#include <array>

#include "base/text.h"
#include "catalogue/angle_catalogue.h"
#include "form/fields.h"
#include "form/picture_places.h"
#include "form/row_feedback.h"
#include "form/web_address.h"
#include "staging/row_entries.h"

namespace vpa {
namespace {

constexpr Colour kPaleBlue = Rgb(228, 237, 243);
constexpr Colour kNearWhite = Rgb(248, 250, 252);
constexpr Colour kPaleYellow = Rgb(255, 255, 192);
constexpr Colour kTransparent{Colour::Source::kTransparent};
constexpr Colour kSystemBackground{Colour::Source::kWindowBackground};
constexpr Colour kSystemText{Colour::Source::kWindowText};

// Tab runs along each row, row after row, then the bottom bar and the web
// button.
constexpr int kTabsPerRow = 8;
constexpr int kFirstBarTab = kTabsPerRow * kRowCount;

FormControl Control(std::string name, ControlKind kind, TwipRect place) {
  FormControl control;
  control.name = std::move(name);
  control.kind = kind;
  control.place = place;
  return control;
}

// White text on the form, sized to its text.
FormControl WhiteLabel(std::string name, std::string caption, double points,
                       TwipRect place) {
  FormControl label = Control(std::move(name), ControlKind::kLabel, place);
  label.caption = std::move(caption);
  label.points = points;
  label.text = kWhite;
  label.background = kTransparent;
  label.sized_to_text = true;
  return label;
}

// A navy letter on an opaque box over the diagram.
FormControl Letter(std::string name, std::string caption, TwipRect place,
                   Align align = Align::kCentre) {
  FormControl label = Control(std::move(name), ControlKind::kLabel, place);
  label.caption = std::move(caption);
  label.points = 11.25;
  label.text = kNavy;
  label.background = kSystemBackground;
  label.align = align;
  return label;
}

FormControl Line(std::string name, int x1, int y1, int x2, int y2) {
  FormControl line =
      Control(std::move(name), ControlKind::kLine, {x1, y1, x2 - x1, y2 - y1});
  line.text = kNavy;
  return line;
}

FormControl Dot(std::string name, int left, int top) {
  FormControl dot =
      Control(std::move(name), ControlKind::kDot, {left, top, 150, 255});
  dot.background = kPaleYellow;
  return dot;
}

FormControl Button(std::string name, Role role, std::string caption,
                   TwipRect place, double points) {
  FormControl button = Control(std::move(name), ControlKind::kButton, place);
  button.role = role;
  button.caption = std::move(caption);
  button.points = points;
  return button;
}

void AddDiagram(std::vector<FormControl>& form) {
  FormControl picture = Control("Image1", ControlKind::kPicture, kDiagramPlace);
  picture.picture = "diagram";
  form.push_back(picture);
  form.push_back(Line("Line1", 1440, 2490, 960, 1995));
  form.push_back(Line("Line2", 6240, 5280, 6560, 4440));
  form.push_back(Dot("Shape1", 1440, 2400));
  form.push_back(Dot("Shape2", 6480, 4320));
  // The letters cover the ends of the leader lines.
  form.push_back(Letter("Label1", "V1", {6960, 5435, 615, 255}));
  form.push_back(Letter("Label2", "H", {6120, 5435, 615, 255}));
  form.push_back(Letter("Label3", "H", {1680, 5435, 255, 255}));
  form.push_back(Letter("Label4", "V1", {720, 5435, 615, 255}));
  form.push_back(Letter("Label5", "V2", {7080, 6840, 615, 255}));
  form.push_back(Letter("Label6", "V2", {600, 6840, 615, 255}));
  form.push_back(Letter("Label7", "OSL", {600, 1920, 615, 255}));
  form.push_back(Letter("Label8", "OSL", {5880, 4965, 615, 375}));
  form.push_back(Letter("Label12", "L", {960, 7680, 255, 255}, Align::kRight));
  form.push_back(Letter("Label13", "L", {7080, 7680, 255, 255}, Align::kLeft));
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

void AddUpperRight(std::vector<FormControl>& form, const Maker& maker) {
  FormControl logo = Control("Image2", ControlKind::kPicture, kLogoPlace);
  logo.picture = "logo";
  form.push_back(logo);

  FormControl web = Button("CmdWeb", Role::kWeb, SiteCaption(maker.web_address),
                           {11160, 3000, 2895, 585}, 11.25);
  web.background = kSlate;
  web.text = kWhite;
  web.hint = std::string(TrimSpaces(maker.web_address));
  web.tab = kFirstBarTab + 3;
  form.push_back(web);

  FormControl text =
      Control("Text2", ControlKind::kMultiLineText, {9000, 3840, 7305, 1305});
  text.role = Role::kInstructions;
  text.caption = JoinLines(InstructionLines(maker.support_email));
  text.points = 9.75;
  text.background = kSlate;
  text.text = kWhite;
  text.read_only = true;
  form.push_back(text);
}

void AddHeadings(std::vector<FormControl>& form) {
  // The captions are the ones a refusal names its field by.
  const struct {
    const char* name;
    RowField field;
    int left;
  } headings[] = {{"Label16", RowField::kH, 8880},
                  {"Label14", RowField::kV1, 9720},
                  {"Label15", RowField::kV2, 10560},
                  {"Label11", RowField::kSection, 11640},
                  {"Label17", RowField::kL, 13440},
                  {"Label9", RowField::kLeg, 14280},
                  {"Label18", RowField::kPair, 15240}};
  for (const auto& heading : headings) {
    form.push_back(WhiteLabel(heading.name,
                              std::string(FieldCaption(heading.field)), 11.25,
                              {heading.left, 5310, 0, 270}));
  }
  form.push_back(Line("Line3", 8400, 5280, 15840, 5280));
  form.push_back(Line("Line4", 8400, 5580, 15840, 5580));
}

// Rows 1, 3 and 5 are pale blue with navy text, row 2 nearly white, row 4
// in the system's text-box colours.
void Band(FormControl& control, int row) {
  control.background = row == 2   ? kNearWhite
                       : row == 4 ? kSystemBackground
                                  : kPaleBlue;
  control.text = row % 2 == 1 ? kNavy : kSystemText;
}

// The row's columns in their order on the form; names, items and kinds
// come from the field table.
struct Column {
  RowField field;
  int left;
  int width;
};
const Column kColumns[] = {
    {RowField::kH, 8640, 830},     {RowField::kV1, 9480, 830},
    {RowField::kV2, 10320, 830},   {RowField::kSection, 11160, 1935},
    {RowField::kL, 13200, 830},    {RowField::kLeg, 14040, 975},
    {RowField::kPair, 15120, 735},
};
constexpr int kColumnCount = std::size(kColumns);
static_assert(kColumnCount + 1 == kTabsPerRow);

void AddRow(std::vector<FormControl>& form, int row) {
  static constexpr std::array<const char*, kRowCount> kRowLabels = {
      "Label19", "Label22", "Label21", "Label20", "Label23"};
  static constexpr std::array<int, kRowCount> kButtonTops = {5625, 6105, 6570,
                                                             7035, 7515};
  const int top = 5640 + 480 * (row - 1);
  const std::string n = std::to_string(row);
  const int first_tab = kTabsPerRow * (row - 1);

  FormControl number =
      WhiteLabel(kRowLabels[row - 1], n + ".", 9.75, {8400, top, 165, 240});
  number.role = Role::kRowNumber;
  number.row = row;
  form.push_back(number);
  for (int i = 0; i < kColumnCount; ++i) {
    const Column& column = kColumns[i];
    const FieldColumn& stored = ColumnOf(column.field);
    FormControl control = Control(
        ControlName(row, column.field),
        stored.items.empty() ? ControlKind::kTextBox : ControlKind::kList,
        {column.left, top, column.width, 345});
    control.role = Role::kField;
    control.field = column.field;
    control.row = row;
    control.points = 9;
    control.items = stored.items;
    control.tab = first_tab + i;
    Band(control, row);
    form.push_back(control);
  }
  FormControl go = Button("Go" + n, Role::kRun, "Run!",
                          {15960, kButtonTops[row - 1], 855, 460}, 9.75);
  go.row = row;
  go.hint = RunTooltip(row);
  go.tab = first_tab + kColumnCount;
  form.push_back(go);
}

void AddBottomBar(std::vector<FormControl>& form) {
  FormControl caption =
      WhiteLabel("Label10", std::string(FieldCaption(RowField::kEnd)) + ":",
                 11.25, {9120, 8085, 1890, 270});
  caption.sized_to_text = false;
  form.push_back(caption);

  const FieldColumn& stored = ColumnOf(RowField::kEnd);
  FormControl end = Control(ControlName(0, RowField::kEnd), ControlKind::kList,
                            {11160, 8040, 1935, 360});
  end.role = Role::kField;
  end.field = RowField::kEnd;
  end.points = 9.75;
  end.items = stored.items;
  end.tab = kFirstBarTab;
  form.push_back(end);
  FormControl help =
      Button("CmdHelp", Role::kHelp, "Help", {13920, 8040, 1455, 735}, 11.25);
  help.tab = kFirstBarTab + 1;
  form.push_back(help);
  FormControl exit =
      Button("CmdExit", Role::kExit, "Exit", {15360, 8040, 1455, 735}, 11.25);
  exit.tab = kFirstBarTab + 2;
  form.push_back(exit);
}

// The clipboard carrier lies below the client area, visible and enabled, so
// it can take the focus.
void AddUnseen(std::vector<FormControl>& form) {
  FormControl carrier =
      Control("txtClipboard", ControlKind::kTextBox, {120, 9000, 150, 285});
  carrier.role = Role::kClipboard;
  carrier.text = kWhite;
  // Only the program sets its text; keys and pastes never change the path.
  carrier.read_only = true;
  form.push_back(carrier);
}

// A row's controls are named by the row and the column's caption in words,
// so a detailer who cannot see the headings hears "Row 2, material"; the
// bar's controls by their legends or their use.
std::string WordsFor(const FormControl& control) {
  switch (control.role) {
    case Role::kField:
      return std::string(ColumnOf(control.field).spoken);
    case Role::kRun:
      return "Run";
    case Role::kHelp:
    case Role::kExit:
      return control.caption;
    case Role::kWeb:
      return "Web site";
    case Role::kInstructions:
      return "Instructions";
    case Role::kClipboard:
      return "Macro path";
    default:
      return "";
  }
}

std::string AccessibleName(const FormControl& control) {
  std::string words = WordsFor(control);
  if (words.empty() || control.row == 0) return words;
  return "Row " + std::to_string(control.row) + ", " + words;
}

}  // namespace

std::vector<std::string> InstructionLines(std::string_view support_email) {
  std::vector<std::string> lines = {
      "1. Click on 'Run' button.",
      "2. In SDS/2 'Run macro'; Press Ctrl+V- Enter in 'Open' dialog window",
      "3. Click each beam; right click when done.",
      "Use SDS/2 format of numbers (1.5 or 1 1/2 or 1-0 1/2)"};
  std::string_view email = TrimSpaces(support_email);
  if (!email.empty()) lines.push_back("Support: " + std::string(email));
  return lines;
}

std::vector<FormControl> FormLayout(const Maker& maker) {
  std::vector<FormControl> form;
  form.reserve(90);
  AddDiagram(form);
  AddUpperRight(form, maker);
  AddHeadings(form);
  for (int row = 1; row <= kRowCount; ++row) AddRow(form, row);
  AddBottomBar(form);
  AddUnseen(form);
  for (FormControl& control : form) {
    control.accessible_name = AccessibleName(control);
  }
  return form;
}

int FittingDpi(int dpi, int frame_width, int frame_height, int work_width,
               int work_height) {
  for (int fitting = dpi; fitting > kSmallestFormDpi; --fitting) {
    if (TwipsToPixels(kClientWidthTwips, fitting) + frame_width <= work_width &&
        TwipsToPixels(kClientHeightTwips, fitting) + frame_height <=
            work_height) {
      return fitting;
    }
  }
  return kSmallestFormDpi;
}

}  // namespace vpa
