// The form as data: every control with its name, kind, place and size in
// twips, font, colours, caption or picture and tab position. Both windows
// build themselves by walking this table; neither places a control itself.
#ifndef VPA_FORM_LAYOUT_H_
#define VPA_FORM_LAYOUT_H_

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/maker.h"
#include "staging/row_entries.h"

namespace vpa {

inline constexpr int kRowCount = 5;

// 1440 twips make an inch.
inline constexpr int kTwipsPerInch = 1440;

// Twips as pixels at `dpi` dots per inch, half pixels rounded away from
// zero (15 twips make a pixel at 96 dpi).
constexpr int TwipsToPixels(int twips, int dpi) {
  const int doubled = 2 * (twips < 0 ? -twips : twips) * dpi;
  const int pixels = (doubled + kTwipsPerInch) / (2 * kTwipsPerInch);
  return twips < 0 ? -pixels : pixels;
}

// A colour of the form: a fixed RGB, one of the user's system colours, the
// toolkit's own (kDefault), or none at all (kTransparent).
struct Colour {
  enum class Source : std::uint8_t {
    kDefault,
    kRgb,
    kWindowBackground,  // the inside of a text box
    kWindowText,
    kTransparent,
  };
  Source source = Source::kDefault;
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const Colour&, const Colour&) = default;
};

constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return {Colour::Source::kRgb, red, green, blue};
}
inline constexpr Colour kSlate = Rgb(107, 136, 158);
inline constexpr Colour kNavy = Rgb(0, 0, 128);
inline constexpr Colour kWhite = Rgb(255, 255, 255);

enum class ControlKind {
  kTextBox,        // one line of text
  kMultiLineText,  // the instruction text
  kList,           // a select-only drop-down list
  kButton,         // a command button with a picture or legend
  kLabel,
  kPicture,
  kLine,  // from (left, top) to (left + width, top + height)
  kDot,   // a filled circle in its box
};

// What behaviour does with a control; the windows find their controls by it.
enum class Role {
  kNone,   // passive: labels, pictures, lines, dots
  kField,  // a stored field's box or list: a row's entry, or BS
  kRun,
  kRowNumber,  // the row's label "1." .. "5."
  kHelp,
  kWeb,
  kExit,
  kInstructions,
  kClipboard,
};

enum class Align { kLeft, kCentre, kRight };

// A place in twips from the client area's top-left corner.
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

struct FormControl {
  std::string name;  // the control's object name
  ControlKind kind = ControlKind::kLabel;
  Role role = Role::kNone;
  RowField field = RowField::kH;  // the field a kField control holds
  int row = 0;                    // 1 to 5 for an entry row's controls, else 0
  TwipRect place;
  double points = 0;  // Arial bold at this size; 0: the toolkit's own font
  Colour background;
  Colour text;
  std::string caption;  // a label's or button's text, a text box's content
  std::string picture;  // a picture of data/ without extension, or empty
  std::string hint;     // the pop-up hint, or empty
  // What a screen reader calls the control ("Row 2, material"); empty for
  // what only shows. Its description is the hint.
  std::string accessible_name;
  Align align = Align::kLeft;
  bool sized_to_text = false;  // the width (and height) follow the caption
  bool read_only = false;      // a text box only the program writes to
  int tab = -1;  // place in the keyboard's tab order; -1: not a tab stop
  std::span<const std::string_view> items;  // a list's fixed items, in order
};

// The window itself.
inline constexpr char kFormName[] = "Form1";
inline constexpr char kFormCaption[] = "SDS/2 Macro. Vertical Plain Angles";
inline constexpr int kClientWidthTwips = 16965;
inline constexpr int kClientHeightTwips = 8910;
inline constexpr Colour kFormBackground = kSlate;
inline constexpr char kFormIcon[] = "icon";

// The frame around the focused control, in both windows: orange stands out
// on the slate and on every row band; 2 px at 96 dpi, never thinner.
inline constexpr Colour kFocusMarkColour = Rgb(255, 120, 0);
constexpr int FocusMarkWidth(int dpi) {
  const int width = (2 * 2 * dpi + 96) / (2 * 96);
  return width < 2 ? 2 : width;
}

// The row number of the row that wrote the current macro stands out from
// the white labels; a box whose entry a Run would refuse shows it in red.
inline constexpr Colour kMarkColour = Rgb(255, 214, 0);
inline constexpr Colour kRefusalColour = Rgb(204, 0, 0);

// The dpi at which a window draws the form on a screen: `dpi`, or where the
// client area with a frame of `frame_width` x `frame_height` pixels would
// not fit a work area of `work_width` x `work_height`, the largest dpi at
// which it does, so the form shrinks whole rather than being cut off. Never
// below kSmallestFormDpi.
inline constexpr int kSmallestFormDpi = 48;
int FittingDpi(int dpi, int frame_width, int frame_height, int work_width,
               int work_height);

// Every control, back to front: later controls lie over earlier ones.
std::vector<FormControl> FormLayout(const Maker& maker);

// The instruction text's lines, without line ends; without an e-mail
// address there is no support line.
std::vector<std::string> InstructionLines(std::string_view support_email);

}  // namespace vpa

#endif  // VPA_FORM_LAYOUT_H_
