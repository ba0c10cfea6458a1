// The packed pictures against the rendered files they were packed from,
// whole and strip by strip.
#include "app/picture_strips.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QRegularExpression>

namespace vpa::testing {
namespace {

TEST(PictureStrips, EveryRenderedPictureIsPackedPixelForPixel) {
  const QDir folder(VPA_RENDERED_PICTURES);
  const QStringList files = folder.entryList({"*.png"}, QDir::Files);
  ASSERT_EQ(qsizetype(PackedPictures().size()), files.size());
  const QRegularExpression file_name(R"(^(\w+)-(\d+)x(\d+)\.png$)");
  for (const QString& file : files) {
    SCOPED_TRACE(file.toStdString());
    const QRegularExpressionMatch match = file_name.match(file);
    ASSERT_TRUE(match.hasMatch());
    const PackedPicture* picture =
        FindPicture(match.captured(1).toStdString(), match.captured(2).toInt());
    ASSERT_NE(picture, nullptr);
    ASSERT_EQ(picture->width, match.captured(2).toInt());
    ASSERT_EQ(picture->height, match.captured(3).toInt());
    const QImage rendered(folder.filePath(file));
    EXPECT_EQ(picture->opaque, !rendered.hasAlphaChannel());
    EXPECT_EQ(UnpackImage(*picture),
              rendered.convertToFormat(
                  picture->opaque ? QImage::Format_RGB32
                                  : QImage::Format_ARGB32_Premultiplied));
  }
}

TEST(PictureStrips, StripsMakeUpThePicture) {
  const PackedPicture& picture = *FindPicture("logo", 1);
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
    EXPECT_EQ(joined, UnpackImage(picture));
  }
}

}  // namespace
}  // namespace vpa::testing
