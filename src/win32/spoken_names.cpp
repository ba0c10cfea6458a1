#include "win32/spoken_names.h"

#include <windows.h>
// windows.h first: the others need its types.
#include <initguid.h>
#include <oleacc.h>

#include "win32/named_object.h"
#include "win32/system_library.h"

namespace vpa {
namespace {

using CoInitializeExFunction = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoCreateInstanceFunction = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD,
                                                  REFIID, LPVOID*);

IAccPropServices* LoadService() {
  auto initialize =
      SystemFunction<CoInitializeExFunction>(L"ole32.dll", "CoInitializeEx");
  auto create = SystemFunction<CoCreateInstanceFunction>(L"ole32.dll",
                                                         "CoCreateInstance");
  if (initialize == nullptr || create == nullptr) return nullptr;
  // The apartment the shell wants too, should Help open later.
  initialize(nullptr, COINIT_APARTMENTTHREADED);
  void* service = nullptr;
  if (FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                    IID_IAccPropServices, &service))) {
    return nullptr;
  }
  return static_cast<IAccPropServices*>(service);
}

bool IsClass(HWND control, const wchar_t* class_name) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  return _wcsicmp(name, class_name) == 0;
}

// Without the service's name (Wine has none), a reader names a button by
// its text, which the window never paints, and a box by the label just
// before it in the z-order, here one never shown; a list answers for
// itself.
void GiveClassicName(HWND control, const std::wstring& name) {
  if (IsClass(control, L"Button")) {
    SetWindowTextW(control, name.c_str());
    return;
  }
  if (IsClass(control, L"ComboBox")) {
    AnswerWithName(control, name);
    return;
  }
  HWND label = CreateWindowExW(
      0, L"STATIC", name.c_str(), WS_CHILD, 0, 0, 0, 0, GetParent(control),
      nullptr, HINSTANCE(GetWindowLongPtrW(control, GWLP_HINSTANCE)), nullptr);
  HWND before = GetWindow(control, GW_HWNDPREV);
  SetWindowPos(label, before ? before : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

SpokenNames::~SpokenNames() {
  if (service_ != nullptr) service_->Release();
}

void SpokenNames::Name(HWND control, const std::wstring& name) {
  kept_[control].name = name;
  Give(control, kept_[control]);
}

void SpokenNames::Describe(HWND control, const std::wstring& description) {
  kept_[control].description = description;
  Give(control, kept_[control]);
}

bool SpokenNames::Start() {
  if (started_) return service_ != nullptr;
  started_ = true;
  for (const auto& [control, spoken] : kept_) {
    if (!spoken.name.empty()) GiveClassicName(control, spoken.name);
  }
  service_ = LoadService();
  if (service_ == nullptr) return false;
  for (const auto& [control, spoken] : kept_) Give(control, spoken);
  return true;
}

void SpokenNames::Give(HWND control, const Spoken& spoken) const {
  if (service_ == nullptr) return;
  if (!spoken.name.empty()) {
    service_->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF,
                             PROPID_ACC_NAME, spoken.name.c_str());
  }
  if (!spoken.description.empty()) {
    service_->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF,
                             PROPID_ACC_DESCRIPTION,
                             spoken.description.c_str());
  }
}

}  // namespace vpa
