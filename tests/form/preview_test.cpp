// The preview: what it takes from a row, and that its drawing stays in its
// zone, to scale, with no text over another.
#include "form/preview.h"

#include <gtest/gtest.h>

#include "form/preview_row.h"

namespace vpa {
namespace {

RowEntries Row(std::string h, std::string v1, std::string v2, std::string l,
               std::string section = "L4x4x1/2", std::string leg = "Long",
               std::string pair = "2") {
  return {{h, v1, v2, section, l, leg, pair}};
}

TEST(Preview, SectionSizes) {
  struct Case {
    std::string_view section;
    double long_leg, short_leg, thickness;
  } cases[] = {
      {"L4x4x1/2", 4, 4, 0.5},
      {"L5x3 1/2x5/8", 5, 3.5, 0.625},
      {"L1 1/8x1 1/8x1/8", 1.125, 1.125, 0.125},
      {"L8x8x1 1/8", 8, 8, 1.125},
      {"W8x10", 0, 0, 0},
      {"", 0, 0, 0},
  };
  for (const Case& c : cases) {
    AngleSize size = SizeOfSection(c.section);
    EXPECT_EQ(size.long_leg, c.long_leg) << c.section;
    EXPECT_EQ(size.short_leg, c.short_leg) << c.section;
    EXPECT_EQ(size.thickness, c.thickness) << c.section;
  }
}

TEST(Preview, TakesWhatTheMacroReadsAndNothingARunRefuses) {
  std::optional<PreviewRow> row =
      PreviewRowOf(Row("1-0 1/2", "-1.50", "-007", "1-2"), "Left End");
  ASSERT_TRUE(row);
  EXPECT_EQ(row->h, 12.5);
  EXPECT_EQ(row->v1, -1.5);
  EXPECT_EQ(row->v2, -7);
  EXPECT_EQ(row->l, 14);
  EXPECT_EQ(row->h_text, "1-0 1/2");
  EXPECT_EQ(row->ends, PreviewEnds::kLeft);
  EXPECT_TRUE(row->pair);
  EXPECT_FALSE(PreviewRowOf(Row("1", "2", "3", "12", "L4x4x1/2", "Short", "1"),
                            "BOTH Ends")
                   ->pair);
  // Refused: no L, an unreadable entry, no end chosen, an empty row.
  EXPECT_FALSE(PreviewRowOf(Row("1", "2", "3", ""), "Right End"));
  EXPECT_FALSE(PreviewRowOf(Row("1", "2'", "3", "12"), "Right End"));
  EXPECT_FALSE(PreviewRowOf(Row("1", "2", "3", "12"), ""));
  EXPECT_FALSE(PreviewRowOf(RowEntries{}, "Right End"));
}

TEST(Preview, DescriptionSpeaksEachAngle) {
  PreviewRow row = *PreviewRowOf(Row("1-0 1/2", "6", "9", "120"), "BOTH Ends");
  PreviewDrawing drawing = DrawPreview(row);
  EXPECT_EQ(drawing.description,
            "L4x4x1/2. Right end, near face: angle 12.5 in from the end, 6 in "
            "to 126 in below the top of steel, long leg out. Right end, far "
            "face: angle 12.5 in from the end, 9 in to 129 in below the top "
            "of steel, long leg out. Left end, near face: angle 12.5 in from "
            "the end, 6 in to 126 in below the top of steel, long leg out. "
            "Left end, far face: angle 12.5 in from the end, 9 in to 129 in "
            "below the top of steel, long leg out.");
}

bool Overlap(const PreviewItem& a, const PreviewItem& b) {
  return a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2;
}

// However long an entry is typed, its label is cut, so the drawing keeps
// most of its size; an entry the row does not draw takes no room at all.
TEST(Preview, LabelsNeverShrinkTheDrawingMuch) {
  const struct {
    RowEntries a, b;
    double least;  // b's scale at least this share of a's
  } cases[] = {
      {Row("3", "6", "9", "48"), Row("0000000000000000000000003", "6", "9", "48"),
       0.5},
      {Row("12 1/3", "6", "9", "48"), Row("12.3333333333333", "6", "9", "48"),
       0.5},
      {Row("3", "6", "1", "48", "L4x4x1/2", "Long", "1"),
       Row("3", "6", "-900000", "48", "L4x4x1/2", "Long", "1"), 1},
  };
  for (const auto& c : cases) {
    for (std::string_view end : {"Right End", "BOTH Ends"}) {
      const double a = DrawPreview(*PreviewRowOf(c.a, end)).twips_per_inch;
      const double b = DrawPreview(*PreviewRowOf(c.b, end)).twips_per_inch;
      EXPECT_GE(b, a * c.least - 1e-9) << c.b[RowField::kH] << " " << end;
    }
  }
}

// Rows at the edges of what a detailer types: long and short angles, angles
// above the top of steel and beyond the end, the widest sections, long
// entries.
TEST(Preview, StaysInItsZoneToScaleWithNoTextOverAnother) {
  const RowEntries rows[] = {
      Row("1-0 1/2", "6", "9", "120"),
      Row("-0-6", "-1.50", "-3/4", "1-2", "L8x6x1"),
      Row("0", "0", "0", "1/16", "L8x8x1 1/8", "Short"),
      Row("100-0", "50-0", "0", "1", "L1x1x1/8"),
      Row("10-6 1/2", "10-6 1/2", "10-6 1/2", "10-6 1/2", "L6x4x3/8", "Short",
          "1"),
      Row("3", "1 1/2", "2", "1-0 1/2", "L2 1/2x2x3/16"),
      Row("-50", "-50", "50", "3", "L5x3 1/2x5/8"),
      Row("1000000", "0", "0", "999000", "L4x4x1/2", "Long", "2"),
  };
  for (const RowEntries& entries : rows) {
    for (std::string_view end : {"Right End", "Left End", "BOTH Ends"}) {
      SCOPED_TRACE(entries[RowField::kH] + " " + entries[RowField::kV1] + " " +
                   entries[RowField::kV2] + " " + entries[RowField::kL] + " " +
                   entries[RowField::kSection] + " " + std::string(end));
      PreviewDrawing drawing = DrawPreview(*PreviewRowOf(entries, end));
      ASSERT_GT(drawing.twips_per_inch, 0);
      int outlines = 0;
      for (const PreviewItem& item : drawing.items) {
        EXPECT_GE(std::min(item.x1, item.x2), 0) << item.text;
        EXPECT_GE(std::min(item.y1, item.y2), 0) << item.text;
        EXPECT_LE(std::max(item.x1, item.x2), kPreviewWidth) << item.text;
        EXPECT_LE(std::max(item.y1, item.y2), kPreviewHeight) << item.text;
        if (item.angle < 0) continue;
        ++outlines;
        const PreviewAngle& angle = drawing.angles[size_t(item.angle)];
        EXPECT_EQ(item.dashed, !angle.near_face);
        EXPECT_NEAR(
            item.y2 - item.y1,
            (angle.bottom - angle.top) * drawing.twips_per_inch,
            1);
      }
      EXPECT_EQ(outlines, int(drawing.angles.size()));
      for (const PreviewItem& a : drawing.items) {
        for (const PreviewItem& b : drawing.items) {
          if (&a == &b || a.kind != PreviewItem::Kind::kText ||
              b.kind != PreviewItem::Kind::kText) {
            continue;
          }
          EXPECT_FALSE(Overlap(a, b)) << a.text << " over " << b.text;
        }
      }
    }
  }
}

}  // namespace
}  // namespace vpa
