#include "form/clipboard_finish.h"

#include <thread>

#include "form/row_feedback.h"

namespace vpa {

bool PutOnClipboard(const std::function<bool()>& try_once) {
  for (int tried = 1;; ++tried) {
    if (try_once()) return true;
    if (tried == kClipboardTries) return false;
    std::this_thread::sleep_for(kClipboardPause);
  }
}

std::string ClipboardFailureMessage(int row) {
  return "Row " + std::to_string(row) +
         "'s macro is written, but its path could not be put on the "
         "clipboard: another program holds the clipboard. Copy the path "
         "below and paste it into SDS/2's 'Run macro' dialog, or press "
         "Run! again.";
}

std::string UnclippedTooltip(int row, std::string_view time,
                             std::string_view path) {
  return RunTooltip(row) + "\nAt " + std::string(time) + " this row wrote " +
         std::string(path) + "; the path could not be put on the clipboard.";
}

}  // namespace vpa
