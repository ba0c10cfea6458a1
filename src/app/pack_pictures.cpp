// Build-time tool: packs the rendered pictures into a C++ source of
// run-length coded pixels, so that the window neither decodes PNG nor keeps
// a whole decoded picture while it starts (packed_picture.h reads them).
//
//   vpa_pack_pictures OUTPUT.cpp PICTURE.png...
//
// A picture's name is its file name without the extension.
#include <QFileInfo>
#include <QImage>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Runs shorter than this go into a literal run with their neighbours.
constexpr int kShortestRepeat = 3;

// One row as tokens: (count << 1) followed by the pixel it repeats, or
// (count << 1 | 1) followed by that many pixels. No run crosses a row.
void PackRow(const uint32_t* row, int width, std::vector<uint32_t>& words) {
  int x = 0;
  while (x < width) {
    int repeat = 1;
    while (x + repeat < width && row[x + repeat] == row[x]) ++repeat;
    if (repeat >= kShortestRepeat) {
      words.push_back(uint32_t(repeat) << 1);
      words.push_back(row[x]);
      x += repeat;
      continue;
    }
    int literal = 0;
    while (x + literal < width) {
      const uint32_t* at = row + x + literal;
      const int left = width - x - literal;
      if (left >= kShortestRepeat && at[0] == at[1] && at[1] == at[2]) break;
      ++literal;
    }
    words.push_back(uint32_t(literal) << 1 | 1);
    words.insert(words.end(), row + x, row + x + literal);
    x += literal;
  }
}

bool WritePicture(std::ofstream& out, int index, const QImage& image) {
  std::vector<uint32_t> words;
  for (int y = 0; y < image.height(); ++y) {
    PackRow(reinterpret_cast<const uint32_t*>(image.constScanLine(y)),
            image.width(), words);
  }
  out << "constexpr uint32_t kWords" << index << "[] = {";
  for (size_t i = 0; i < words.size(); ++i) {
    out << (i % 8 == 0 ? "\n    " : " ") << "0x" << std::hex << words[i]
        << std::dec << "u,";
  }
  out << "\n};\n";
  return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.cpp PICTURE.png...\n", argv[0]);
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << "// Made by vpa_pack_pictures at build time.\n"
         "#include \"app/packed_picture.h\"\n\n"
         "namespace vpa {\nnamespace {\n\n";
  std::string table;
  for (int i = 2; i < argc; ++i) {
    QImage image(QString::fromLocal8Bit(argv[i]));
    if (image.isNull()) {
      std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[i]);
      return 1;
    }
    const bool opaque = !image.hasAlphaChannel();
    image = image.convertToFormat(opaque ? QImage::Format_RGB32
                                         : QImage::Format_ARGB32_Premultiplied);
    if (!WritePicture(out, i, image)) return 1;
    table += "    {\"" +
             QFileInfo(QString::fromLocal8Bit(argv[i]))
                 .completeBaseName()
                 .toStdString() +
             "\", " + std::to_string(image.width()) + ", " +
             std::to_string(image.height()) + ", " +
             (opaque ? "true" : "false") + ", kWords" + std::to_string(i) +
             "},\n";
  }
  out << "constexpr PackedPicture kTable[] = {\n"
      << table
      << "};\n\n}  // namespace\n\n"
         "std::span<const PackedPicture> PackedPictures() { return kTable; "
         "}\n\n"
         "}  // namespace vpa\n";
  return out ? 0 : 1;
}
