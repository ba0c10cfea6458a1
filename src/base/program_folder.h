// The program folder and the fixed places of the files beneath it.
#ifndef VPA_BASE_PROGRAM_FOLDER_H_
#define VPA_BASE_PROGRAM_FOLDER_H_

#include <filesystem>
#include <string_view>

namespace vpa {

// Every file the program touches lies at a fixed place under this folder.
class ProgramFolder {
 public:
  explicit ProgramFolder(std::filesystem::path root) : root_(std::move(root)) {}

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path Template(std::string_view file_name) const {
    return root_ / "PythonFiles" / file_name;
  }
  std::filesystem::path MacroFile() const { return root_ / "0PY" / "0.PY"; }
  std::filesystem::path FieldFile(std::string_view name) const {
    return root_ / "TextFiles" / (std::string(name) + ".TXT");
  }
  std::filesystem::path HelpPage() const { return root_ / "Pellavert.htm"; }

 private:
  std::filesystem::path root_;
};

}  // namespace vpa

#endif  // VPA_BASE_PROGRAM_FOLDER_H_
