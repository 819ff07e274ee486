#include "app/form.h"

#include "app/hints.h"
#include "app/window.h"

namespace qm {

bool CtrlHeld() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

bool PreTranslate(MSG& msg) {
  if (!msg.hwnd) return false;
  RelayHintMouse(msg);
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  if (!root) return false;
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
    if (auto* preview = dynamic_cast<KeyPreview*>(Window::FromHandle(root))) {
      preview->FormKeyDown(msg.wParam);
      // The handler may have closed or destroyed the window.
      if (!IsWindow(msg.hwnd)) return true;
    }
  }
  if ((GetWindowLongW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsDialogMessageW(root, &msg)) return true;
  return false;
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void RunModal(HWND form, HWND owner) {
  EnableWindow(owner, FALSE);
  ShowWindow(form, SW_SHOW);
  SetForegroundWindow(form);
  MSG msg;
  while (IsWindow(form) && IsWindowVisible(form)) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // the end of the program came during the modal loop
      break;
    }
    if (PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // Enable the owner before the form goes away, so that Windows gives the activation back to it.
  EnableWindow(owner, TRUE);
  if (IsWindow(form)) ShowWindow(form, SW_HIDE);
  SetActiveWindow(owner);
}

}  // namespace qm
