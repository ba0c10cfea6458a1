// The names and descriptions screen readers speak for the form's controls,
// given through the system's annotation service, which serves MSAA and UI
// Automation alike. COM is loaded only when they are first given, after
// the first paint, so the start does not wait for it.
#ifndef VPA_WIN32_SPOKEN_NAMES_H_
#define VPA_WIN32_SPOKEN_NAMES_H_

#include <windows.h>

#include <map>
#include <string>

struct IAccPropServices;

namespace vpa {

class SpokenNames {
 public:
  SpokenNames() = default;
  ~SpokenNames();
  SpokenNames(const SpokenNames&) = delete;
  SpokenNames& operator=(const SpokenNames&) = delete;

  // Kept until Start, then given at once.
  void Name(HWND control, const std::wstring& name);
  void Describe(HWND control, const std::wstring& description);

  // Gives every name kept so far as a button's text or a box's unseen
  // label, then loads the service and gives every name and description
  // through it; false where the system has no such service.
  bool Start();

 private:
  struct Spoken {
    std::wstring name;
    std::wstring description;
  };
  void Give(HWND control, const Spoken& spoken) const;

  bool started_ = false;
  IAccPropServices* service_ = nullptr;
  std::map<HWND, Spoken> kept_;
};

}  // namespace vpa

#endif  // VPA_WIN32_SPOKEN_NAMES_H_
