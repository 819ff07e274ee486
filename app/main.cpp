#include <windows.h>
#include <commctrl.h>

#include "app/dpi.h"
#include "app/form.h"
#include "app/main_form.h"
#include "app/win_util.h"
#include "editor/edit_form.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The manifest declares the DPI awareness; this covers a start without it (a stripped or renamed manifest).
  qm::EnsureDpiAwareness();
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_ANIMATE_CLASS |
                                           ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&icc);

  qm::TMainForm* form = qm::TMainForm::Create(instance);
  if (!form) return 1;
  int code = qm::RunMessageLoop();
  qm::TEditForm::Destroy();
  delete form;
  qm::EndOle();
  return code;
}
