// The packed pictures (src/picture) as QImages: unpacked a strip at a time
// as they are painted, so a picture never lies in memory whole.
#ifndef VPA_APP_PICTURE_STRIPS_H_
#define VPA_APP_PICTURE_STRIPS_H_

#include <QImage>
#include <functional>

#include "picture/packed_picture.h"

namespace vpa {

// Unpacks `picture` in strips of up to `strip_rows` rows, top to bottom,
// handing each to `paint` with the picture row it starts at. The strip's
// pixels are reused for the next strip.
void UnpackStrips(
    const PackedPicture& picture, int strip_rows,
    const std::function<void(const QImage& strip, int top)>& paint);

// The whole picture as one image.
QImage UnpackImage(const PackedPicture& picture);

}  // namespace vpa

#endif  // VPA_APP_PICTURE_STRIPS_H_
