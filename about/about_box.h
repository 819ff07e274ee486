// The About window (TAboutBox): product, version and machine information in a caption-less window of pages.
#pragma once

#include <windows.h>

namespace qm {

// Creates a new About window owned by `owner`, shows it modally, and destroys it when it closes.
void ShowAboutBox(HWND owner);

}  // namespace qm
