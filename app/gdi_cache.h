// The fonts and pictures the windows draw with: each is made on its first use and kept for the run.
#pragma once

#include <windows.h>

namespace qm {

// Fonts the forms use, each made once per DPI and kept for the run. Heights are design heights (pixels at 96 DPI);
// the font is made at `dpi`.
HFONT FormFont(int dpi = 96);                // "MS Sans Serif", height -11
HFONT BoldFont(int height, int dpi = 96);    // "MS Sans Serif", bold
HFONT CodeFont(int dpi = 96);                // "Courier New", height -13, fixed pitch
// Any face: the same cache.
HFONT DesignFont(const wchar_t* face, int height, int weight, bool italic, int dpi, BYTE pitchAndFamily = 0);
// The font that `font` is, made at another DPI; `font` itself when it is not one of these.
HFONT FontAtDpi(HFONT font, int dpi);

// Whether the user has chosen a high-contrast scheme: then the windows draw with the system colours only.
bool HighContrast();

// A bitmap of this program's resources, drawn for the scaling nearest to `dpi` (never stretched: its size is the
// drawing's own); the pixels of colour magenta are its transparent background. `id` is the picture's IDB_ id.
HBITMAP Picture(int id, int dpi = 96);
// The program icon with `pixels` square images (GetSystemMetricsForDpi's SM_CXICON or SM_CXSMICON of the window's
// DPI): Windows takes the icon file's image nearest to that size. Kept for the run; never destroy it.
HICON ProgramIcon(int pixels);
void DrawPicture(HDC dc, HBITMAP picture, int x, int y, bool disabled = false);

}  // namespace qm
