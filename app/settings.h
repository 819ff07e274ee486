// The settings kept between runs in the current user's registry: HKCU\Software\Orvenna, subkey "Quillmark".
// Reading never fails (a missing or unreadable value gives its default); a save that cannot create the subkey or
// store a value ends with an AppError, the values stored before it stay stored.
#pragma once

#include <windows.h>

namespace qm {

// The main window's settings: where it stands, the current kind and the page of kind buttons that shows.
struct MainSettings {
  POINT position;
  int dialogKind;
  int activePage;
  int target;  // as stored: the main window keeps it within the targets it knows
  bool handleAnswer;
};
// Loaded inside the main window's construction, before FormCreate. `size` is the window's outer size: a stored
// position that would put the window out of reach of every monitor is brought back onto the screen.
MainSettings LoadMainSettings(SIZE size);
// Saved when the main window closes, after the editor.
void SaveMainSettings(const MainSettings& settings);

// The editor's pane heights, as stored (the editor applies its limits): loaded by its FormCreate, saved by its
// FormDestroy.
struct PaneHeightSettings {
  int uses;
  int decl;
  int impl;
};
PaneHeightSettings LoadEditorSettings();
void SaveEditorSettings(const PaneHeightSettings& heights);

// A window's outer rectangle in screen pixels; for a minimised window, the one it has when restored.
RECT RestoredWindowRect(HWND window);

}  // namespace qm
