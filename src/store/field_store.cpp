// Saves go through a temporary file and a rename, so a failed save never
// empties a field that held a value.
#include "store/field_store.h"

#include <charconv>

#include "base/files.h"
#include "base/text.h"

namespace vpa {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Le = "\xFF\xFE";
constexpr std::string_view kUtf16Be = "\xFE\xFF";

// A file that is not there holds no entry; any other failure is told.
StoredFieldText Unread(const Error& error) {
  if (error.code == ErrorCode::kNotFound) return {};
  return {"", error.reason};
}

}  // namespace

// A field that already holds the bytes is left alone: most fields are the
// same at every close, and reading one costs far less than a durable
// replacement.
Status SaveField(const ProgramFolder& folder, std::string_view name,
                 std::string_view text) {
  const std::filesystem::path path = folder.FieldFile(name);
  // Such a value would be saved as two lines and read back as its last.
  if (text.find_first_of("\r\n") != std::string_view::npos) {
    return FileError("write", ErrorCode::kLineBreak, path,
                     "the value holds a line break");
  }
  const std::string bytes = std::string(text) + "\r\n";
  Result<std::string> held = ReadFile(path, bytes.size());
  if (held.ok() && held.value() == bytes) return Ok();
  return ReplaceFile(path, bytes);
}

Status SaveField(const ProgramFolder& folder, std::string_view name,
                 int index) {
  std::string sign = index < 0 ? "" : " ";
  return SaveField(folder, name, sign + std::to_string(index) + " ");
}

StoredFieldText LoadStoredField(const ProgramFolder& folder,
                                std::string_view name) {
  std::filesystem::path file = folder.FieldFile(name);
  Result<std::string> line = ReadLastLine(file, kMaxFieldLine);
  if (!line.ok()) return Unread(line.failure());
  Result<std::string> head = ReadHead(file, 3);
  if (!head.ok()) return Unread(head.failure());
  std::string_view start = head.value();
  // A file re-saved in Notepad as UTF-16 holds nothing this program
  // wrote; one saved as "UTF-8 with BOM" still holds the value.
  if (start.starts_with(kUtf16Le) || start.starts_with(kUtf16Be)) {
    return {"", "it is stored as UTF-16 text"};
  }
  std::string_view value = line.value();
  if (start == kUtf8Mark && value.starts_with(kUtf8Mark)) {
    value.remove_prefix(kUtf8Mark.size());
  }
  return {std::string(TrimSpaces(value)), std::nullopt};
}

std::string LoadField(const ProgramFolder& folder, std::string_view name) {
  return LoadStoredField(folder, name).text;
}

int StoredIndex(std::string_view stored, int count) {
  int index = -1;
  auto [end, error] =
      std::from_chars(stored.data(), stored.data() + stored.size(), index);
  bool whole = error == std::errc() && end == stored.data() + stored.size();
  return whole && index >= 0 && index < count ? index : -1;
}

std::string SaveFailureMessage(const ProgramFolder& folder,
                               const Error& first_failure) {
  return "Your entries could not be saved in " +
         PathText(folder.FieldFile("").parent_path()) + " (" +
         first_failure.reason + "); the values saved before are kept.";
}

}  // namespace vpa
