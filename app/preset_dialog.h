// The small modal window that asks for a preset's name: an edit for a new name (Save preset) or a list of the
// saved ones (Delete preset), with OK and Cancel; Enter is OK, Esc is Cancel.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qm {

struct PresetDialogSpec {
  const char* caption;
  const char* prompt;
  // Empty: the user types a name into an edit. Otherwise the user chooses one of these from a list.
  std::vector<std::string> choices;
  // Asked on OK with the name: false keeps the window open (it has told the user why), so that the user can try
  // again. The window is the owner of whatever it shows.
  std::function<bool(HWND window, const std::string& name)> accept;
};

// The name that the user confirmed; nothing when the user cancelled.
std::optional<std::string> AskPresetName(HWND owner, const PresetDialogSpec& spec);

}  // namespace qm
