// The least a Windows program can show: one 576 by 376 window and its message loop, nothing else. The benchmark
// driver starts it the same way as quillmark.exe to measure what starting any program costs on this machine.
#include <windows.h>

namespace {

const char kClassName[] = "QmBenchBaseline";

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);

  // The same frame as the main window, so that both programs show a client area of the same size.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW;
  RECT r{0, 0, 576, 376};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  HWND hwnd = CreateWindowExA(exStyle, kClassName, "Baseline", style, 0, 0, r.right - r.left, r.bottom - r.top,
                              nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
