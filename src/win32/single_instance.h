// One window per program folder: a named mutex in the session's namespace
// says one runs, and its window class, named per folder, finds it.
#ifndef VPA_WIN32_SINGLE_INSTANCE_H_
#define VPA_WIN32_SINGLE_INSTANCE_H_

#include <windows.h>

#include <filesystem>
#include <string>

namespace vpa {

// The message a second launch posts to the running form: come back and to
// the front.
inline constexpr UINT kShowYourself = WM_APP + 1;

class SingleInstance {
 public:
  explicit SingleInstance(const std::filesystem::path& folder);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // False when another instance runs for the folder.
  bool first() const { return first_; }

  // The window class name of the form for the folder.
  const std::wstring& class_name() const { return class_name_; }

  // Restores the running instance's window and brings it to the front.
  void ShowRunning() const;

 private:
  std::wstring class_name_;
  HANDLE mutex_ = nullptr;
  bool first_ = true;
};

}  // namespace vpa

#endif  // VPA_WIN32_SINGLE_INSTANCE_H_
