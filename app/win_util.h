// Small Windows helpers shared by every window: the program's error type and error box, owners for handles,
// text and clipboard access, and thin control wrappers.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "app/clipboard.h"
#include "dialogs/frame_core.h"

namespace qm {

// A failure that ends a command: its message is shown in the program's error box.
class AppError : public std::runtime_error {
 public:
  explicit AppError(const std::string& message) : std::runtime_error(message) {}
};

// The error box: the message, a full stop, caption "Quillmark", the error icon.
void ShowAppError(HWND owner, const std::string& message);

// Runs one command so that no exception escapes into Windows: a failure shows the error box and the program goes on.
template <typename F>
void RunCommand(HWND owner, F&& command) {
  try {
    command();
  } catch (const std::exception& e) {
    ShowAppError(owner, e.what());
  } catch (...) {
    ShowAppError(owner, "Unexpected failure");
  }
}

// A string-table text of this program.
std::string LoadStr(UINT id);
FrameTexts LoadFrameTexts();

// ---- owners of handles: movable, not copyable ----
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

struct RegKeyTraits {
  static HKEY Invalid() { return nullptr; }
  static void Close(HKEY h) { RegCloseKey(h); }
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
using ScopedRegKey = Scoped<HKEY, RegKeyTraits>;
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

// ---- texts of controls ----
std::string GetText(HWND hwnd);
void SetText(HWND hwnd, const std::string& text);
// A memo's lines as the edit control counts them: wrapped lines count as several, a last empty line does not count.
Lines MemoLines(HWND edit);
bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);

// The control with this id anywhere below the window (ids are unique within a window).
HWND FindControl(HWND root, int id);
// A window that goes before the program ends (the About window) forgets the controls found in it.
void ForgetControls(HWND root);

// Fonts the forms use, created once and kept for the run.
HFONT FormFont();                  // "MS Sans Serif", height -11
HFONT BoldFont(int height);        // "MS Sans Serif", bold
HFONT CodeFont();                  // "Courier New", height -13, ANSI character set

// A bitmap of this program's resources; the pixels of colour magenta are its transparent background.
HBITMAP Picture(int id);
void DrawPicture(HDC dc, HBITMAP picture, int x, int y, bool disabled = false);

// The folder that holds quillmark.exe, with a trailing backslash.
std::string ProgramFolder();

// The shell, the common dialogs and COM load on their first call, not at start. The shell's folder picker, its file
// operations and the common dialogs want COM on this thread: every command that shows one of them calls EnsureOle
// first; the first call starts COM, EndOle at exit ends it.
void EnsureOle();
void EndOle();
// shell32.dll, loaded on first use and kept for the run (the file operation's clips are among its resources).
HMODULE ShellModule();

}  // namespace qm
