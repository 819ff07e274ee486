#include "app/text.h"
#include "app/builder.h"

#include <commctrl.h>

#include <climits>
#include <string>

#include "app/panel.h"
#include "app/speed_button.h"
#include "app/dpi.h"
#include "app/gdi_cache.h"
#include "app/win_util.h"
#include "core/integers.h"

namespace qm {

namespace {
constexpr int kSpinArrowsWidth = 16;   // the arrows of a spin edit
constexpr int kSpinArrowsOverlap = 2;  // they cover the edit's right border
}  // namespace

Builder::Builder(HWND parent) : parent_(parent), dpi_(DpiOf(parent)) {}

int Builder::Scaled(int value) const { return Scale(value, dpi_); }

HWND Builder::Placed(HWND hwnd, int x, int y, int w, int h) const {
  if (hwnd) SetDesignRect(hwnd, ox_ + x, oy_ + y, w, h);
  return hwnd;
}

HWND Builder::Make(const char* cls, int id, const char* text, DWORD style, DWORD exStyle, int x, int y, int w,
                   int h) {
  HWND hwnd = CreateWindowExW(exStyle, Wide(cls).c_str(), Wide(text ? text : "").c_str(), WS_CHILD | WS_VISIBLE | style,
                              Scaled(ox_ + x), Scaled(oy_ + y), Scaled(w), Scaled(h), parent_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (hwnd) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FormFont(dpi_)), FALSE);
  return Placed(hwnd, x, y, w, h);
}

HWND Builder::Group(int id, const char* caption, int x, int y, int w, int h) {
  return Make("BUTTON", id, caption, BS_GROUPBOX | WS_CLIPSIBLINGS, 0, x, y, w, h);
}
HWND Builder::Label(int id, const char* text, int x, int y, int w, int h, DWORD extra) {
  return Make("STATIC", id, text, SS_LEFT | extra, 0, x, y, w, h);
}
HWND Builder::Edit(int id, const char* text, int x, int y, int w, int h, DWORD extra) {
  return Make("EDIT", id, text, WS_TABSTOP | ES_AUTOHSCROLL | extra, WS_EX_CLIENTEDGE, x, y, w, h);
}
HWND Builder::Memo(int id, const char* text, int x, int y, int w, int h, DWORD extra) {
  return Make("EDIT", id, text, WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | extra,
              WS_EX_CLIENTEDGE, x, y, w, h);
}
HWND Builder::Check(int id, const char* caption, int x, int y, int w, int h, bool checked) {
  HWND b = Make("BUTTON", id, caption, WS_TABSTOP | BS_AUTOCHECKBOX, 0, x, y, w, h);
  SetChecked(b, checked);
  return b;
}
HWND Builder::Radio(int id, const char* caption, int x, int y, int w, int h, bool checked, bool firstOfGroup) {
  HWND b = Make("BUTTON", id, caption, BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP : 0) | (checked ? WS_TABSTOP : 0),
                0, x, y, w, h);
  SetChecked(b, checked);
  return b;
}
HWND Builder::Combo(int id, int x, int y, int w, int dropHeight, bool editable,
                    std::initializer_list<const char*> items) {
  HWND c = Make("COMBOBOX", id, "", WS_TABSTOP | WS_VSCROLL | (editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST),
                0, x, y, w, dropHeight);
  for (const char* item : items) SendMessageW(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
  return c;
}
HWND Builder::Button(int id, const char* caption, int x, int y, int w, int h) {
  return Make("BUTTON", id, caption, WS_TABSTOP | BS_PUSHBUTTON, 0, x, y, w, h);
}
HWND Builder::Spin(int id, int arrowsId, int x, int y, int w, int h, int min, int max, int value) {
  HWND edit = Edit(id, std::to_string(value).c_str(), x, y, w, h);
  HWND arrows = Make(UPDOWN_CLASSA, arrowsId, "", UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS,
                     0, 0, 0, 0, 0);
  SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  // The arrows take the right end of the edit's rectangle, overlapping its border; as design rectangles, so that they
  // scale with the edit (the control's own alignment keeps a width in pixels).
  PlaceDesign(edit, ox_ + x, oy_ + y, w - kSpinArrowsWidth + kSpinArrowsOverlap, h);
  PlaceDesign(arrows, ox_ + x + w - kSpinArrowsWidth, oy_ + y, kSpinArrowsWidth, h);
  if (min == 0 && max == 0) {
    min = INT_MIN;
    max = INT_MAX;
  }
  SendMessageW(arrows, UDM_SETRANGE32, static_cast<WPARAM>(min), static_cast<LPARAM>(max));
  SendMessageW(arrows, UDM_SETPOS32, 0, value);
  SetText(edit, std::to_string(value));
  return edit;
}
HWND Builder::Speed(int id, const char* caption, int x, int y, int w, int h, const SpeedButtonStyle& style) {
  return Placed(CreateSpeedButton(parent_, id, caption, Scaled(ox_ + x), Scaled(oy_ + y), Scaled(w), Scaled(h), style), x,
                y, w, h);
}
HWND Builder::SpeedBar(int id, std::vector<ToolButton> buttons, const SpeedButtonStyle& style) {
  for (ToolButton& b : buttons) {
    b.x += ox_;
    b.y += oy_;
  }
  return CreateSpeedBar(parent_, id, buttons, style);
}
HWND Builder::Panel(int id, int x, int y, int w, int h, Bevel outer, DWORD extraStyle) {
  return Placed(CreatePanel(parent_, id, Scaled(ox_ + x), Scaled(oy_ + y), Scaled(w), Scaled(h), outer, extraStyle), x,
                y, w, h);
}

int SpinValue(HWND edit, int fallback) { return StrToIntDef(GetText(edit), fallback); }
void SetSpinValue(HWND edit, int value) { SetText(edit, std::to_string(value)); }

}  // namespace qm
