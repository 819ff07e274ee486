// Speed buttons: owner-drawn buttons with a picture and a caption, that stay down. Buttons of one group (same parent,
// same group number) release each other; with allowAllUp, pressing the one that is down releases it. BM_GETCHECK
// answers whether a speed button is down and BM_SETCHECK puts it down or up.
#pragma once

#include <windows.h>

namespace qm {

struct SpeedButtonStyle {
  int pictureId = 0;   // resource id of a magenta-keyed bitmap, 0 for none
  bool flat = false;   // no frame until the mouse is over it or it is down
  int group = 0;       // 0: a plain button that does not stay down
  bool allowAllUp = false;
  int margin = -1;     // picture's distance from the left edge; -1 centres picture and caption
  int spacing = 4;     // between picture and caption
  bool pictureAbove = false;
};
HWND CreateSpeedButton(HWND parent, int id, const char* caption, int x, int y, int w, int h,
                       const SpeedButtonStyle& style);
bool IsSpeedButton(HWND hwnd);
bool IsDown(HWND speedButton);
void SetDown(HWND speedButton, bool down);  // runs no handler
void SetCaptionColor(HWND speedButton, COLORREF color);
COLORREF CaptionColor(HWND speedButton);

// The parent's side of its speed buttons: drawing them, and putting a grouped one down when it is clicked. Every
// window that parents speed buttons passes its messages here first; true when the message was consumed.
bool HandleSpeedButtons(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace qm
