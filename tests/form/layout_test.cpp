// The layout table against the form's control lists: every name once, in
// drawing order, at its place, with the tab order the detailer walks.
#include "form/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace vpa {
namespace {

std::vector<std::string> RowNames(std::vector<std::string> stems, int row) {
  for (std::string& stem : stems) stem += std::to_string(row);
  return stems;
}

std::vector<std::string> Names(const std::vector<FormControl>& form) {
  std::vector<std::string> names;
  for (const FormControl& control : form) names.push_back(control.name);
  return names;
}

std::map<std::string, FormControl> ByName(const Maker& maker = {}) {
  std::map<std::string, FormControl> controls;
  for (const FormControl& control : FormLayout(maker)) {
    controls[control.name] = control;
  }
  return controls;
}

TEST(FormLayout, ListsEveryControlOnceBackToFront) {
  std::vector<std::string> expected = {
      "Image1",  "Line1",   "Line2",   "Shape1",  "Shape2",  "Label1",
      "Label2",  "Label3",  "Label4",  "Label5",  "Label6",  "Label7",
      "Label8",  "Label12", "Label13", "Image2",  "CmdWeb",  "Text2",
      "Label16", "Label14", "Label15", "Label11", "Label17", "Label9",
      "Label18", "Line3",   "Line4"};
  const char* const row_labels[] = {"Label19", "Label22", "Label21", "Label20",
                                    "Label23"};
  for (int row = 1; row <= kRowCount; ++row) {
    expected.push_back(row_labels[row - 1]);
    for (const std::string& name : RowNames(
             {"zzH", "zzV", "zzW", "MAT", "zzL", "OSL", "Pair", "Go"}, row)) {
      expected.push_back(name);
    }
  }
  for (const char* name :
       {"Label10", "BS", "CmdHelp", "CmdExit", "txtClipboard"}) {
    expected.push_back(name);
  }
  EXPECT_EQ(Names(FormLayout({})), expected);
}

TEST(FormLayout, TabRunsAlongEachRowThenToTheBar) {
  std::vector<FormControl> form = FormLayout({});
  std::erase_if(form, [](const FormControl& c) { return c.tab < 0; });
  std::sort(
      form.begin(), form.end(),
      [](const FormControl& a, const FormControl& b) { return a.tab < b.tab; });
  std::vector<std::string> expected;
  for (int row = 1; row <= kRowCount; ++row) {
    for (const std::string& name : RowNames(
             {"zzH", "zzV", "zzW", "MAT", "zzL", "OSL", "Pair", "Go"}, row)) {
      expected.push_back(name);
    }
  }
  for (const char* name : {"BS", "CmdHelp", "CmdExit", "CmdWeb"}) {
    expected.push_back(name);
  }
  EXPECT_EQ(Names(form), expected);
  for (size_t i = 0; i < form.size(); ++i) EXPECT_EQ(form[i].tab, int(i));
}

TEST(FormLayout, ControlsSitAtTheirPlaces) {
  std::map<std::string, FormControl> form = ByName();
  const struct {
    const char* name;
    TwipRect place;
  } places[] = {
      {"zzH1", {8640, 5640, 830, 345}},
      {"zzV2", {9480, 6120, 830, 345}},
      {"zzW3", {10320, 6600, 830, 345}},
      {"MAT4", {11160, 7080, 1935, 345}},
      {"zzL5", {13200, 7560, 830, 345}},
      {"OSL1", {14040, 5640, 975, 345}},
      {"Pair2", {15120, 6120, 735, 345}},
      {"Go3", {15960, 6570, 855, 460}},
      {"Go5", {15960, 7515, 855, 460}},
      {"Label21", {8400, 6600, 165, 240}},
      {"Label11", {11640, 5310, 0, 270}},
      {"BS", {11160, 8040, 1935, 360}},
      {"CmdExit", {15360, 8040, 1455, 735}},
      {"Image1", {120, 120, 8085, 8670}},
      {"Label8", {5880, 4965, 615, 375}},
      {"Line1", {1440, 2490, -480, -495}},
      {"Line4", {8400, 5580, 7440, 0}},
      {"Shape2", {6480, 4320, 150, 255}},
      {"txtClipboard", {120, 9000, 150, 285}},
  };
  for (const auto& [name, place] : places) {
    EXPECT_EQ(form.at(name).place, place) << name;
  }
}

TEST(FormLayout, EverythingSeenLiesInsideTheClientArea) {
  for (const FormControl& c : FormLayout({})) {
    const int left = std::min(c.place.left, c.place.left + c.place.width);
    const int top = std::min(c.place.top, c.place.top + c.place.height);
    const int right = std::max(c.place.left, c.place.left + c.place.width);
    const int bottom = std::max(c.place.top, c.place.top + c.place.height);
    EXPECT_GE(left, 0) << c.name;
    EXPECT_LE(right, kClientWidthTwips) << c.name;
    if (c.role == Role::kClipboard) {
      EXPECT_GE(top, kClientHeightTwips);
    } else {
      EXPECT_GE(top, 0) << c.name;
      EXPECT_LE(bottom, kClientHeightTwips) << c.name;
    }
  }
}

TEST(FormLayout, RowsAreBandedAndLabelledByRole) {
  std::map<std::string, FormControl> form = ByName();
  const Colour pale_blue = Rgb(228, 237, 243);
  const Colour system_text{Colour::Source::kWindowText};
  const Colour system_back{Colour::Source::kWindowBackground};
  EXPECT_EQ(form.at("zzH1").background, pale_blue);
  EXPECT_EQ(form.at("MAT3").text, kNavy);
  EXPECT_EQ(form.at("Pair5").background, pale_blue);
  EXPECT_EQ(form.at("zzW2").background, Rgb(248, 250, 252));
  EXPECT_EQ(form.at("OSL2").text, system_text);
  EXPECT_EQ(form.at("zzL4").background, system_back);
  EXPECT_EQ(form.at("zzL4").text, system_text);
  EXPECT_EQ(form.at("zzW2").role, Role::kField);
  EXPECT_EQ(form.at("zzW2").field, RowField::kV2);
  EXPECT_EQ(form.at("zzW2").row, 2);
  EXPECT_EQ(form.at("Go4").role, Role::kRun);
  EXPECT_EQ(form.at("MAT1").items.size(), 131u);
  EXPECT_EQ(form.at("BS").items.size(), 3u);
  EXPECT_EQ(form.at("Pair1").items[1], "2");
}

TEST(FormLayout, FontsAreTheirSizesAndCaptionsTheirTexts) {
  std::map<std::string, FormControl> form = ByName();
  const struct {
    const char* name;
    double points;
    const char* caption;
  } texts[] = {{"zzV2", 9, ""},         {"BS", 9.75, ""},
               {"Label22", 9.75, "2."}, {"Label11", 11.25, "MATERIAL"},
               {"Label5", 11.25, "V2"}, {"Label10", 11.25, "ADD ANGLES TO:"},
               {"Go1", 9.75, "Run!"},   {"CmdHelp", 11.25, "Help"},
               {"txtClipboard", 0, ""}};
  for (const auto& [name, points, caption] : texts) {
    EXPECT_EQ(form.at(name).points, points) << name;
    EXPECT_EQ(form.at(name).caption, caption) << name;
  }
  EXPECT_EQ(form.at("Label12").align, Align::kRight);
  EXPECT_EQ(form.at("Label13").align, Align::kLeft);
  EXPECT_EQ(form.at("Label1").align, Align::kCentre);
  EXPECT_EQ(form.at("Image1").picture, "diagram");
  EXPECT_EQ(form.at("Image2").picture, "logo");
}

TEST(FormLayout, MakerDetailsReachTheWebButtonAndTheInstructions) {
  const std::string first_lines =
      "1. Click on 'Run' button.\r\n"
      "2. In SDS/2 'Run macro'; Press Ctrl+V- Enter in 'Open' dialog window"
      "\r\n3. Click each beam; right click when done.\r\n"
      "Use SDS/2 format of numbers (1.5 or 1 1/2 or 1-0 1/2)\r\n";
  EXPECT_EQ(ByName().at("Text2").caption, first_lines);
  std::map<std::string, FormControl> form =
      ByName({" https://www.maker.com/ ", " help@maker.com "});
  EXPECT_EQ(form.at("Text2").caption,
            first_lines + "Support: help@maker.com\r\n");
  EXPECT_EQ(form.at("CmdWeb").caption, "www.maker.com");
  EXPECT_EQ(form.at("CmdWeb").hint, "https://www.maker.com/");
  EXPECT_EQ(ByName().at("CmdWeb").caption, "Maker's web site");
}

// A screen reader tells apart every control the focus can reach: the tab
// stops, the carrier the Run hands the path through, the instructions.
TEST(FormLayout, EveryReachableControlHasASpokenNameOfItsOwn) {
  std::set<std::string> names;
  for (const FormControl& control : FormLayout({"www.maker.com", ""})) {
    if (control.tab < 0 && control.role != Role::kClipboard &&
        control.role != Role::kInstructions) {
      continue;
    }
    EXPECT_NE(control.accessible_name, "") << control.name;
    EXPECT_TRUE(names.insert(control.accessible_name).second) << control.name;
  }
  EXPECT_EQ(names.size(), size_t(kRowCount * 8 + 6));
}

TEST(TwipsToPixels, FifteenTwipsToAPixelAt96Dpi) {
  const struct {
    int twips, dpi, pixels;
  } cases[] = {{16965, 96, 1131}, {8910, 96, 594},    {345, 96, 23},
               {7, 96, 0},        {8, 96, 1},         {-495, 96, -33},
               {-8, 96, -1},      {16965, 120, 1414}, {16965, 144, 1697},
               {8910, 192, 1188}, {345, 144, 35}};
  for (const auto& c : cases) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels)
        << c.twips << " at " << c.dpi;
  }
}

TEST(FocusMarkWidth, TwoPixelsAt96DpiScaledAndNeverThinner) {
  const struct {
    int dpi, width;
  } cases[] = {{96, 2}, {72, 2}, {48, 2}, {120, 3}, {144, 3}, {192, 4}};
  for (const auto& c : cases) {
    EXPECT_EQ(FocusMarkWidth(c.dpi), c.width) << c.dpi;
  }
}

// 125 % on a 1366 x 768 laptop: 1414 x 743 pixels of form and a frame do
// not fit, so the form is drawn at the largest dpi that does.
TEST(FittingDpi, TheLargestThatFitsTheWorkAreaNeverAboveTheScreens) {
  const struct {
    int dpi, frame_width, frame_height, work_width, work_height, fitting;
  } cases[] = {
      {96, 16, 39, 1920, 1040, 96},    // fits as designed
      {144, 22, 54, 1920, 1040, 144},  // 1697 x 891 at 150 % fits
      {120, 20, 49, 1366, 728, 109},   // height: 674 + 49 <= 728 at 109
      {120, 20, 49, 1366, 768, 114},   // width: 1343 + 20 <= 1366 at 114
      {96, 16, 39, 1024, 600, 85},     // a netbook
      {96, 16, 39, 300, 200, kSmallestFormDpi},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FittingDpi(c.dpi, c.frame_width, c.frame_height, c.work_width,
                         c.work_height),
              c.fitting)
        << c.dpi << " on " << c.work_width << " x " << c.work_height;
  }
}

}  // namespace
}  // namespace vpa
