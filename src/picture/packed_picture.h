// The windows' pictures, rendered from the SVGs at build time and compiled
// in as run-length coded pixels (cmake/pack_pictures.py writes the table),
// so that neither window decodes PNG nor loads a codec as it starts. Plain
// C++: each window only hands the unpacked rows to its toolkit.
//
// A picture's words are its rows from the top, each row as tokens that fill
// it exactly: (count << 1) and the pixel it repeats, or (count << 1 | 1) and
// that many pixels. Pixels are premultiplied 0xAARRGGBB, as a 32-bit DIB
// and QImage::Format_ARGB32_Premultiplied both hold them.
#ifndef VPA_PICTURE_PACKED_PICTURE_H_
#define VPA_PICTURE_PACKED_PICTURE_H_

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vpa {

struct PackedPicture {
  std::string_view name;  // the SVG's name: "diagram", "logo", "icon"
  int width;
  int height;
  bool opaque;  // every pixel's alpha is 255
  std::span<const uint32_t> words;
};

// Every rendering the build packed, each picture's from the smallest (the
// generated source defines it).
std::span<const PackedPicture> PackedPictures();

// The rendering of `name` exactly `width` wide, else the smallest wider
// one, else the widest; null when there is no such picture.
const PackedPicture* FindPicture(std::string_view name, int width);

// Reads a picture's rows one after the other, never past its words.
class RowReader {
 public:
  explicit RowReader(const PackedPicture& picture) : picture_(picture) {}

  // Unpacks the next row into `row` (the picture's width). From the first
  // damaged token on, the rows are transparent and this returns false.
  bool Next(std::span<uint32_t> row);

  // True when every row read so far was whole and, once the last row is
  // read, no words are left over.
  bool whole() const;

 private:
  bool ReadRow(std::span<uint32_t> row);

  const PackedPicture& picture_;
  size_t at_ = 0;
  int rows_read_ = 0;
  bool damaged_ = false;
};

// Top-down rows of premultiplied 0xAARRGGBB pixels.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> argb;
};

// The whole picture, or nullopt when its words are damaged.
std::optional<Pixels> Unpack(const PackedPicture& picture);

}  // namespace vpa

#endif  // VPA_PICTURE_PACKED_PICTURE_H_
