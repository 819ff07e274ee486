// The main window: two pages of kind buttons, the twelve stacked kind panels and the command column. It decides
// where a kind's generated code goes: the clipboard (Copy) or the code editor (Edit).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "app/form.h"
#include "app/presets.h"
#include "app/window.h"
#include "dialogs/frame_core.h"
#include "dialogs/kind_panel.h"

namespace qm {

class TMainForm : public Window, public KeyPreview {
 public:
  // Builds the window from its design values, loads the settings, then runs FormCreate.
  static TMainForm* Create(HINSTANCE instance);
  ~TMainForm() override;

  std::uint8_t FDialogKind = dkMessageBox;
  // The compiler the generated code is written for; chosen in the system menu and kept in the settings.
  TCodeTarget FCodeTarget = ctDelphiClassic;
  void SelectCodeTarget(TCodeTarget target);
  // Whether the code of a kind whose dialog gives an answer branches on it; a check item of the system menu, kept in
  // the settings.
  bool FHandleAnswer = false;
  void SelectHandleAnswer(bool handle);

  void SelectDialogKind(int kind);
  // The kind's panel, its window made on first need (its controls on EnsureCreated); null for a value that names
  // no kind.
  KindPanel* Panel(int kind);
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

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  TMainForm() = default;
  void CreateControls();
  // The window's size at this DPI, from the design size of its client area.
  void FitToDpi(int dpi);
  // Where a page of kind buttons stands (pageRect_), from the tab control as it now is; moves the pages made so far.
  void MeasurePages();
  // A move to a monitor with another scaling: the suggested place, and everything laid out again.
  void OnDpiChanged(WPARAM wp, LPARAM lp);
  void AddTargetMenu();
  void LoadSettings();
  void SaveSettings();
  void CreateFrontPanel();
  void FormCreate();
  void OnCommand(int id);
  void ShowPage(int index);
  // A page of kind buttons is made when it is first shown (or asked for); null for an index that names none.
  HWND EnsurePage(int index);
  // The kind panel object, whether or not its window exists yet.
  KindPanel* PanelObject(int kind) const;
  // Brings the panel, with its controls, to the front and hides the one that was there, in one paint.
  void ShowPanel(KindPanel* panel);
  // Test shows the current kind's dialog; Copy puts its code on the clipboard, Edit into the editor's panes.
  void RunBuilder(TBuildMode mode);
  // The current kind's panel, with its controls; null while the current kind names none.
  KindPanel* CurrentPanel();

  HWND panel2_ = nullptr;
  HWND pageControl_ = nullptr;
  HWND pages_[2] = {nullptr, nullptr};
  RECT pageRect_{};  // where a page stands on Panel2, in design pixels
  HWND background_ = nullptr;
  KindPanel* shown_ = nullptr;  // the panel in front, the only one shown
  std::vector<std::unique_ptr<KindPanel>> panels_;  // in the order of the kind table's rows
  PresetMenu presets_;  // the system menu's presets of the current kind
};

extern TMainForm* MainForm;

}  // namespace qm
