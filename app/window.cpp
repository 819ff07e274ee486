#include "app/window.h"

#include <exception>
#include <set>
#include <string>
#include <utility>

#include "app/accessible.h"
#include "app/text.h"
#include "app/win_util.h"

namespace qm {

namespace {
// The classes registered so far, by name: each is registered on the first window of its kind.
std::set<std::wstring>& RegisteredClasses() {
  static std::set<std::wstring> names;
  return names;
}

}  // namespace

HWND Window::Create(const WindowClass& cls, DWORD exStyle, const char* text, DWORD style, int x, int y, int w, int h,
                    HWND parent, HMENU menuOrId) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (RegisteredClasses().count(cls.name) == 0) {
    WNDCLASSW wc{};
    wc.style = cls.style;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hIcon = cls.icon;
    wc.hCursor = LoadCursorW(nullptr, cls.cursor);
    wc.hbrBackground = cls.background;
    wc.lpszClassName = cls.name;
    if (RegisterClassW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS) RegisteredClasses().insert(cls.name);
  }
  bool bound = false;
  bound_ = &bound;
  HWND hwnd = CreateWindowExW(exStyle, cls.name, Wide(text ? text : "").c_str(), style, x, y, w, h, parent, menuOrId, instance, this);
  // A window that was bound and then failed in its creation has gone through WM_NCDESTROY, and with it the object
  // if the window owned it; one that never got as far leaves the object to be dropped here.
  if (!bound) {
    bound_ = nullptr;
    if (lifetime_ == Lifetime::OwnedByWindow) delete this;
  }
  return hwnd;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

Window* Window::FromHandle(HWND hwnd) {
  // Only a window that runs this procedure keeps a Window in its user data.
  if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Procedure)) return nullptr;
  return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    if (self->bound_) *std::exchange(self->bound_, nullptr) = true;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_GETOBJECT) {
    if (const LRESULT named = NamedObject(hwnd, wp, lp)) return named;
  }

  LRESULT result = 0;
  bool failed = false;
  std::string message;
  try {
    result = self->HandleMessage(msg, wp, lp);
  } catch (const std::exception& e) {
    failed = true;
    message = e.what();
  } catch (...) {
    failed = true;
    message = "Unexpected failure";
  }
  if (msg == WM_NCDESTROY) {
    ForgetAccessibleName(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->OnDestroyed();
    if (self->lifetime_ == Lifetime::OwnedByWindow) {
      delete self;
      self = nullptr;
    }
  }
  if (failed) {
    HWND owner = GetAncestor(hwnd, GA_ROOT);
    ShowAppError(owner && IsWindow(owner) && IsWindowVisible(owner) ? owner : nullptr, message);
    // A window whose creation failed half-way is not created.
    if (msg == WM_NCCREATE) return FALSE;
    if (msg == WM_CREATE) return -1;
  }
  return result;
}

}  // namespace qm
