// vpa.exe: the form for the program folder beside the executable, once per
// folder and session.
#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <string>

#include "win32/form_window.h"
#include "win32/single_instance.h"

namespace {

// The executable's folder, however long its path.
std::filesystem::path ProgramFolderPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return std::filesystem::path(path).parent_path();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  const std::filesystem::path folder = ProgramFolderPath();
  vpa::SingleInstance single(folder);
  if (!single.first()) {
    single.ShowRunning();
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  int status = 1;
  {
    vpa::FormWindow form(instance, folder);
    if (form.Create(single.class_name(), show)) {
      MSG message;
      while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (vpa::FormPreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      status = int(message.wParam);
    }
  }
  return status;
}
