// Speed buttons: owner-drawn buttons with a picture and a caption, that stay down. Buttons of one group (same parent,
// same group number) release each other; with allowAllUp, pressing the one that is down releases it. BM_GETCHECK
// answers whether a speed button is down and BM_SETCHECK puts it down or up.
#pragma once

#include <windows.h>

#include <vector>

namespace qm {

struct SpeedButtonStyle {
  int pictureId = 0;   // resource id of a magenta-keyed bitmap, 0 for none
  bool flat = false;   // no frame until the mouse is over it or it is down
  int group = 0;       // 0: a plain button that does not stay down
  bool allowAllUp = false;
  int margin = -1;     // picture's distance from the left edge; -1 centres picture and caption
  int spacing = 4;     // between picture and caption
  bool pictureAbove = false;
  // A grouped button the keyboard reaches: its group is one stop of the Tab key (at the button that is down), the
  // arrows move along the group, Space presses the button.
  bool keyboard = false;
};
HWND CreateSpeedButton(HWND parent, int id, const char* caption, int x, int y, int w, int h,
                       const SpeedButtonStyle& style);
bool IsSpeedButton(HWND hwnd);
bool IsDown(HWND speedButton);
void SetDown(HWND speedButton, bool down);  // runs no handler
void SetCaptionColor(HWND speedButton, COLORREF color);
COLORREF CaptionColor(HWND speedButton);

// A group of speed buttons that act as one control, drawn by one toolbar window: one window instead of one per
// button, keyboard access (Tab reaches the group, the arrows move between its buttons, Space presses one) and names
// for screen readers. Each button's control id is its command id on the toolbar; a click sends the parent
// WM_COMMAND(id, BN_CLICKED) with the toolbar as the control, which puts the button down as for a grouped speed button,
// so the parent can tell it from a speed button only by that handle. The buttons keep their own rectangles.
struct ToolButton {
  int id;
  const char* caption;  // on the face, and the button's name when it has no `name`
  int x, y, w, h;       // in the parent; a row's buttons share y, and every row starts at the same x
  int pictureId;
  const char* name;     // what a screen reader says for a button without a caption
};
HWND CreateSpeedBar(HWND parent, int id, const std::vector<ToolButton>& buttons, const SpeedButtonStyle& style);
// The speed bar among parent's children that holds the button with this id, or null.
HWND SpeedBarHolding(HWND parent, int buttonId);
bool IsDown(HWND speedBar, int buttonId);
void SetDown(HWND speedBar, int buttonId, bool down);  // runs no handler
void SetCaptionColor(HWND speedBar, int buttonId, COLORREF color);

// The parent's side of its speed buttons and speed bars: drawing them, and putting a grouped one down when it is
// clicked. Every window that parents speed buttons passes its messages here first; true when the message was consumed.
bool HandleSpeedButtons(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace qm
