#include "dialogs/kind_panel.h"

#include "app/win_util.h"
#include "editor/edit_form.h"

namespace qm {

void KindPanel::Attach(HWND panel, HWND owner) {
  panel_ = panel;
  owner_ = owner;
  SetPanelSink(panel, this);
}

void KindPanel::EnsureCreated() {
  if (created_ || !panel_) return;
  created_ = true;
  Builder b(panel_);
  CreateControls(b);
}

void KindPanel::Run(TBuildMode mode) {
  if (mode != bmTest && mode != bmCopy && mode != bmEdit) return;
  EnsureCreated();
  if (mode == bmTest) EnsureOle();
  Build(mode);
}

bool KindPanel::HandleMessage(HWND, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (OnMessage(msg, wp, lp, result)) return true;
  if (msg == WM_COMMAND) {
    HandleContainerMessage(panel_, msg, wp, lp, result);  // speed-button grouping first
    bool handled = false;
    RunCommand(owner_, [&] { handled = OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)); });
    (void)handled;
    result = 0;
    return true;  // a panel's commands concern only its own kind
  }
  if (msg == WM_NOTIFY) {
    bool handled = false;
    RunCommand(owner_, [&] { handled = OnNotify(reinterpret_cast<NMHDR*>(lp), result); });
    return handled;
  }
  return false;
}

void KindPanel::Deliver(TBuildMode mode, const GeneratedCode& code) const {
  if (mode == bmCopy) {
    FragmentList() = code.fragment;
    PutClipboardText(owner_, JoinCrLf(FragmentList()));
  } else if (mode == bmEdit) {
    if (EditForm) EditForm->FillPanes(code.uses, code.decl, code.impl);
  }
}

Lines& FragmentList() {
  static Lines list;
  return list;
}

}  // namespace qm
