// Help and the web address open through the shell, which is loaded with
// COM only when first asked: neither is needed to show the form, and each
// library loaded costs the start.
#ifndef VPA_WIN32_SHELL_OPEN_H_
#define VPA_WIN32_SHELL_OPEN_H_

#include <windows.h>

namespace vpa {

// ShellExecuteW's "open" of `target`; false when the shell cannot be
// loaded or does not open it.
bool ShellOpen(HWND owner, const wchar_t* target, const wchar_t* parameters,
               const wchar_t* folder);

}  // namespace vpa

#endif  // VPA_WIN32_SHELL_OPEN_H_
