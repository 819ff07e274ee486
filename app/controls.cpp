#include "app/controls.h"

#include <commctrl.h>

#include <memory>
#include <unordered_map>

#include "app/win_util.h"
#include "dialogs/frame_core.h"

namespace qm {

namespace {

const char kPanelClass[] = "QmPanel";

struct PanelData {
  Bevel bevel = Bevel::None;
  MessageSink* sink = nullptr;
  COLORREF color = CLR_INVALID;
  HBRUSH brush = nullptr;
};

struct SpeedData {
  SpeedButtonStyle style;
  bool down = false;
  bool hot = false;
  COLORREF color = RGB(0, 0, 0);
  WNDPROC base = nullptr;  // the button class's own procedure
};

// The speed buttons of this program and their data. Every message to a speed button and every owner-draw of one looks
// its data up, so it is kept here rather than in a window property (under Wine each property lookup is a round trip
// to the server). Only this thread creates and destroys speed buttons.
std::unordered_map<HWND, SpeedData*>& SpeedButtons() {
  static std::unordered_map<HWND, SpeedData*> buttons;
  return buttons;
}

SpeedData* Speed(HWND hwnd) {
  const auto& buttons = SpeedButtons();
  const auto it = buttons.find(hwnd);
  return it == buttons.end() ? nullptr : it->second;
}
// A panel keeps its data in its window's extra bytes, not in a window property: the panel procedure looks it up for
// every message, and under Wine every property lookup is a round trip to the server.
PanelData* PanelOf(HWND hwnd) { return reinterpret_cast<PanelData*>(GetWindowLongPtrA(hwnd, 0)); }

void PutDown(HWND hwnd, SpeedData* d, bool down) {
  if (down && d->style.group != 0) {
    // The other buttons of its group on the same parent come up.
    HWND parent = GetParent(hwnd);
    for (const auto& [other, o] : SpeedButtons()) {
      if (other != hwnd && o->down && o->style.group == d->style.group && GetParent(other) == parent) {
        o->down = false;
        InvalidateRect(other, nullptr, TRUE);
      }
    }
  }
  if (d->down != down) {
    d->down = down;
    InvalidateRect(hwnd, nullptr, TRUE);
  }
}

LRESULT CALLBACK SpeedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  SpeedData* d = Speed(hwnd);
  if (!d) return CallWindowProcA(reinterpret_cast<WNDPROC>(GetClassLongPtrA(hwnd, GCLP_WNDPROC)), hwnd, msg, wp, lp);
  switch (msg) {
    case BM_GETCHECK:
      return d->down ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
      PutDown(hwnd, d, wp == BST_CHECKED);
      return 0;
    case WM_MOUSEMOVE:
      if (!d->hot) {
        d->hot = true;
        TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&t);
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      break;
    case WM_MOUSELEAVE:
      d->hot = false;
      InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case WM_NCDESTROY: {
      const WNDPROC base = d->base;
      SpeedButtons().erase(hwnd);
      delete d;
      return CallWindowProcA(base, hwnd, msg, wp, lp);
    }
    default:
      break;
  }
  return CallWindowProcA(d->base, hwnd, msg, wp, lp);
}

void DrawSpeed(const DRAWITEMSTRUCT* di) {
  SpeedData* d = Speed(di->hwndItem);
  if (!d) return;
  HDC dc = di->hDC;
  RECT r = di->rcItem;
  const bool pressed = (di->itemState & ODS_SELECTED) != 0;
  const bool disabled = (di->itemState & ODS_DISABLED) != 0;
  const bool sunken = pressed || d->down;
  if (d->down && !pressed) {
    // A button that stays down shows a light checked face, as Windows draws a checked tool button.
    static const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    ScopedGdiObj bitmap(CreateBitmap(8, 8, 1, 1, pattern));
    ScopedGdiObj brush(CreatePatternBrush(static_cast<HBITMAP>(bitmap.get())));
    COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
    COLORREF oldBk = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    FillRect(dc, &r, static_cast<HBRUSH>(brush.get()));
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
  } else {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  }
  if (d->style.flat) {
    if (sunken) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (d->hot && !disabled) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  } else {
    DrawEdge(dc, &r, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  }
  const int shift = sunken ? 1 : 0;

  char caption[256] = {};
  GetWindowTextA(di->hwndItem, caption, sizeof caption);
  HBITMAP picture = d->style.pictureId ? Picture(d->style.pictureId) : nullptr;
  BITMAP bm{};
  if (picture) GetObject(picture, sizeof bm, &bm);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(di->hwndItem, WM_GETFONT, 0, 0));
  ScopedSelectObject selFont(dc, font ? font : FormFont());
  SIZE text{0, 0};
  RECT calc{0, 0, 0, 0};
  if (caption[0]) {
    DrawTextA(dc, caption, -1, &calc, DT_CALCRECT | DT_SINGLELINE);
    text.cx = calc.right;
    text.cy = calc.bottom;
  }
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  int px = 0, py = 0, tx = 0, ty = 0;
  if (d->style.pictureAbove) {
    const int total = bm.bmHeight + (caption[0] ? d->style.spacing + text.cy : 0);
    py = (h - total) / 2;
    px = (w - bm.bmWidth) / 2;
    ty = py + bm.bmHeight + d->style.spacing;
    tx = (w - text.cx) / 2;
  } else {
    const int gap = (picture && caption[0]) ? d->style.spacing : 0;
    const int total = bm.bmWidth + gap + text.cx;
    px = d->style.margin >= 0 ? d->style.margin : (w - total) / 2;
    py = (h - bm.bmHeight) / 2;
    tx = px + bm.bmWidth + gap;
    ty = (h - text.cy) / 2;
  }
  if (picture) DrawPicture(dc, picture, r.left + px + shift, r.top + py + shift, disabled);
  if (caption[0]) {
    SetBkMode(dc, TRANSPARENT);
    RECT tr{r.left + tx + shift, r.top + ty + shift, r.left + tx + shift + text.cx, r.top + ty + shift + text.cy};
    if (disabled) {
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      RECT hr = tr;
      OffsetRect(&hr, 1, 1);
      DrawTextA(dc, caption, -1, &hr, DT_SINGLELINE);
      SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
      SetTextColor(dc, d->color);
    }
    DrawTextA(dc, caption, -1, &tr, DT_SINGLELINE);
  }
  if ((di->itemState & ODS_FOCUS) && !d->style.flat) {
    RECT fr = r;
    InflateRect(&fr, -4, -4);
    DrawFocusRect(dc, &fr);
  }
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  PanelData* d = PanelOf(hwnd);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, 0, 0);
    if (d) {
      if (d->brush) DeleteObject(d->brush);
      delete d;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  if (d && d->sink && d->sink->HandleMessage(hwnd, msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      HBRUSH brush = (d && d->brush) ? d->brush : GetSysColorBrush(COLOR_BTNFACE);
      FillRect(reinterpret_cast<HDC>(wp), &r, brush);
      if (d && d->bevel != Bevel::None)
        DrawEdge(reinterpret_cast<HDC>(wp), &r, d->bevel == Bevel::Lowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                 BF_RECT);
      return 1;
    }
    case WM_SIZE:
      if (d && d->bevel != Bevel::None) InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case WM_CLOSE:
      // A multi-line edit sends WM_CLOSE to its parent on Esc; a panel is never closed on its own.
      return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (HandleContainerMessage(hwnd, msg, wp, lp, result)) return result;
      if (HWND parent = GetParent(hwnd)) return SendMessageA(parent, msg, wp, lp);
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

bool HandleContainerMessage(HWND, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_DRAWITEM) {
    auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
    if (di->CtlType == ODT_BUTTON && IsSpeedButton(di->hwndItem)) {
      DrawSpeed(di);
      result = TRUE;
      return true;
    }
  }
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED && lp) {
    HWND ctl = reinterpret_cast<HWND>(lp);
    if (SpeedData* d = Speed(ctl)) {
      if (d->style.group != 0) PutDown(ctl, d, d->style.allowAllUp ? !d->down : true);
    }
  }
  if (msg == WM_COMMAND && HIWORD(wp) == BN_DOUBLECLICKED && lp && IsSpeedButton(reinterpret_cast<HWND>(lp))) {
    // A quick second click is a second click, not a double click.
    SendMessageA(reinterpret_cast<HWND>(lp), BM_CLICK, 0, 0);
    result = 0;
    return true;
  }
  return false;
}

void RegisterControlClasses(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = PanelProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.cbWndExtra = sizeof(PanelData*);
  wc.lpszClassName = kPanelClass;
  RegisterClassA(&wc);
}

HWND CreatePanel(HWND parent, int id, int x, int y, int w, int h, Bevel outer, MessageSink* sink, DWORD extraStyle) {
  auto* d = new PanelData;
  d->bevel = outer;
  d->sink = sink;
  HWND hwnd = CreateWindowExA(WS_EX_CONTROLPARENT, kPanelClass, "",
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | extraStyle, x, y, w, h, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), d);
  if (!hwnd) delete d;
  return hwnd;
}

void SetPanelSink(HWND panel, MessageSink* sink) {
  if (PanelData* d = PanelOf(panel)) d->sink = sink;
}

void SetPanelColor(HWND panel, COLORREF color) {
  if (PanelData* d = PanelOf(panel)) {
    if (d->brush) DeleteObject(d->brush);
    d->brush = color == CLR_INVALID ? nullptr : CreateSolidBrush(color);
    d->color = color;
    InvalidateRect(panel, nullptr, TRUE);
  }
}

HWND CreateSpeedButton(HWND parent, int id, const char* caption, int x, int y, int w, int h,
                       const SpeedButtonStyle& style) {
  HWND hwnd = CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, x, y, w, h, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) return nullptr;
  auto* d = new SpeedData;
  d->style = style;
  SpeedButtons()[hwnd] = d;
  d->base = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpeedProc)));
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FormFont()), FALSE);
  return hwnd;
}

bool IsSpeedButton(HWND hwnd) { return hwnd && Speed(hwnd) != nullptr; }
bool IsDown(HWND b) {
  SpeedData* d = Speed(b);
  return d && d->down;
}
void SetDown(HWND b, bool down) {
  if (SpeedData* d = Speed(b)) PutDown(b, d, down);
}
void SetCaptionColor(HWND b, COLORREF color) {
  if (SpeedData* d = Speed(b)) {
    if (d->color != color) {
      d->color = color;
      InvalidateRect(b, nullptr, TRUE);
    }
  }
}
COLORREF CaptionColor(HWND b) {
  SpeedData* d = Speed(b);
  return d ? d->color : RGB(0, 0, 0);
}

namespace {

// The hint window of each form that has hints. Its tools are not subclassed: the message loop relays the mouse
// messages (RelayHintMouse), so the controls' other messages take no detour through a subclass.
std::unordered_map<HWND, HWND>& HintWindows() {
  static std::unordered_map<HWND, HWND> tips;
  return tips;
}

HWND HintWindowOf(HWND root) {
  auto& tips = HintWindows();
  const auto it = tips.find(root);
  if (it == tips.end()) return nullptr;
  // A form that has gone takes its hint window along; a new form may come back with the same handle.
  if (IsWindow(it->second) && GetWindow(it->second, GW_OWNER) == root) return it->second;
  tips.erase(it);
  return nullptr;
}

}  // namespace

void RelayHintMouse(const MSG& msg) {
  if (msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSELAST || !msg.hwnd) return;
  if (HWND tip = HintWindowOf(GetAncestor(msg.hwnd, GA_ROOT)))
    SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void AddHint(HWND control, const char* text) {
  HWND root = GetAncestor(control, GA_ROOT);
  HWND tip = HintWindowOf(root);
  if (!tip) {
    tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                          0, root, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tip) return;
    HintWindows()[root] = tip;
  }
  TOOLINFOA ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_IDISHWND;
  ti.hwnd = root;
  ti.uId = reinterpret_cast<UINT_PTR>(control);
  ti.lpszText = const_cast<char*>(text);
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  // The edit part of an editable combo box is a window of its own: the mouse over it comes with the edit's handle,
  // and the hint window asks which window lies under the cursor before it shows. The edit shows the combo's hint.
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  if (GetComboBoxInfo(control, &combo) && combo.hwndItem && combo.hwndItem != control) {
    ti.uId = reinterpret_cast<UINT_PTR>(combo.hwndItem);
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

Builder::Builder(HWND parent) : parent_(parent) {}

HWND Builder::Make(const char* cls, int id, const char* text, DWORD style, DWORD exStyle, int x, int y, int w,
                   int h) {
  HWND hwnd = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, ox_ + x, oy_ + y, w, h, parent_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (hwnd) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FormFont()), FALSE);
  return hwnd;
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
  for (const char* item : items) SendMessageA(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  return c;
}
HWND Builder::Button(int id, const char* caption, int x, int y, int w, int h) {
  return Make("BUTTON", id, caption, WS_TABSTOP | BS_PUSHBUTTON, 0, x, y, w, h);
}
HWND Builder::Spin(int id, int arrowsId, int x, int y, int w, int h, int min, int max, int value) {
  HWND edit = Edit(id, std::to_string(value).c_str(), x, y, w, h);
  HWND arrows = Make(UPDOWN_CLASSA, arrowsId, "", UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS,
                     0, 0, 0, 0, 0);
  SendMessageA(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  if (min == 0 && max == 0) {
    min = INT_MIN;
    max = INT_MAX;
  }
  SendMessageA(arrows, UDM_SETRANGE32, static_cast<WPARAM>(min), static_cast<LPARAM>(max));
  SendMessageA(arrows, UDM_SETPOS32, 0, value);
  SetText(edit, std::to_string(value));
  return edit;
}
HWND Builder::Speed(int id, const char* caption, int x, int y, int w, int h, const SpeedButtonStyle& style) {
  return CreateSpeedButton(parent_, id, caption, ox_ + x, oy_ + y, w, h, style);
}
HWND Builder::Panel(int id, int x, int y, int w, int h, Bevel outer) {
  return CreatePanel(parent_, id, ox_ + x, oy_ + y, w, h, outer);
}

int SpinValue(HWND edit, int fallback) { return StrToIntDef(GetText(edit), fallback); }
void SetSpinValue(HWND edit, int value) { SetText(edit, std::to_string(value)); }

}  // namespace qm
