// The main window: two pages of kind buttons, the twelve stacked kind panels and the command column.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "app/controls.h"
#include "app/form.h"
#include "dialogs/frame_core.h"
#include "dialogs/kind_panel.h"

namespace qm {

class TMainForm : public MessageSink, public KeyPreview {
 public:
  // Builds the window from its design values, loads the settings, then runs FormCreate.
  static TMainForm* Create(HINSTANCE instance);
  ~TMainForm() override;

  HWND hwnd() const { return hwnd_; }
  std::uint8_t FDialogKind = dkMessageBox;

  void SelectDialogKind(int kind);
  KindPanel* Panel(int kind) const;  // null for a value that names no kind
  int ActivePage() const;
  void SetActivePage(int index);     // 0, 1, or anything else for none

  // Commands.
  void btnTestClick();
  void btnCopyClick();
  void btnEditClick();
  void btnResetClick();
  void btnMinimizeClick();
  void btnHelpClick();
  void btnAboutClick();

  void FormKeyDown(WPARAM key) override;
  bool HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  TMainForm() = default;
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void CreateControls();
  void FormCreate();
  void OnCommand(int id);
  void ShowPage(int index);
  void CreateFrontPanel();
  void RunBuilder(TBuildMode mode);

  HWND hwnd_ = nullptr;
  HWND panel2_ = nullptr;
  HWND pageControl_ = nullptr;
  HWND pages_[2] = {nullptr, nullptr};
  HWND background_ = nullptr;
  std::array<std::unique_ptr<KindPanel>, 13> panels_;
};

extern TMainForm* MainForm;

}  // namespace qm
