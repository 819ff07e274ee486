// The one base of every window class of the program. Its window procedure binds the C++ object to its window at
// WM_NCCREATE, so that the object sees every message from the first one on, unbinds it at WM_NCDESTROY, and turns an
// exception that a handler lets out into the program's error box instead of letting it unwind through Windows.
#pragma once

#include <windows.h>

namespace qm {

// What a window class of the program differs in; the rest is the same for all of them.
struct WindowClass {
  const wchar_t* name;
  UINT style = 0;
  HBRUSH background = nullptr;  // null: the window paints its whole background itself
  HICON icon = nullptr;
  LPCWSTR cursor = IDC_ARROW;
};

class Window {
 public:
  // A window that belongs to its window (a control of ours, made with new) is deleted when the window goes, or by
  // Create when Windows refuses to make the window: whoever made it never deletes it.
  enum class Lifetime { OwnedByCaller, OwnedByWindow };
  explicit Window(Lifetime lifetime = Lifetime::OwnedByCaller) : lifetime_(lifetime) {}
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return hwnd_; }

  // The object bound to a window of ours, or null for any other window.
  static Window* FromHandle(HWND hwnd);
  // The same, when it is a T.
  template <typename T>
  static T* Of(HWND hwnd) {
    return dynamic_cast<T*>(FromHandle(hwnd));
  }

 protected:
  // Registers the class on its first use and creates the window, bound to this object; `text` is UTF-8. A child
  // window's id goes in `menuOrId`. Null when Windows refuses the window; an object owned by its window is then gone already.
  HWND Create(const WindowClass& cls, DWORD exStyle, const char* text, DWORD style, int x, int y, int w, int h,
              HWND parent, HMENU menuOrId);

  // Every message of the window. The default is Windows' default handling.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

  // Called once the window has gone and the object is unbound (and, owned by its window, about to be deleted).
  virtual void OnDestroyed() {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  Lifetime lifetime_;
  HWND hwnd_ = nullptr;
  bool* bound_ = nullptr;  // set while Create waits for WM_NCCREATE
};

// A child id as CreateWindowEx takes it.
inline HMENU ChildId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

}  // namespace qm
