// What the windows tell the detailer at once rather than at the first Run:
// a program folder without the folders it needs, and a help page that
// nothing opens.
#ifndef VPA_FORM_START_NOTES_H_
#define VPA_FORM_START_NOTES_H_

#include <optional>
#include <string>

#include "base/program_folder.h"

namespace vpa {

// The one message for a program folder that lacks PythonFiles, 0PY or
// TextFiles (as when vpa.exe is started from inside its zip), naming the
// missing ones; nothing when all three are there. The window opens all the
// same.
std::optional<std::string> MissingFoldersMessage(const ProgramFolder& folder);

// The message when Help or F1 could not open the help page `path`.
std::string HelpNotOpenedMessage(const std::string& path);

}  // namespace vpa

#endif  // VPA_FORM_START_NOTES_H_
