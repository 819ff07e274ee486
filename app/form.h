// What every top-level window of the program shares: key preview, the dialog keyboard, the message loops.
#pragma once

#include <windows.h>

namespace qm {

// A window of ours that is also a KeyPreview sees every key press in it before the focused control; the key then goes
// on as usual.
class KeyPreview {
 public:
  virtual ~KeyPreview() = default;
  virtual void FormKeyDown(WPARAM key) = 0;
};

// Key preview, then the dialog keyboard (Tab, accelerators of labels). True when the message was consumed.
bool PreTranslate(MSG& msg);
int RunMessageLoop();
// Disables the owner, shows the form, and runs messages until the form is hidden or destroyed.
void RunModal(HWND form, HWND owner);

bool CtrlHeld();

}  // namespace qm
