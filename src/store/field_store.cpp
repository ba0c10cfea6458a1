// Saves go through a temporary file and a rename, so a failed save never
// empties a field that held a value.
#include "store/field_store.h"

#include <charconv>

#include "base/files.h"
#include "base/text.h"

namespace vpa {

// A field that already holds the bytes is left alone: most fields are the
// same at every close, and reading one costs far less than replacing it.
void SaveField(const ProgramFolder& folder, std::string_view name,
               std::string_view text) {
  const std::filesystem::path path = folder.FieldFile(name);
  const std::string bytes = std::string(text) + "\r\n";
  Result<std::string> held = ReadFile(path);
  if (held.ok() && held.value() == bytes) return;
  ReplaceFile(path, bytes);
}

void SaveField(const ProgramFolder& folder, std::string_view name, int index) {
  std::string sign = index < 0 ? "" : " ";
  SaveField(folder, name, sign + std::to_string(index) + " ");
}

std::string LoadField(const ProgramFolder& folder, std::string_view name) {
  Result<std::string> bytes = ReadFile(folder.FieldFile(name));
  if (!bytes.ok()) return {};
  std::string_view text = bytes.value();
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  size_t line_end = text.find_last_of("\r\n");
  std::string_view line =
      line_end == std::string_view::npos ? text : text.substr(line_end + 1);
  return std::string(TrimSpaces(line));
}

int StoredIndex(std::string_view stored, int count) {
  int index = -1;
  auto [end, error] =
      std::from_chars(stored.data(), stored.data() + stored.size(), index);
  bool whole = error == std::errc() && end == stored.data() + stored.size();
  return whole && index >= 0 && index < count ? index : -1;
}

}  // namespace vpa
