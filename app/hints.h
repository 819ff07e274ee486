// Hints: the tooltip that shows a control's short description while the mouse rests on it.
#pragma once

#include <windows.h>

namespace qm {

void AddHint(HWND control, const char* text);
// Shows the hints: the message loops pass every message here before dispatching it.
void RelayHintMouse(const MSG& msg);

}  // namespace qm
