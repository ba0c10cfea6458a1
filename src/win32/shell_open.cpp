#include "win32/shell_open.h"

#include <objbase.h>

namespace vpa {
namespace {

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR,
                                                LPCWSTR, INT);
using CoInitializeExFunction = HRESULT(WINAPI*)(LPVOID, DWORD);

// A function of a system library, loaded for good; only from the system
// folder, never a library of that name beside the program.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  HMODULE module =
      LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

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
