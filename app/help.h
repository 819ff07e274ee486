// The help document beside the program, and the "What's this?" popups.
#pragma once

#include <windows.h>

namespace qm {

void OpenHelp(HWND owner, int context);
void ShowContextHelp(HWND owner, const HELPINFO* info);

}  // namespace qm
