// One option panel per dialog kind: it reads its controls into the kind's options, shows the kind's Windows dialog
// (Test) and returns the kind's generated code (Generate). Where the code goes is the main window's business.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/builder.h"
#include "app/panel.h"
#include "app/win_util.h"
#include "dialogs/frame_core.h"

namespace qm {

// The panel window exists from the start; its controls are created, with their start values, the first time the
// panel comes to the front or is needed (EnsureCreated).
class KindPanel : public Panel {
 public:
  explicit KindPanel(TDialogKind kind) : Panel(Lifetime::OwnedByCaller), kind_(kind) {}

  TDialogKind kind() const { return kind_; }
  HWND panel() const { return hwnd(); }
  // The window that owns the dialogs a test shows: the one the panel stands in.
  HWND owner() const { return GetAncestor(hwnd(), GA_ROOT); }
  bool created() const { return created_; }
  void EnsureCreated();
  HWND Item(int id) const { return FindControl(hwnd(), id); }

  // Shows the kind's Windows dialog with the panel's options, now.
  void Test();
  // The code that shows the same dialog, for the compiler `target`: the clipboard fragment and the editor's three
  // parts. With `handleAnswer` a kind whose dialog gives an answer writes code that branches on it.
  GeneratedCode Generate(TCodeTarget target, bool handleAnswer = false) {
    EnsureCreated();
    target_ = target;
    handleAnswer_ = handleAnswer;
    return GenerateCode();
  }
  // Code for Delphi before 2009 holds in its string literals only what the ANSI code page holds: throws the error
  // that names the first field whose text holds another character, and that character.
  void CheckAnsiTexts() const;
  // The Reset command while this kind is current.
  virtual void Reset() {}
  // The main window tells every panel whether its kind is now the current one.
  virtual void OnSelected(bool current) { (void)current; }
  // An option that the panel keeps beside its controls (the font panel's sample font), as a preset keeps it, and
  // setting it from such a text as the user would; false when the text does not fit.
  virtual std::string PresetState(int id) const {
    (void)id;
    return {};
  }
  virtual bool SetPresetState(int id, const std::string& text) {
    (void)id, (void)text;
    return false;
  }

 protected:
  virtual void CreateControls(Builder& b) = 0;
  virtual void ShowDialog() = 0;
  virtual GeneratedCode GenerateCode() const = 0;
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

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // The target that Generate was asked for, and whether the code is to handle the answer.
  TCodeTarget target() const { return target_; }
  bool handleAnswer() const { return handleAnswer_; }

 private:
  TDialogKind kind_;
  TCodeTarget target_ = ctDelphiClassic;
  bool handleAnswer_ = false;
  bool created_ = false;
};

// The panel of each kind, defined in the kind's own file.
template <TDialogKind Kind>
std::unique_ptr<KindPanel> MakeKindPanel();

}  // namespace qm
