// Owners of the program's handles: one small type per kind of handle, movable and not copyable, and the owners that
// painting uses (a window's device context, a selected object, a memory device context).
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <utility>

namespace qm {

template <typename H, typename Traits>
class Scoped {
 public:
  Scoped() = default;
  explicit Scoped(H h) : h_(h) {}
  ~Scoped() { reset(); }
  Scoped(Scoped&& o) noexcept : h_(std::exchange(o.h_, Traits::Invalid())) {}
  Scoped& operator=(Scoped&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = std::exchange(o.h_, Traits::Invalid());
    }
    return *this;
  }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  H get() const { return h_; }
  H* put() {
    reset();
    return &h_;
  }
  H release() { return std::exchange(h_, Traits::Invalid()); }
  explicit operator bool() const { return h_ != Traits::Invalid(); }
  void reset(H h = Traits::Invalid()) {
    if (h_ != Traits::Invalid()) Traits::Close(h_);
    h_ = h;
  }

 private:
  H h_ = Traits::Invalid();
};

struct GlobalTraits {
  static HGLOBAL Invalid() { return nullptr; }
  static void Close(HGLOBAL h) { GlobalFree(h); }
};
struct GdiTraits {
  static HGDIOBJ Invalid() { return nullptr; }
  static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct IconTraits {
  static HICON Invalid() { return nullptr; }
  static void Close(HICON h) { DestroyIcon(h); }
};
struct PidlTraits {
  static LPITEMIDLIST Invalid() { return nullptr; }
  static void Close(LPITEMIDLIST p) { CoTaskMemFree(p); }
};
struct ModuleTraits {
  static HMODULE Invalid() { return nullptr; }
  static void Close(HMODULE h) { FreeLibrary(h); }
};
using ScopedGlobal = Scoped<HGLOBAL, GlobalTraits>;
using ScopedGdiObj = Scoped<HGDIOBJ, GdiTraits>;
using ScopedIcon = Scoped<HICON, IconTraits>;
using ScopedPidl = Scoped<LPITEMIDLIST, PidlTraits>;
using ScopedModule = Scoped<HMODULE, ModuleTraits>;

class ScopedGetDC {
 public:
  explicit ScopedGetDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~ScopedGetDC() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  ~ScopedSelectObject() {
    if (old_) SelectObject(dc_, old_);
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A window's painting, from BeginPaint to EndPaint, with its client rectangle.
class ScopedPaint {
 public:
  explicit ScopedPaint(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) { GetClientRect(hwnd, &client_); }
  ~ScopedPaint() { EndPaint(hwnd_, &ps_); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  HDC dc() const { return dc_; }
  const RECT& client() const { return client_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
  RECT client_{};
};

// A memory device context compatible with another, deleted with its owner.
class ScopedMemoryDC {
 public:
  explicit ScopedMemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~ScopedMemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  ScopedMemoryDC(const ScopedMemoryDC&) = delete;
  ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace qm
