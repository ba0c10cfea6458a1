#include "picture/packed_picture.h"

#include <algorithm>

namespace vpa {

const PackedPicture* FindPicture(std::string_view name, int width) {
  const PackedPicture* smallest_fit = nullptr;
  const PackedPicture* widest = nullptr;
  for (const PackedPicture& picture : PackedPictures()) {
    if (picture.name != name) continue;
    if (widest == nullptr || picture.width > widest->width) widest = &picture;
    if (picture.width >= width &&
        (smallest_fit == nullptr || picture.width < smallest_fit->width)) {
      smallest_fit = &picture;
    }
  }
  return smallest_fit != nullptr ? smallest_fit : widest;
}

bool RowReader::ReadRow(std::span<uint32_t> row) {
  const std::span<const uint32_t> words = picture_.words;
  size_t x = 0;
  while (x < row.size()) {
    if (at_ >= words.size()) return false;
    const uint32_t token = words[at_++];
    const size_t count = token >> 1;
    const bool literal = (token & 1) != 0;
    const size_t given = literal ? count : 1;
    if (count == 0 || count > row.size() - x || given > words.size() - at_) {
      return false;
    }
    if (literal) {
      std::copy_n(words.begin() + at_, count, row.begin() + x);
    } else {
      std::fill_n(row.begin() + x, count, words[at_]);
    }
    at_ += given;
    x += count;
  }
  return true;
}

bool RowReader::Next(std::span<uint32_t> row) {
  if (!damaged_ && (row.size() != size_t(picture_.width) ||
                    rows_read_ >= picture_.height || !ReadRow(row))) {
    damaged_ = true;
  }
  ++rows_read_;
  if (damaged_) std::fill(row.begin(), row.end(), 0u);
  return !damaged_;
}

bool RowReader::whole() const {
  return !damaged_ &&
         (rows_read_ < picture_.height || at_ == picture_.words.size());
}

std::optional<Pixels> Unpack(const PackedPicture& picture) {
  if (picture.width <= 0 || picture.height <= 0) return std::nullopt;
  Pixels pixels{picture.width, picture.height,
                std::vector<uint32_t>(size_t(picture.width) * picture.height)};
  RowReader reader(picture);
  const std::span<uint32_t> all = pixels.argb;
  for (int y = 0; y < picture.height; ++y) {
    if (!reader.Next(all.subspan(size_t(y) * picture.width, picture.width))) {
      return std::nullopt;
    }
  }
  if (!reader.whole()) return std::nullopt;
  return pixels;
}

}  // namespace vpa
