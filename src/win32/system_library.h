// Functions of system libraries that the window loads only when first
// needed: each library loaded at start-up costs the start.
#ifndef VPA_WIN32_SYSTEM_LIBRARY_H_
#define VPA_WIN32_SYSTEM_LIBRARY_H_

#include <windows.h>

namespace vpa {

// A function of a system library, loaded for good; only from the system
// folder, never a library of that name beside the program. nullptr when
// there is none.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  HMODULE module =
      LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace vpa

#endif  // VPA_WIN32_SYSTEM_LIBRARY_H_
