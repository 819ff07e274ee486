// One option panel per dialog kind, and the contract every kind's builder follows.
#pragma once

#include <windows.h>

#include <memory>

#include "app/controls.h"
#include "app/win_util.h"
#include "dialogs/frame_core.h"

namespace qm {

// A kind's panel and its builder. The panel window exists from the start; its controls are created, with their start
// values, the first time the panel comes to the front or is needed (EnsureCreated).
class KindPanel : public MessageSink {
 public:
  explicit KindPanel(TDialogKind kind) : kind_(kind) {}
  ~KindPanel() override = default;
  KindPanel(const KindPanel&) = delete;
  KindPanel& operator=(const KindPanel&) = delete;

  TDialogKind kind() const { return kind_; }
  void Attach(HWND panel, HWND owner);
  HWND panel() const { return panel_; }
  HWND owner() const { return owner_; }  // the main window
  bool created() const { return created_; }
  void EnsureCreated();
  HWND Item(int id) const { return FindControl(panel_, id); }

  // The builder: bmTest shows the Windows dialog, bmCopy puts the fragment on the clipboard, bmEdit fills the
  // editor's panes. Kinds without a builder do nothing.
  void Run(TBuildMode mode);
  // The Reset command while this kind is current.
  virtual void Reset() {}
  // SelectDialogKind tells every panel whether its kind is now the current one.
  virtual void OnSelected(bool current) { (void)current; }

  bool HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 protected:
  virtual void CreateControls(Builder& b) = 0;
  virtual void Build(TBuildMode mode) = 0;
  virtual bool OnCommand(int id, int code, HWND control) {
    (void)id, (void)code, (void)control;
    return false;
  }
  virtual bool OnNotify(NMHDR* header, LRESULT& result) {
    (void)header, (void)result;
    return false;
  }
  // Any other message to the panel (control colours, owner drawing of the kind's own controls, ...).
  virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    (void)msg, (void)wp, (void)lp, (void)result;
    return false;
  }

  // Hands generated code to the clipboard (bmCopy) or the editor (bmEdit).
  void Deliver(TBuildMode mode, const GeneratedCode& code) const;

 private:
  TDialogKind kind_;
  HWND panel_ = nullptr;
  HWND owner_ = nullptr;
  bool created_ = false;
};

// The panel object of each kind; defined in the kind's own file.
std::unique_ptr<KindPanel> MakeMessageBoxPanel();
std::unique_ptr<KindPanel> MakeBrowseForFolderPanel();
std::unique_ptr<KindPanel> MakeRunDlgPanel();
std::unique_ptr<KindPanel> MakeFormatDrivePanel();
std::unique_ptr<KindPanel> MakeShellAboutPanel();
std::unique_ptr<KindPanel> MakeIconDlgPanel();
std::unique_ptr<KindPanel> MakeOpenDlgPanel();
std::unique_ptr<KindPanel> MakeSaveDlgPanel();
std::unique_ptr<KindPanel> MakeColorDlgPanel();
std::unique_ptr<KindPanel> MakePrintDlgPanel();
std::unique_ptr<KindPanel> MakeFontDlgPanel();
std::unique_ptr<KindPanel> MakeFileOpPanel();

// The fragment list: the lines of the last Copy, kept from start to end of the program.
Lines& FragmentList();

// The main window's handle and the current kind's panel, for handlers that act on "the current kind".
HWND MainWindow();
KindPanel* CurrentKindPanel();

}  // namespace qm
