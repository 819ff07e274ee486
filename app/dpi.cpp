#include "app/dpi.h"

#include <commctrl.h>

#include <utility>

#include "app/gdi_cache.h"
#include "app/win_util.h"
#include "app/window.h"

namespace qm {

namespace {

// Functions of later Windows versions than the program's floor, found at run time.
template <typename F>
F User32Function(const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

ATOM PropAtom(const wchar_t* name) {
  return GlobalAddAtomW(name);
}
ATOM LayoutDpiAtom() {
  static const ATOM atom = PropAtom(L"QmLayoutDpi");
  return atom;
}
ATOM DesignPosAtom() {
  static const ATOM atom = PropAtom(L"QmDesignPos");
  return atom;
}
ATOM DesignSizeAtom() {
  static const ATOM atom = PropAtom(L"QmDesignSize");
  return atom;
}

HANDLE Pack(int a, int b) {
  return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(static_cast<DWORD>(MAKELONG(a, b))));
}

BOOL CALLBACK RelayoutOne(HWND child, LPARAM lp) {
  const int dpi = static_cast<int>(lp);
  if (auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0))) {
    HFONT scaled = FontAtDpi(font, dpi);
    if (scaled != font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), FALSE);
  }
  RECT d;
  if (GetDesignRect(child, &d))
    SetWindowPos(child, nullptr, Scale(d.left, dpi), Scale(d.top, dpi), Scale(d.right, dpi), Scale(d.bottom, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  if (Window::FromHandle(child) || IsWindowClass(child, TOOLBARCLASSNAMEW))
    SendMessageW(child, WM_DPICHANGED_AFTERPARENT, 0, 0);
  return TRUE;
}

}  // namespace

int SystemDpi() {
  static const int dpi = [] {
    HDC dc = GetDC(nullptr);
    const int value = dc ? GetDeviceCaps(dc, LOGPIXELSY) : kDesignDpi;
    if (dc) ReleaseDC(nullptr, dc);
    return value > 0 ? value : kDesignDpi;
  }();
  return dpi;
}

int DpiOf(HWND hwnd) {
  HWND top = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
  if (top) {
    const auto stored = reinterpret_cast<ULONG_PTR>(GetPropW(top, MAKEINTATOM(LayoutDpiAtom())));
    if (stored) return static_cast<int>(stored);
  }
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow && hwnd) {
    const UINT dpi = getDpiForWindow(hwnd);
    if (dpi) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

void SetLayoutDpi(HWND topLevel, int dpi) {
  SetPropW(topLevel, MAKEINTATOM(LayoutDpiAtom()), reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(dpi)));
}

void SetDesignRect(HWND control, int x, int y, int w, int h) {
  SetPropW(control, MAKEINTATOM(DesignPosAtom()), Pack(x, y));
  SetPropW(control, MAKEINTATOM(DesignSizeAtom()), Pack(w, h));
}

bool GetDesignRect(HWND control, RECT* design) {
  HANDLE size = GetPropW(control, MAKEINTATOM(DesignSizeAtom()));
  if (!size) return false;
  const auto pos = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(GetPropW(control, MAKEINTATOM(DesignPosAtom()))));
  const auto wh = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(size));
  *design = RECT{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos)), static_cast<short>(LOWORD(wh)),
                 static_cast<short>(HIWORD(wh))};
  return true;
}

void PlaceDesign(HWND control, int x, int y, int w, int h) {
  SetDesignRect(control, x, y, w, h);
  const int dpi = DpiOf(GetParent(control) ? GetParent(control) : control);
  SetWindowPos(control, nullptr, Scale(x, dpi), Scale(y, dpi), Scale(w, dpi), Scale(h, dpi),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void RelayoutTree(HWND window, int dpi) {
  EnumChildWindows(window, RelayoutOne, static_cast<LPARAM>(dpi));
  InvalidateRect(window, nullptr, TRUE);
}

int ApplyDpiChange(HWND topLevel, WPARAM wp, LPARAM lp) {
  const int dpi = LOWORD(wp);
  const auto* r = reinterpret_cast<const RECT*>(lp);
  SetLayoutDpi(topLevel, dpi);
  SetWindowPos(topLevel, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  RelayoutTree(topLevel, dpi);
  return dpi;
}

SIZE WindowSizeForClient(int clientW, int clientH, DWORD style, DWORD exStyle, int dpi) {
  RECT r{0, 0, Scale(clientW, dpi), Scale(clientH, dpi)};
  using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  if (!adjustForDpi || !adjustForDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void SetClientSize(HWND hwnd, int w, int h) {
  RECT outer, client;
  GetWindowRect(hwnd, &outer);
  GetClientRect(hwnd, &client);
  SetWindowPos(hwnd, nullptr, 0, 0, w + (outer.right - outer.left) - client.right,
               h + (outer.bottom - outer.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int MetricForDpi(int index, int dpi) {
  using MetricForDpiFn = int(WINAPI*)(int, UINT);
  static const auto metricForDpi = User32Function<MetricForDpiFn>("GetSystemMetricsForDpi");
  if (metricForDpi) return metricForDpi(index, static_cast<UINT>(dpi));
  return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

void SetWindowIcons(HWND topLevel, int dpi) {
  const std::pair<WPARAM, int> kinds[2] = {{ICON_SMALL, SM_CXSMICON}, {ICON_BIG, SM_CXICON}};
  for (const auto& kind : kinds)
    if (HICON icon = ProgramIcon(MetricForDpi(kind.second, dpi)))
      SendMessageW(topLevel, WM_SETICON, kind.first, reinterpret_cast<LPARAM>(icon));
}

void EnsureDpiAwareness() {
  using SetContextFn = BOOL(WINAPI*)(HANDLE);
  using SetAwareFn = BOOL(WINAPI*)();
  static const auto setContext = User32Function<SetContextFn>("SetProcessDpiAwarenessContext");
  // Refused when the manifest has already declared it, which is the usual case.
  if (setContext && (setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4))) ||  // per monitor, v2
                     setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3)))))   // per monitor
    return;
  if (auto setAware = User32Function<SetAwareFn>("SetProcessDPIAware")) setAware();
}

}  // namespace qm
