// The code editor window: the three parts of generated code, editable, copied part by part or all together.
#pragma once

#include <windows.h>

#include "app/form.h"
#include "app/window.h"
#include "core/code_writer.h"
#include "core/lines.h"
#include "editor/splitter.h"

namespace qm {

class TEditForm : public Window, public KeyPreview, public SplitterSink {
 public:
  // Created hidden right after the main window; destroyed at the end of the program, before the main window.
  static void Create(HWND mainWindow);
  // Creates the editor unless it exists.
  static void EnsureCreated(HWND mainWindow);
  // Saves the pane heights (a failure shows the error box) and destroys the window.
  static void Destroy();

  // The builders' side: clear the three panes, then fill them.
  // `target` is the compiler the code is for: Copy All's first line names it.
  void FillPanes(const Lines& uses, const Lines& decl, const Lines& impl, TCodeTarget target = ctDelphiClassic);
  // Shows the window over the main window, modally, with the main window's caption and `captionSuffix` (what the
  // code is written for, where it is not the classic target); returns when it closes.
  void ShowModal(const std::string& captionSuffix = {});

  // Pane heights, for the settings. Setting them applies each pane's limits.
  int UsesHeight() const;
  int DeclHeight() const;
  int ImplHeight() const;
  void SetPaneHeights(int uses, int decl, int impl);

  // Event handlers.
  void FormCreate();
  void FormShow(const std::string& captionSuffix);
  void FormDestroy();
  void FormKeyDown(WPARAM key) override;
  void splBottomMoved();
  void btnCopyUsesClick();
  void btnCopyDeclClick();
  void btnCopyImplClick();
  void btnCopyAllClick();
  void btnCloseClick();

  void SplitterBegin(int id) override;
  void SplitterDrag(int id, int delta) override;
  void SplitterEnd(int id) override;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  explicit TEditForm(HWND mainWindow) : main_(mainWindow) {}
  void CreateControls();
  void OnCommand(int id, int code, HWND control);
  void Layout();
  void CopyPane(HWND memo);
  void KeepMemoFocus();

  struct Pane {
    HWND panel = nullptr;
    HWND header = nullptr;
    HWND copy = nullptr;
    HWND memo = nullptr;
  };
  Pane CreatePane(int panelId, int headerId, int copyId, int memoId, const char* caption, const char* hint,
                  int helpContext, int height);
  // Layout works in design pixels (96 DPI): the client area in them, and moving a control to a design rectangle.
  RECT DesignClient() const;
  void Move(HWND control, int x, int y, int w, int h) const;
  void PlacePane(const Pane& pane, int x, int y, int w, int h) const;

  HWND main_;
  TCodeTarget target_ = ctDelphiClassic;
  Pane uses_;
  Pane decl_;
  Pane impl_;
  HWND splTop_ = nullptr;
  HWND splBottom_ = nullptr;
  HWND pnlBottom_ = nullptr;
  HWND btnCopyAll_ = nullptr;
  HWND btnClose_ = nullptr;

  int usesHeight_ = 70;   // design heights (96 DPI); the window's own until the settings give theirs
  int implHeight_ = 120;
  int dragStart_ = 0;
  int maxHeight_ = 0;     // the window's height constraint: the main window's height at creation
  HWND lastFocus_ = nullptr;
  bool modal_ = false;
  bool destroyed_ = false;
};

extern TEditForm* EditForm;

}  // namespace qm
