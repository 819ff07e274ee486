// The About window: product, version and machine information.
#pragma once

#include <windows.h>

namespace qm {

// Creates a new About window and shows it modally.
void ShowAboutBox(HWND owner);

}  // namespace qm
