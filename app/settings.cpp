#include "app/settings.h"

#include "app/main_form.h"

namespace qm {

void LoadMainSettings(TMainForm& form) {
  SetWindowPos(form.hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  form.SelectDialogKind(dkMessageBox);
  form.SetActivePage(0);
}

void SaveMainSettingsOnExit(TMainForm&) {}

}  // namespace qm
