#include "form/start_notes.h"

#include <system_error>

#include "base/files.h"

namespace vpa {

std::optional<std::string> MissingFoldersMessage(const ProgramFolder& folder) {
  std::string missing;
  int count = 0;
  for (const char* name : {"PythonFiles", "0PY", "TextFiles"}) {
    std::error_code error;
    if (std::filesystem::is_directory(folder.root() / name, error)) continue;
    missing += std::string(count == 0 ? "" : ", ") + name;
    ++count;
  }
  if (count == 0) return std::nullopt;
  return "The program folder " + PathText(folder.root()) + " has no " +
         missing + (count == 1 ? " folder" : " folders") +
         ", so Run! cannot write a macro or the entries cannot be kept. "
         "Start VPA from the folder it was installed or unpacked into, not "
         "from inside the zip file.";
}

std::string HelpNotOpenedMessage(const std::string& path) {
  return "The help page " + path +
         " could not be opened: it is missing, or no program is set to open "
         "web pages. Open it in a web browser.";
}

}  // namespace vpa
