// Reads an arbitrary field file. LoadField never fails and gives one line
// of the file without spaces at its ends; a one-line text saved and loaded
// comes back trimmed (and without a byte-order mark).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "store/field_store.h"

namespace {

namespace fs = std::filesystem;

// Made once and never destroyed, so that the clean-up at exit still finds it.
const vpa::ProgramFolder& Folder() {
  static const vpa::ProgramFolder* folder = [] {
    fs::path root =
        fs::temp_directory_path() / ("vpa-fuzz-" + std::to_string(getpid()));
    fs::create_directories(root / "TextFiles");
    auto* made = new vpa::ProgramFolder(root);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(Folder().root(), ignored);
    });
    return made;
  }();
  return *folder;
}

bool IsLoadedValue(std::string_view value, std::string_view file) {
  return value.find_first_of("\r\n") == std::string_view::npos &&
         (value.empty() || (value.front() != ' ' && value.back() != ' ')) &&
         file.find(value) != std::string_view::npos;
}

std::string Trimmed(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(
      text.substr(first, text.find_last_not_of(' ') + 1 - first));
}

// What a one-line text saved comes back as: without a UTF-8 byte-order
// mark at its start, and nothing from what reads as a UTF-16 file.
std::string Expected(std::string_view text) {
  if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) return {};
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  return Trimmed(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::ofstream(Folder().FieldFile("H1"), std::ios::binary) << bytes;
  if (!IsLoadedValue(vpa::LoadField(Folder(), "H1"), bytes)) std::abort();

  if (bytes.find_first_of("\r\n") == std::string_view::npos) {
    vpa::SaveField(Folder(), "V1", bytes);
    if (vpa::LoadField(Folder(), "V1") != Expected(bytes)) std::abort();
  }
  return 0;
}
