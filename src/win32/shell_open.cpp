#include "win32/shell_open.h"

#include <objbase.h>

#include "win32/system_library.h"

namespace vpa {
namespace {

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR,
                                                LPCWSTR, INT);
using CoInitializeExFunction = HRESULT(WINAPI*)(LPVOID, DWORD);

// The shell's open, with this thread in the apartment the shell wants: it
// may hand a document to an extension through COM.
ShellExecuteFunction LoadShell() {
  if (auto initialize = SystemFunction<CoInitializeExFunction>(
          L"ole32.dll", "CoInitializeEx")) {
    initialize(nullptr, COINIT_APARTMENTTHREADED);
  }
  return SystemFunction<ShellExecuteFunction>(L"shell32.dll", "ShellExecuteW");
}

}  // namespace

bool ShellOpen(HWND owner, const wchar_t* target, const wchar_t* parameters,
               const wchar_t* folder) {
  static const ShellExecuteFunction execute = LoadShell();
  if (execute == nullptr) return false;
  return INT_PTR(execute(owner, L"open", target, parameters, folder,
                         SW_SHOWNORMAL)) > 32;
}

}  // namespace vpa
