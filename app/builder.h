// Creates the standard controls of one window or panel, in tab order, with the forms' font.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "app/dpi.h"
#include "app/panel.h"
#include "app/speed_button.h"

namespace qm {

// Positions are design pixels (96 DPI) relative to the parent; Origin() moves the reference point, so the controls of
// a group box can be placed relative to the group box. Every control is made at the parent's DPI, with the form font
// of that DPI, and keeps its design rectangle for a later change of DPI.
class Builder {
 public:
  explicit Builder(HWND parent);
  int dpi() const { return dpi_; }
  int Scaled(int value) const;
  void Origin(int x, int y) {
    ox_ = x;
    oy_ = y;
  }
  HWND Make(const char* cls, int id, const char* text, DWORD style, DWORD exStyle, int x, int y, int w, int h);
  HWND Group(int id, const char* caption, int x, int y, int w, int h);
  HWND Label(int id, const char* text, int x, int y, int w, int h, DWORD extra = 0);
  HWND Edit(int id, const char* text, int x, int y, int w, int h, DWORD extra = 0);
  HWND Memo(int id, const char* text, int x, int y, int w, int h, DWORD extra = 0);
  HWND Check(int id, const char* caption, int x, int y, int w, int h, bool checked);
  HWND Radio(int id, const char* caption, int x, int y, int w, int h, bool checked, bool firstOfGroup);
  HWND Combo(int id, int x, int y, int w, int dropHeight, bool editable, std::initializer_list<const char*> items);
  HWND Button(int id, const char* caption, int x, int y, int w, int h);
  // A spin edit: the edit (id) and its arrows (arrowsId). min == max == 0 imposes no range.
  HWND Spin(int id, int arrowsId, int x, int y, int w, int h, int min, int max, int value);
  HWND Speed(int id, const char* caption, int x, int y, int w, int h, const SpeedButtonStyle& style);
  // The buttons' rectangles are design values: the speed bar scales them itself.
  HWND SpeedBar(int id, std::vector<ToolButton> buttons, const SpeedButtonStyle& style);
  HWND Panel(int id, int x, int y, int w, int h, Bevel outer = Bevel::None, DWORD extraStyle = 0);
  HWND parent() const { return parent_; }

 private:
  // Records the design rectangle (origin applied) on a made control.
  HWND Placed(HWND hwnd, int x, int y, int w, int h) const;

  HWND parent_;
  int dpi_;
  int ox_ = 0;
  int oy_ = 0;
};

// The value of a spin edit as its text reads (not a number: fallback), and setting it.
int SpinValue(HWND edit, int fallback);
void SetSpinValue(HWND edit, int value);

}  // namespace qm
