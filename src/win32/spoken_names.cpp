#include "win32/spoken_names.h"

#include <windows.h>
// windows.h first: the others need its types.
#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>

#include "win32/system_library.h"

namespace vpa {
namespace {

// A list's accessible object under the form's name for it. Wine's MSAA
// names a list by its current item and ignores the annotation service, so
// the window answers a reader's request for a list itself: with the
// system's own object for it, renamed.
using CreateStdFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using AllocStringFunction = BSTR(WINAPI*)(const OLECHAR*);

struct Oleacc {
  CreateStdFunction create_std = nullptr;
  LresultFunction lresult = nullptr;
  AllocStringFunction alloc_string = nullptr;
};

const Oleacc& Library() {
  static const Oleacc library = {
      SystemFunction<CreateStdFunction>(L"oleacc.dll",
                                        "CreateStdAccessibleObject"),
      SystemFunction<LresultFunction>(L"oleacc.dll", "LresultFromObject"),
      SystemFunction<AllocStringFunction>(L"oleaut32.dll", "SysAllocString")};
  return library;
}

bool IsSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// Everything but the object's own name is the inner object's.
class NamedObject : public IAccessible {
 public:
  NamedObject(IAccessible* inner, std::wstring name)
      : inner_(inner), name_(std::move(name)) {}
  virtual ~NamedObject() { inner_->Release(); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (IsEqualIID(id, __uuidof(IUnknown)) ||
        IsEqualIID(id, __uuidof(IDispatch)) ||
        IsEqualIID(id, IID_IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    return inner_->QueryInterface(id, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return InterlockedIncrement(&count_);
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG count = InterlockedDecrement(&count_);
    if (count == 0) delete this;
    return count;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return inner_->get_accName(child, name);
    *name = Library().alloc_string(name_.c_str());
    return *name ? S_OK : E_OUTOFMEMORY;
  }

// Each of these is the inner object's own answer.
#define VPA_FORWARD(method, parameters, arguments)       \
  HRESULT STDMETHODCALLTYPE method parameters override { \
    return inner_->method arguments;                     \
  }
  // IDispatch
  VPA_FORWARD(GetTypeInfoCount, (UINT * count), (count))
  VPA_FORWARD(GetTypeInfo, (UINT n, LCID locale, ITypeInfo** info),
              (n, locale, info))
  VPA_FORWARD(GetIDsOfNames,
              (REFIID id, LPOLESTR* names, UINT count, LCID locale,
               DISPID* ids),
              (id, names, count, locale, ids))
  VPA_FORWARD(Invoke,
              (DISPID member, REFIID id, LCID locale, WORD flags,
               DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
               UINT* wrong),
              (member, id, locale, flags, parameters, result, exception, wrong))
  // The rest of IAccessible, as the system's object answers it.
  VPA_FORWARD(get_accParent, (IDispatch * *parent), (parent))
  VPA_FORWARD(get_accChildCount, (LONG * count), (count))
  VPA_FORWARD(get_accChild, (VARIANT child, IDispatch** object),
              (child, object))
  VPA_FORWARD(get_accValue, (VARIANT child, BSTR* value), (child, value))
  VPA_FORWARD(get_accDescription, (VARIANT child, BSTR* text), (child, text))
  VPA_FORWARD(get_accRole, (VARIANT child, VARIANT* role), (child, role))
  VPA_FORWARD(get_accState, (VARIANT child, VARIANT* state), (child, state))
  VPA_FORWARD(get_accHelp, (VARIANT child, BSTR* help), (child, help))
  VPA_FORWARD(get_accHelpTopic, (BSTR * file, VARIANT child, LONG* topic),
              (file, child, topic))
  VPA_FORWARD(get_accKeyboardShortcut, (VARIANT child, BSTR* keys),
              (child, keys))
  VPA_FORWARD(get_accFocus, (VARIANT * child), (child))
  VPA_FORWARD(get_accSelection, (VARIANT * children), (children))
  VPA_FORWARD(get_accDefaultAction, (VARIANT child, BSTR* action),
              (child, action))
  VPA_FORWARD(accSelect, (LONG how, VARIANT child), (how, child))
  VPA_FORWARD(accLocation,
              (LONG * left, LONG* top, LONG* width, LONG* height,
               VARIANT child),
              (left, top, width, height, child))
  VPA_FORWARD(accNavigate, (LONG direction, VARIANT start, VARIANT* end),
              (direction, start, end))
  VPA_FORWARD(accHitTest, (LONG left, LONG top, VARIANT* child),
              (left, top, child))
  VPA_FORWARD(accDoDefaultAction, (VARIANT child), (child))
  VPA_FORWARD(put_accName, (VARIANT child, BSTR name), (child, name))
  VPA_FORWARD(put_accValue, (VARIANT child, BSTR value), (child, value))
#undef VPA_FORWARD

 private:
  IAccessible* inner_;
  std::wstring name_;
  LONG count_ = 1;
};

LRESULT Answer(HWND control, WPARAM w, const std::wstring& name) {
  const Oleacc& oleacc = Library();
  if (!oleacc.create_std || !oleacc.lresult || !oleacc.alloc_string) return 0;
  void* inner = nullptr;
  if (FAILED(
          oleacc.create_std(control, OBJID_CLIENT, IID_IAccessible, &inner))) {
    return 0;
  }
  auto* named = new NamedObject(static_cast<IAccessible*>(inner), name);
  const LRESULT answer = oleacc.lresult(IID_IAccessible, w, named);
  named->Release();
  return answer;
}

LRESULT CALLBACK Subclass(HWND control, UINT message, WPARAM w, LPARAM l,
                          UINT_PTR, DWORD_PTR data) {
  const auto* name = reinterpret_cast<const std::wstring*>(data);
  if (message == WM_GETOBJECT && LONG(l) == OBJID_CLIENT) {
    if (LRESULT answer = Answer(control, w, *name)) return answer;
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, Subclass, 3);
    delete name;
  }
  return DefSubclassProc(control, message, w, l);
}

// From now on `control` answers WM_GETOBJECT with its standard object
// named `name`; oleacc is loaded at the first request.
void AnswerWithName(HWND control, const std::wstring& name) {
  SetWindowSubclass(control, Subclass, 3, DWORD_PTR(new std::wstring(name)));
}

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
