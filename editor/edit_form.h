// The code editor window: the three parts of generated code, editable, copied part by part or all together.
#pragma once

#include <windows.h>

#include "dialogs/frame_core.h"

namespace qm {

class TEditForm {
 public:
  // Created hidden right after the main window; destroyed at the end of the program.
  static void Create(HWND mainWindow);
  static void Destroy();

  // The builders' side: clear the three panes, then fill them.
  void FillPanes(const Lines& uses, const Lines& decl, const Lines& impl);
  // Shows the window over the main window, modally; returns when it closes.
  void ShowModal();

  HWND hwnd() const { return hwnd_; }

 private:
  explicit TEditForm(HWND mainWindow) : main_(mainWindow) {}
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void FormCreate();
  void FormShow();
  void Layout();

  HWND main_;
  HWND hwnd_ = nullptr;
  HWND memUses_ = nullptr;
  HWND memDecl_ = nullptr;
  HWND memImpl_ = nullptr;
  bool modal_ = false;
};

extern TEditForm* EditForm;

}  // namespace qm
