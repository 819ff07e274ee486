// The settings kept between runs in the current user's registry: HKCU\Software\Orvenna, subkey "Quillmark".
// Reading never fails (a missing or unreadable value gives its default); a save that cannot create the subkey or
// store a value ends with an AppError, the values stored before it stay stored.
#pragma once

#include <windows.h>

namespace qm {

class TMainForm;
class TEditForm;

// Position, current kind and page: loaded inside the main window's construction, before FormCreate.
void LoadMainSettings(TMainForm& form);
// Saved when the main window closes, after the editor; a failure shows the error box and the program still ends.
void SaveMainSettingsOnExit(TMainForm& form);
void SaveMainSettings(TMainForm& form);

// The editor's pane heights: loaded by its FormCreate, saved by its FormDestroy.
void LoadEditorSettings(TEditForm& form);
void SaveEditorSettings(TEditForm& form);

// A window's outer rectangle in screen pixels; for a minimised window, the one it has when restored.
RECT RestoredWindowRect(HWND window);

}  // namespace qm
