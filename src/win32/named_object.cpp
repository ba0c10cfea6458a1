#include "win32/named_object.h"

#include <windows.h>
// windows.h first: the others need its types.
#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>

#include "win32/system_library.h"

namespace vpa {
namespace {

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

}  // namespace

void AnswerWithName(HWND control, const std::wstring& name) {
  SetWindowSubclass(control, Subclass, 3, DWORD_PTR(new std::wstring(name)));
}

}  // namespace vpa
