// Named presets of the kind panels: kept in the registry (HKCU\Software\Orvenna\Quillmark\Presets\<kind>\<name>),
// saved from and applied to the current kind's panel, and offered in the main window's system menu.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/presets_core.h"
#include "dialogs/kind_panel.h"

namespace qm {

// The kind's presets in the order the menu lists them (without regard to case); at most kMaxPresetsPerKind.
std::vector<std::string> PresetNames(int kind);
// Stores every option of the panel under `name`, replacing a preset of that name.
void SavePreset(KindPanel& panel, const std::string& name);
// Sets the panel from the preset as the user would, so that its handlers run; gives what did not fit.
std::vector<SkippedValue> ApplyPreset(KindPanel& panel, const std::string& name);
void DeletePreset(int kind, const std::string& name);

// "Save preset...", and the "Presets" submenu with the current kind's names and "Delete preset...", in a window's
// system menu. The submenu is filled anew whenever the menu opens, so that it shows the kind that is current then.
class PresetMenu {
 public:
  void AddTo(HMENU systemMenu);
  void Fill(int kind);
  bool Handles(WPARAM id) const;
  // Runs the command `id` of the menu for the panel (under the error box).
  void Run(HWND owner, WPARAM id, KindPanel* panel);

 private:
  HMENU menu_ = nullptr;     // the system menu
  HMENU submenu_ = nullptr;  // belongs to the system menu
  int kind_ = -1;
  std::vector<std::string> names_;  // the names of the submenu's items, in their order
};

}  // namespace qm
