// The end of a written Run: the macro's path onto the clipboard, tried a few
// times, for a clipboard manager or a remote session may hold the clipboard
// open a moment. The window steps aside only once the path is there; else
// the macro stays written and one message shows the path to copy by hand.
#ifndef VPA_FORM_CLIPBOARD_FINISH_H_
#define VPA_FORM_CLIPBOARD_FINISH_H_

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace vpa {

// Ten tries 50 ms apart: long enough for a holder that copies, short enough
// that the window does not seem to hang.
inline constexpr int kClipboardTries = 10;
inline constexpr std::chrono::milliseconds kClipboardPause{50};

// Calls `try_once` until it is true, pausing between tries; false when
// every try failed.
bool PutOnClipboard(const std::function<bool()>& try_once);

// The one message when the path of row `row`'s macro could not be put on
// the clipboard; the window shows the path under it, ready to select.
std::string ClipboardFailureMessage(int row);

// The Run! tooltip of that row, which must not claim the path is on the
// clipboard.
std::string UnclippedTooltip(int row, std::string_view time,
                             std::string_view path);

}  // namespace vpa

#endif  // VPA_FORM_CLIPBOARD_FINISH_H_
