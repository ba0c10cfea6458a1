// The packed pictures against the rendered files they were packed from,
// whole and strip by strip, and damaged data that must not be read past.
#include "app/packed_picture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <vector>

namespace vpa::testing {
namespace {

QImage Rendered(const PackedPicture& picture) {
  QImage image(QString(VPA_RENDERED_PICTURES) + "/" +
               QString::fromUtf8(picture.name.data(), picture.name.size()) +
               ".png");
  return image.convertToFormat(picture.opaque
                                   ? QImage::Format_RGB32
                                   : QImage::Format_ARGB32_Premultiplied);
}

TEST(PackedPicture, EveryRenderedPictureIsPackedPixelForPixel) {
  const QStringList files =
      QDir(VPA_RENDERED_PICTURES).entryList({"*.png"}, QDir::Files);
  ASSERT_EQ(qsizetype(PackedPictures().size()), files.size());
  for (const QString& file : files) {
    SCOPED_TRACE(file.toStdString());
    const PackedPicture* picture = FindPicture(file.chopped(4).toStdString());
    ASSERT_NE(picture, nullptr);
    const QImage rendered = Rendered(*picture);
    EXPECT_EQ(
        picture->opaque,
        !QImage(QDir(VPA_RENDERED_PICTURES).filePath(file)).hasAlphaChannel());
    EXPECT_EQ(Unpack(*picture), rendered);
  }
  EXPECT_EQ(FindPicture("diagram@3x"), nullptr);
}

TEST(PackedPicture, StripsMakeUpThePicture) {
  const PackedPicture& picture = *FindPicture("logo");
  for (int rows : {1, 7, 32, picture.height - 1, picture.height, 100000}) {
    SCOPED_TRACE(rows);
    QImage joined(picture.width, picture.height,
                  QImage::Format_ARGB32_Premultiplied);
    joined.fill(Qt::transparent);
    int next_top = 0;
    UnpackStrips(picture, rows, [&](const QImage& strip, int top) {
      EXPECT_EQ(top, next_top);
      EXPECT_LE(strip.height(), rows);
      next_top += strip.height();
      QPainter(&joined).drawImage(0, top, strip);
    });
    EXPECT_EQ(next_top, picture.height);
    EXPECT_EQ(joined, Unpack(picture));
  }
}

// Damaged words: a run longer than the row, a literal cut short, a repeat
// without its pixel. What cannot be read stays transparent.
TEST(PackedPicture, DamagedDataIsNeverReadPastItsEnd) {
  const uint32_t red = 0xffff0000u;
  const struct {
    const char* what;
    std::vector<uint32_t> words;
    std::vector<uint32_t> pixels;  // 3 x 2
  } cases[] = {
      {"repeat over the row", {9u << 1, red}, {red, red, red, 0, 0, 0}},
      {"literal cut short", {4u << 1 | 1, red, red}, {red, red, 0, 0, 0, 0}},
      {"repeat without pixel", {2u << 1}, {0, 0, 0, 0, 0, 0}},
      {"no words", {}, {0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const PackedPicture picture = {"damaged", 3, 2, false, c.words};
    const QImage image = Unpack(picture);
    ASSERT_EQ(image.size(), QSize(3, 2));
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 2; ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(image.scanLine(y));
      pixels.insert(pixels.end(), row, row + 3);
    }
    EXPECT_EQ(pixels, c.pixels);
  }
}

}  // namespace
}  // namespace vpa::testing
