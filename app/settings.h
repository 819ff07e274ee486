// The settings kept between runs in the current user's registry.
#pragma once

namespace qm {

class TMainForm;

// Position, current kind and page: loaded inside the main window's construction, saved at the end.
void LoadMainSettings(TMainForm& form);
void SaveMainSettingsOnExit(TMainForm& form);

}  // namespace qm
