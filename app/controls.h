// Controls of our own and the helpers that create the standard ones with the forms' font.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace qm {

// ---- Containers ----
// A plain panel window (class "QmPanel") in the button-face colour. It passes the notifications of its children
// (commands, notifications, owner drawing, control colours, scrolling) to its sink, or to its parent when it has none,
// so that a window may lay out its controls on nested panels and still handle them in one place. Speed buttons
// among its children are drawn and grouped here.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Returns true when handled; result is what the window procedure returns.
  virtual bool HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) = 0;
};

enum class Bevel { None, Lowered, Raised };
HWND CreatePanel(HWND parent, int id, int x, int y, int w, int h, Bevel outer = Bevel::None,
                 MessageSink* sink = nullptr, DWORD extraStyle = 0);
void SetPanelSink(HWND panel, MessageSink* sink);
void SetPanelColor(HWND panel, COLORREF color);  // CLR_INVALID: the button face
// Processes the container side of our controls; call it first from any window procedure that parents them.
bool HandleContainerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
void RegisterControlClasses(HINSTANCE instance);

// ---- Speed buttons ----
// Owner-drawn buttons with a picture and a caption, that stay down. Buttons of one group (same parent, same group
// number) release each other; with allowAllUp, pressing the one that is down releases it. BM_GETCHECK answers
// whether a speed button is down and BM_SETCHECK puts it down or up.
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

// ---- Hints ----
void AddHint(HWND control, const char* text);
// Shows the hints: the message loops pass every message here before dispatching it.
void RelayHintMouse(const MSG& msg);

// ---- Standard controls with the forms' font ----
// Creates the controls of one window or panel in tab order. Positions are pixels relative to the parent; Origin()
// moves the reference point, so the controls of a group box can be placed relative to the group box.
class Builder {
 public:
  explicit Builder(HWND parent);
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
  HWND Panel(int id, int x, int y, int w, int h, Bevel outer = Bevel::None);
  HWND parent() const { return parent_; }

 private:
  HWND parent_;
  int ox_ = 0;
  int oy_ = 0;
};

// The value of a spin edit as its text reads (not a number: fallback), and setting it.
int SpinValue(HWND edit, int fallback);
void SetSpinValue(HWND edit, int value);

}  // namespace qm
