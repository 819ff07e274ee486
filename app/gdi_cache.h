// The fonts and pictures the windows draw with: each is made on its first use and kept for the run.
#pragma once

#include <windows.h>

namespace qm {

// Fonts the forms use, created once and kept for the run.
HFONT FormFont();                  // "MS Sans Serif", height -11
HFONT BoldFont(int height);        // "MS Sans Serif", bold
HFONT CodeFont();                  // "Courier New", height -13, fixed pitch

// A bitmap of this program's resources; the pixels of colour magenta are its transparent background.
HBITMAP Picture(int id);
void DrawPicture(HDC dc, HBITMAP picture, int x, int y, bool disabled = false);

}  // namespace qm
