// The names are made from the program folder's identity, so two program
// folders run side by side and one folder runs once per session, whatever
// path reached it.
#include "win32/single_instance.h"

#include <cstdint>
#include <cwctype>

namespace vpa {
namespace {

// FNV-1a over the UTF-16 units: stable across runs and builds.
std::wstring PathKey(const std::filesystem::path& folder) {
  std::error_code ignored;
  std::wstring text = std::filesystem::absolute(folder, ignored).wstring();
  uint64_t hash = 14695981039346656037ull;
  for (wchar_t unit : text) {
    hash ^= uint64_t(std::towlower(unit));
    hash *= 1099511628211ull;
  }
  wchar_t hex[17];
  swprintf(hex, 17, L"%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

// The folder's identity, its volume's serial number and its file index, is
// the same by whichever drive letter, share or link it is reached; its path
// stands in when the folder cannot be opened, or when its share gives every
// file the index 0.
std::wstring FolderKey(const std::filesystem::path& folder) {
  HANDLE handle = CreateFileW(
      folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return PathKey(folder);
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = GetFileInformationByHandle(handle, &info);
  CloseHandle(handle);
  if (!known || (info.nFileIndexHigh == 0 && info.nFileIndexLow == 0)) {
    return PathKey(folder);
  }
  wchar_t key[32];
  swprintf(key, 32, L"%08lx.%08lx%08lx", info.dwVolumeSerialNumber,
           info.nFileIndexHigh, info.nFileIndexLow);
  return key;
}

}  // namespace

// The folder's key is looked up once: each look-up opens the folder.
SingleInstance::SingleInstance(const std::filesystem::path& folder) {
  const std::wstring key = FolderKey(folder);
  class_name_ = L"VPA.Form1." + key;
  const std::wstring name = L"Local\\VPA." + key;
  mutex_ = CreateMutexW(nullptr, FALSE, name.c_str());
  first_ = !(mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS);
}

SingleInstance::~SingleInstance() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

// The first instance may hold the mutex but not yet have its window; it gets
// two seconds to make it.
void SingleInstance::ShowRunning() const {
  for (int attempt = 0; attempt < 40; ++attempt) {
    HWND running = FindWindowW(class_name_.c_str(), nullptr);
    if (running != nullptr) {
      DWORD process = 0;
      GetWindowThreadProcessId(running, &process);
      // This launch is the user's latest act, so it may hand the foreground
      // on; the running window then takes it itself as well.
      AllowSetForegroundWindow(process);
      if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
      SetForegroundWindow(running);
      PostMessageW(running, kShowYourself, 0, 0);
      return;
    }
    Sleep(50);
  }
}

}  // namespace vpa
