#include "form/start_notes.h"

#include <vector>

#include "base/files.h"

namespace vpa {

std::optional<std::string> MissingFoldersMessage(const ProgramFolder& folder) {
  std::vector<std::string> missing;
  for (const char* name : {"PythonFiles", "0PY", "TextFiles"}) {
    if (TypeOf(folder.root() / name) != std::filesystem::file_type::directory) {
      missing.push_back(name);
    }
  }
  if (missing.empty()) return std::nullopt;
  std::string names = missing.front();
  for (size_t i = 1; i < missing.size(); ++i) {
    names += (i + 1 == missing.size() ? " and " : ", ") + missing[i];
  }
  return "The program folder " + PathText(folder.root()) + " has no " + names +
         (missing.size() == 1 ? " folder" : " folders") +
         ". VPA needs PythonFiles, 0PY and TextFiles beside it to write "
         "macros and keep your entries: start it from the folder it was "
         "installed or unpacked into, not from inside the zip file.";
}

std::string HelpNotOpenedMessage(const std::string& path) {
  return "The help page " + path +
         " could not be opened: it is missing, or no program is set to open "
         "web pages. Open it in a web browser.";
}

}  // namespace vpa
