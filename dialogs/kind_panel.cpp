#include "dialogs/kind_panel.h"

#include "app/speed_button.h"

namespace qm {

void KindPanel::EnsureCreated() {
  if (created_ || !hwnd()) return;
  created_ = true;
  Builder b(hwnd());
  CreateControls(b);
}

void KindPanel::Test() {
  EnsureCreated();
  EnsureOle();
  ShowDialog();
}

LRESULT KindPanel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (OnMessage(msg, wp, lp, result)) return result;
  if (msg == WM_COMMAND) {
    HandleSpeedButtons(msg, wp, lp, result);  // speed-button grouping first
    OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
    return 0;  // a panel's commands concern only its own kind
  }
  if (msg == WM_NOTIFY && OnNotify(reinterpret_cast<NMHDR*>(lp), result)) return result;
  return Panel::HandleMessage(msg, wp, lp);
}

}  // namespace qm
