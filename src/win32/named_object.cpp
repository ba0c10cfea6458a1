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

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return inner_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT n, LCID locale,
                                        ITypeInfo** info) override {
    return inner_->GetTypeInfo(n, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names,
                                          UINT count, LCID locale,
                                          DISPID* ids) override {
    return inner_->GetIDsOfNames(id, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale,
                                   WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception,
                                   UINT* wrong) override {
    return inner_->Invoke(member, id, locale, flags, parameters, result,
                          exception, wrong);
  }

  // The rest of IAccessible, as the system's object answers it.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return inner_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return inner_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child,
                                         IDispatch** object) override {
    return inner_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return inner_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child,
                                               BSTR* text) override {
    return inner_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return inner_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child,
                                         VARIANT* state) override {
    return inner_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return inner_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child,
                                             LONG* topic) override {
    return inner_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child,
                                                    BSTR* keys) override {
    return inner_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return inner_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return inner_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child,
                                                 BSTR* action) override {
    return inner_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override {
    return inner_->accSelect(how, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width,
                                        LONG* height, VARIANT child) override {
    return inner_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start,
                                        VARIANT* end) override {
    return inner_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top,
                                       VARIANT* child) override {
    return inner_->accHitTest(left, top, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return inner_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return inner_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return inner_->put_accValue(child, value);
  }

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
