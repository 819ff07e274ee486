#include "app/text.h"
#include "app/accessible.h"

#include <commctrl.h>
#include <oleacc.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "app/string_grid.h"
#include "app/win_util.h"
#include "app/window.h"

namespace qm {

namespace {

constexpr UINT_PTR kNameSubclass = 0x514E;  // "QN"

// The names given, by control; a control leaves at WM_NCDESTROY. Only this thread makes and destroys controls.
std::unordered_map<HWND, std::wstring>& Names() {
  static std::unordered_map<HWND, std::wstring> names;
  return names;
}

// oleacc.dll and oleaut32.dll serve only screen readers: loaded on the first question, kept for the run.
struct OleAcc {
  decltype(&CreateStdAccessibleObject) createStd = nullptr;
  decltype(&LresultFromObject) lresultFromObject = nullptr;
  decltype(&SysAllocString) allocString = nullptr;
  decltype(&SysFreeString) freeString = nullptr;
  bool Loaded() const { return createStd && lresultFromObject && allocString && freeString; }
};

const OleAcc& Acc() {
  static const OleAcc acc = [] {
    OleAcc a;
    if (HMODULE oleacc = LoadLibraryW(L"oleacc.dll")) {
      a.createStd = reinterpret_cast<decltype(a.createStd)>(
          reinterpret_cast<void*>(GetProcAddress(oleacc, "CreateStdAccessibleObject")));
      a.lresultFromObject = reinterpret_cast<decltype(a.lresultFromObject)>(
          reinterpret_cast<void*>(GetProcAddress(oleacc, "LresultFromObject")));
    }
    if (HMODULE oleaut = LoadLibraryW(L"oleaut32.dll")) {
      a.allocString = reinterpret_cast<decltype(a.allocString)>(
          reinterpret_cast<void*>(GetProcAddress(oleaut, "SysAllocString")));
      a.freeString = reinterpret_cast<decltype(a.freeString)>(
          reinterpret_cast<void*>(GetProcAddress(oleaut, "SysFreeString")));
    }
    return a;
  }();
  return acc;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// Windows' own accessible object of a control, with the name given to it. A toolbar's buttons, which Windows names
// by their texts, are named so here too where the system's object does not know them.
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(HWND hwnd, IAccessible* std, std::wstring name) : hwnd_(hwnd), std_(std), name_(std::move(name)) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // What the system's object offers besides (IEnumVARIANT over its children, for one) comes from it as it is.
    return std_->QueryInterface(riid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return std_->GetTypeInfoCount(n); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID lcid, ITypeInfo** info) override {
    return std_->GetTypeInfo(i, lcid, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT n, LCID lcid, DISPID* ids) override {
    return std_->GetIDsOfNames(riid, names, n, lcid, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* info, UINT* arg) override {
    return std_->Invoke(id, riid, lcid, flags, params, result, info, arg);
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!name) return E_POINTER;
    if (IsSelf(child)) return Answer(name_, name);
    const HRESULT hr = std_->get_accName(child, name);
    if (hr == S_OK && *name) return hr;
    if (child.vt == VT_I4 && IsWindowClass(hwnd_, TOOLBARCLASSNAMEW)) {
      std::wstring text;
      if (ToolbarButtonText(child.lVal, text)) return Answer(text, name);
    }
    return hr;
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override { return std_->get_accParent(p); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* n) override { return std_->get_accChildCount(n); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT c, IDispatch** p) override { return std_->get_accChild(c, p); }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT c, BSTR* v) override { return std_->get_accValue(c, v); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT c, BSTR* d) override { return std_->get_accDescription(c, d); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT c, VARIANT* r) override { return std_->get_accRole(c, r); }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT c, VARIANT* s) override { return std_->get_accState(c, s); }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* h) override { return std_->get_accHelp(c, h); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT c, LONG* t) override {
    return std_->get_accHelpTopic(f, c, t);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT c, BSTR* k) override {
    return std_->get_accKeyboardShortcut(c, k);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* c) override { return std_->get_accFocus(c); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* c) override { return std_->get_accSelection(c); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT c, BSTR* a) override {
    return std_->get_accDefaultAction(c, a);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT c) override { return std_->accSelect(flags, c); }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT c) override {
    return std_->accLocation(x, y, w, h, c);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG dir, VARIANT start, VARIANT* end) override {
    return std_->accNavigate(dir, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* c) override { return std_->accHitTest(x, y, c); }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT c) override { return std_->accDoDefaultAction(c); }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT c, BSTR n) override { return std_->put_accName(c, n); }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT c, BSTR v) override { return std_->put_accValue(c, v); }

 private:
  ~NamedAccessible() { std_->Release(); }

  static HRESULT Answer(const std::wstring& text, BSTR* out) {
    *out = Acc().allocString(text.c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
  }

  // Children count from 1, in the toolbar's order.
  bool ToolbarButtonText(LONG child, std::wstring& text) const {
    TBBUTTON button{};
    if (child < 1 || !SendMessageW(hwnd_, TB_GETBUTTON, child - 1, reinterpret_cast<LPARAM>(&button))) return false;
    const LRESULT length = SendMessageW(hwnd_, TB_GETBUTTONTEXTW, button.idCommand, 0);
    if (length <= 0) return false;
    text.assign(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(hwnd_, TB_GETBUTTONTEXTW, button.idCommand, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return true;
  }

  LONG refs_ = 1;
  HWND hwnd_;
  IAccessible* std_;
  std::wstring name_;
};

LRESULT NamedAccessibleObject(HWND hwnd, WPARAM wp, const std::wstring& name) {
  const OleAcc& acc = Acc();
  if (!acc.Loaded()) return 0;
  EnsureOle();  // the object crosses to the screen reader's process through COM
  IAccessible* std = nullptr;
  if (FAILED(acc.createStd(hwnd, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&std))) || !std) return 0;
  auto* named = new NamedAccessible(hwnd, std, name);
  const LRESULT result = acc.lresultFromObject(IID_IAccessible, wp, static_cast<IAccessible*>(named));
  named->Release();  // the answer holds its own reference
  return result > 0 ? result : 0;
}

LRESULT CALLBACK NameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
  switch (msg) {
    case WM_GETOBJECT:
      if (const LRESULT result = NamedObject(hwnd, wp, lp)) return result;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, NameProc, id);
      ForgetAccessibleName(hwnd);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

bool IsLabel(HWND hwnd) {
  if (IsWindowClass(hwnd, L"Static")) {
    const LONG type = GetWindowLongW(hwnd, GWL_STYLE) & SS_TYPEMASK;
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE;
  }
  return IsWindowClass(hwnd, L"Button") && (GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
  return TRUE;
}

bool IsFieldOwner(HWND hwnd) { return IsWindowClass(hwnd, L"ComboBox") || IsStringGrid(hwnd); }

// Whether Windows' own object already names the control well: by its text (a button, a label, a group box, a
// caption panel), or an edit by the label right before it. A panel that holds controls is no control itself.
bool NamedByWindows(HWND c) {
  if (IsWindowClass(c, L"Edit")) {
    HWND before = GetWindow(c, GW_HWNDPREV);
    return !IsFieldOwner(GetParent(c)) && before && IsWindowClass(before, L"Static") && !GetText(before).empty();
  }
  if (IsFieldOwner(c) || IsWindowClass(c, UPDOWN_CLASSW)) return false;
  if (GetWindow(c, GW_CHILD)) return true;
  return !GetText(c).empty();
}

std::string RuleName(HWND c) {
  // The edit field of a combo box or a grid, and the arrows of a spin edit, go by the field they belong to.
  if (IsFieldOwner(GetParent(c))) {
    const auto owner = Names().find(GetParent(c));
    return owner != Names().end() ? Utf8(owner->second) : FieldLabel(GetParent(c));
  }
  if (IsWindowClass(c, UPDOWN_CLASSW)) {
    auto buddy = reinterpret_cast<HWND>(SendMessageW(c, UDM_GETBUDDY, 0, 0));
    return buddy ? FieldLabel(buddy) : std::string();
  }
  std::string name = FieldLabel(c);
  // A grid without a label of its own is known by its heading.
  if (name.empty() && IsStringGrid(c) && GridRowCount(c) > 0 && GridColCount(c) == 1) name = LabelName(GetCell(c, 0, 0));
  // A picture, or a button beside a field that browses for it, goes by the nearest label before it.
  for (HWND h = GetWindow(c, GW_HWNDPREV); name.empty() && h; h = GetWindow(h, GW_HWNDPREV))
    if (IsLabel(h)) name = LabelName(GetText(h));
  return name;
}

}  // namespace

void SetAccessibleName(HWND control, const std::string& name) {
  if (!control) return;
  auto& names = Names();
  const auto it = names.find(control);
  if (it != names.end()) {
    it->second = Wide(name);
  } else if (Window::FromHandle(control) || SetWindowSubclass(control, NameProc, kNameSubclass, 0)) {
    // A window of ours answers through its window procedure, which a subclass would hide.
    names.emplace(control, Wide(name));
  }
}

LRESULT NamedObject(HWND window, WPARAM wp, LPARAM lp) {
  if (static_cast<LONG>(lp) != OBJID_CLIENT) return 0;
  const auto it = Names().find(window);
  return it == Names().end() ? 0 : NamedAccessibleObject(window, wp, it->second);
}

void ForgetAccessibleName(HWND window) { Names().erase(window); }

std::string LabelName(const std::string& labelText) {
  std::string clean;
  for (char c : labelText)
    if (c != '&') clean += c;
  const auto first = clean.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return clean.substr(first, clean.find_last_not_of(" :") - first + 1);
}

std::string FieldLabel(HWND field) {
  HWND before = GetWindow(field, GW_HWNDPREV);
  if (before && IsWindowClass(before, L"Static")) {
    const std::string label = LabelName(GetText(before));
    if (!label.empty()) return label;
  }
  RECT own{};
  GetWindowRect(field, &own);
  // The nearest group box before it; one after it in z-order holds a control kept on top of it (a swatch).
  for (UINT direction : {GW_HWNDPREV, GW_HWNDNEXT}) {
    for (HWND h = GetWindow(field, direction); h; h = GetWindow(h, direction)) {
      RECT group{};
      GetWindowRect(h, &group);
      if (IsWindowClass(h, L"Button") && (GetWindowLongW(h, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
          own.left >= group.left && own.right <= group.right && own.top >= group.top && own.bottom <= group.bottom) {
        const std::string label = LabelName(GetText(h));
        if (!label.empty()) return label;
      }
    }
  }
  return {};
}

void NameAfterLabel(HWND control) {
  const std::string label = FieldLabel(control);
  if (!label.empty()) SetAccessibleName(control, label);
}

void NameControls(HWND root) {
  std::vector<HWND> all;
  EnumChildWindows(root, CollectWindow, reinterpret_cast<LPARAM>(&all));
  for (HWND c : all) {
    if (Names().count(c) || NamedByWindows(c)) continue;
    const std::string name = RuleName(c);
    if (!name.empty()) SetAccessibleName(c, name);
  }
}

}  // namespace qm
