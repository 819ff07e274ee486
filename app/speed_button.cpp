#include "app/text.h"
#include "app/speed_button.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <vector>

#include "app/accessible.h"
#include "app/dpi.h"
#include "app/gdi_cache.h"
#include "app/win_util.h"

namespace qm {

namespace {

struct SpeedData {
  SpeedButtonStyle style;
  bool down = false;
  bool hot = false;
  bool keyboardFocus = false;  // the keyboard, not the mouse, brought the focus: the focus mark shows
  COLORREF color = CLR_DEFAULT;  // the caption's colour; by default the scheme's button text
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

// The buttons of this one's keyboard group, in the order they were made (left to right).
std::vector<HWND> KeyboardGroup(HWND hwnd, const SpeedData* d) {
  std::vector<HWND> group;
  if (!d->style.keyboard) return group;
  for (HWND w = GetWindow(GetParent(hwnd), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    const SpeedData* o = Speed(w);
    if (o && o->style.keyboard && o->style.group == d->style.group && IsWindowEnabled(w)) group.push_back(w);
  }
  return group;
}

// Tab reaches the group at the button that is down, else at its first.
void MoveTabStop(HWND hwnd, const SpeedData* d) {
  const std::vector<HWND> group = KeyboardGroup(hwnd, d);
  HWND stop = group.empty() ? nullptr : group.front();
  for (HWND w : group)
    if (Speed(w)->down) stop = w;
  for (HWND w : group) {
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    const LONG wanted = w == stop ? style | WS_TABSTOP : style & ~WS_TABSTOP;
    if (wanted != style) SetWindowLongW(w, GWL_STYLE, wanted);
  }
}

// The arrows move the focus along the group, round at its ends; Home and End go to its ends.
bool MoveInGroup(HWND hwnd, const SpeedData* d, WPARAM key) {
  const std::vector<HWND> group = KeyboardGroup(hwnd, d);
  const auto at = std::find(group.begin(), group.end(), hwnd);
  if (at == group.end()) return false;
  const auto n = static_cast<std::ptrdiff_t>(group.size());
  std::ptrdiff_t i = at - group.begin();
  switch (key) {
    case VK_LEFT: case VK_UP: i = (i + n - 1) % n; break;
    case VK_RIGHT: case VK_DOWN: i = (i + 1) % n; break;
    case VK_HOME: i = 0; break;
    case VK_END: i = n - 1; break;
    default: return false;
  }
  SetFocus(group[static_cast<std::size_t>(i)]);
  return true;
}

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
    MoveTabStop(hwnd, d);
  }
}

LRESULT CALLBACK SpeedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  SpeedData* d = Speed(hwnd);
  if (!d) return CallWindowProcW(reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC)), hwnd, msg, wp, lp);
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
    case WM_GETDLGCODE:
      if (d->style.keyboard) return CallWindowProcW(d->base, hwnd, msg, wp, lp) | DLGC_WANTARROWS;
      break;
    case WM_KEYDOWN:
      if (d->style.keyboard && MoveInGroup(hwnd, d, wp)) return 0;
      if (!d->keyboardFocus) {
        d->keyboardFocus = true;
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      break;
    case WM_SETFOCUS:
      d->keyboardFocus = GetKeyState(VK_LBUTTON) >= 0 && GetKeyState(VK_RBUTTON) >= 0;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // A click takes the focus (also a BM_CLICK, with no button down) without the focus mark.
      const LRESULT result = CallWindowProcW(d->base, hwnd, msg, wp, lp);
      d->keyboardFocus = false;
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
    case WM_NCDESTROY: {
      const WNDPROC base = d->base;
      SpeedButtons().erase(hwnd);
      delete d;
      return CallWindowProcW(base, hwnd, msg, wp, lp);
    }
    default:
      break;
  }
  return CallWindowProcW(d->base, hwnd, msg, wp, lp);
}

// One face of a speed button, wherever it stands: in a window of its own or on a toolbar.
struct Face {
  const SpeedButtonStyle* style;
  const std::wstring* caption;
  HFONT font;
  COLORREF color;
  bool down, pressed, hot, disabled, focus;
  int dpi;  // the picture, the margin, the spacing and the focus mark are drawn at this DPI
};

int Luminance(COLORREF c) { return (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000; }

// The picture in two colours for a dark face: what would vanish against the face (the dark outlines, a blue
// disc) in the text colour, the rest (a white letter on that disc) in the face colour. Magenta stays the
// transparent background. Made once per picture and scheme.
HBITMAP TwoTonePicture(HBITMAP picture, COLORREF face, COLORREF text) {
  struct Made {
    COLORREF face, text;
    ScopedGdiObj bitmap;
  };
  static std::unordered_map<HBITMAP, Made> made;
  auto it = made.find(picture);
  if (it != made.end() && it->second.face == face && it->second.text == text) return static_cast<HBITMAP>(it->second.bitmap.get());
  BITMAP bm{};
  if (!GetObject(picture, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = bm.bmWidth;
  info.bmiHeader.biHeight = -bm.bmHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<RGBQUAD> pixels(static_cast<std::size_t>(bm.bmWidth) * static_cast<std::size_t>(bm.bmHeight));
  HDC screen = GetDC(nullptr);
  const int read = GetDIBits(screen, picture, 0, static_cast<UINT>(bm.bmHeight), pixels.data(), &info, DIB_RGB_COLORS);
  void* bits = nullptr;
  HBITMAP result = read ? CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
  ReleaseDC(nullptr, screen);
  if (!result) return nullptr;
  const int faceLuminance = Luminance(face);
  auto opaque = [](const RGBQUAD& p) { return RGB(p.rgbRed, p.rgbGreen, p.rgbBlue) != RGB(255, 0, 255); };
  auto vanishes = [&](const RGBQUAD& p) {
    return std::abs(Luminance(RGB(p.rgbRed, p.rgbGreen, p.rgbBlue)) - faceLuminance) < 96;
  };
  // A picture with hardly anything that would vanish (a yellow flash) shows as its shape instead.
  const auto drawn = std::count_if(pixels.begin(), pixels.end(), opaque);
  const auto dark = std::count_if(pixels.begin(), pixels.end(), [&](const RGBQUAD& p) { return opaque(p) && vanishes(p); });
  const bool shape = dark * 4 < drawn;
  auto quad = [](COLORREF c) { return RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0}; };
  for (RGBQUAD& p : pixels)
    if (opaque(p)) p = quad(shape || vanishes(p) ? text : face);
  std::copy(pixels.begin(), pixels.end(), static_cast<RGBQUAD*>(bits));
  made[picture] = Made{face, text, ScopedGdiObj(result)};
  return result;
}

void DrawFace(HDC dc, RECT r, const Face& f) {
  const SpeedButtonStyle& style = *f.style;
  // High contrast: the scheme's colours only; the caption in the text colour, and on a dark face every picture in
  // two tones of the scheme.
  const bool highContrast = HighContrast();
  const std::wstring& caption = *f.caption;
  const bool sunken = f.pressed || f.down;
  // High contrast: a button that stays down is in the selection's colours, which the scheme keeps apart.
  const bool selected = highContrast && f.down && !f.pressed;
  const COLORREF faceColor = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
  const COLORREF textColor = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
  if (selected) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
  } else if (f.down && !f.pressed) {
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
  if (style.flat) {
    if (sunken) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (f.hot && !f.disabled) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  } else {
    DrawEdge(dc, &r, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  }
  const int shift = sunken ? 1 : 0;

  HBITMAP picture = style.pictureId ? Picture(style.pictureId, f.dpi) : nullptr;
  BITMAP bm{};
  if (picture) GetObject(picture, sizeof bm, &bm);
  ScopedSelectObject selFont(dc, f.font ? f.font : FormFont(f.dpi));
  SIZE text{0, 0};
  RECT calc{0, 0, 0, 0};
  if (!caption.empty()) {
    DrawTextW(dc, caption.c_str(), -1, &calc, DT_CALCRECT | DT_SINGLELINE);
    text.cx = calc.right;
    text.cy = calc.bottom;
  }
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  const int spacing = Scale(style.spacing, f.dpi);
  int px = 0, py = 0, tx = 0, ty = 0;
  if (style.pictureAbove) {
    const int total = bm.bmHeight + (!caption.empty() ? spacing + text.cy : 0);
    py = (h - total) / 2;
    px = (w - bm.bmWidth) / 2;
    ty = py + bm.bmHeight + spacing;
    tx = (w - text.cx) / 2;
  } else {
    const int gap = (picture && !caption.empty()) ? spacing : 0;
    const int total = bm.bmWidth + gap + text.cx;
    px = style.margin >= 0 ? Scale(style.margin, f.dpi) : (w - total) / 2;
    py = (h - bm.bmHeight) / 2;
    tx = px + bm.bmWidth + gap;
    ty = (h - text.cy) / 2;
  }
  if (picture) {
    const int x = r.left + px + shift;
    const int y = r.top + py + shift;
    HBITMAP twoTone =
        highContrast && !f.disabled && Luminance(faceColor) < 128 ? TwoTonePicture(picture, faceColor, textColor) : nullptr;
    DrawPicture(dc, twoTone ? twoTone : picture, x, y, f.disabled);
  }
  if (!caption.empty()) {
    SetBkMode(dc, TRANSPARENT);
    RECT tr{r.left + tx + shift, r.top + ty + shift, r.left + tx + shift + text.cx, r.top + ty + shift + text.cy};
    if (f.disabled) {
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      RECT hr = tr;
      OffsetRect(&hr, 1, 1);
      DrawTextW(dc, caption.c_str(), -1, &hr, DT_SINGLELINE);
      SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
      SetTextColor(dc, highContrast || f.color == CLR_DEFAULT ? textColor : f.color);
    }
    DrawTextW(dc, caption.c_str(), -1, &tr, DT_SINGLELINE);
  }
  if (f.focus) {
    // Inside the frame; on a flat face, around the picture without touching it.
    const int inset = Scale(style.flat ? 2 : 4, f.dpi);
    RECT fr = r;
    InflateRect(&fr, -inset, -inset);
    SetTextColor(dc, textColor);
    SetBkColor(dc, faceColor);
    DrawFocusRect(dc, &fr);
  }
}

void DrawSpeed(const DRAWITEMSTRUCT* di) {
  SpeedData* d = Speed(di->hwndItem);
  if (!d) return;
  const std::wstring caption = Wide(GetText(di->hwndItem));
  const Face face{&d->style,
                  &caption,
                  reinterpret_cast<HFONT>(SendMessageW(di->hwndItem, WM_GETFONT, 0, 0)),
                  d->color,
                  d->down,
                  (di->itemState & ODS_SELECTED) != 0,
                  d->hot,
                  (di->itemState & ODS_DISABLED) != 0,
                  (di->itemState & ODS_FOCUS) != 0 && (di->itemState & ODS_NOFOCUSRECT) == 0 && d->keyboardFocus,
                  DpiOf(di->hwndItem)};
  DrawFace(di->hDC, di->rcItem, face);
}

// ---- speed bars: a toolbar that draws its buttons as speed buttons ----

struct BarButton {
  int id;
  std::wstring caption;
  RECT design;  // left, top, width and height in the parent at 96 DPI
  int w, h;     // the face at the bar's DPI; the toolbar's cell also holds the gap to the next button
  SpeedButtonStyle style;
  COLORREF color = CLR_DEFAULT;
};

struct BarData {
  std::vector<BarButton> buttons;
  WNDPROC base = nullptr;
  int dpi = kDesignDpi;
  // The button the keyboard is on. The toolbar's hot item follows the mouse too, and is gone when the mouse leaves.
  LRESULT focus = 0;
  bool keyboardFocus = false;  // the keyboard, not the mouse, brought the focus: the focus mark shows
  const BarButton* Find(int id) const {
    for (const BarButton& b : buttons)
      if (b.id == id) return &b;
    return nullptr;
  }
};

// Kept as the speed buttons' data is, for the same reason.
std::unordered_map<HWND, BarData*>& SpeedBars() {
  static std::unordered_map<HWND, BarData*> bars;
  return bars;
}

BarData* Bar(HWND hwnd) {
  const auto& bars = SpeedBars();
  const auto it = bars.find(hwnd);
  return it == bars.end() ? nullptr : it->second;
}

// The face of a button: the top left of its toolbar cell, at the button's own size.
bool FaceRect(HWND bar, const BarButton& b, RECT& r) {
  if (!SendMessageW(bar, TB_GETRECT, b.id, reinterpret_cast<LPARAM>(&r))) return false;
  r.right = r.left + b.w;
  r.bottom = r.top + b.h;
  return true;
}

void InvalidateFace(HWND bar, const BarButton& b) {
  RECT r;
  if (FaceRect(bar, b, r)) InvalidateRect(bar, &r, TRUE);
}

bool BarButtonDown(HWND bar, int id) { return SendMessageW(bar, TB_ISBUTTONCHECKED, id, 0) != 0; }

void PutBarButtonDown(HWND bar, BarData* d, const BarButton& b, bool down) {
  if (down && b.style.group != 0) {
    for (const BarButton& other : d->buttons)
      if (other.id != b.id && other.style.group == b.style.group && BarButtonDown(bar, other.id))
        SendMessageW(bar, TB_CHECKBUTTON, other.id, FALSE);
  }
  if (BarButtonDown(bar, b.id) != down) SendMessageW(bar, TB_CHECKBUTTON, b.id, down ? TRUE : FALSE);
}

// The button whose face holds the point; the gaps between faces belong to no button.
const BarButton* ButtonAt(HWND bar, const BarData* d, LPARAM lp) {
  const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  for (const BarButton& b : d->buttons) {
    RECT r;
    if (FaceRect(bar, b, r) && PtInRect(&r, p)) return &b;
  }
  return nullptr;
}

// Sizes the cells and places the bar so that each face stands at its design rectangle at `dpi`. Cells: a button and
// the gap to the next one in its row; a new row where the next button stands lower.
void LayoutBar(HWND bar, BarData* d, int dpi) {
  d->dpi = dpi;
  // One layout and one paint for all the buttons, not one for each.
  SendMessageW(bar, WM_SETREDRAW, FALSE, 0);
  const std::vector<BarButton>& buttons = d->buttons;
  const RECT& front = buttons.front().design;
  const int rowPitch = [&] {
    for (const BarButton& b : buttons)
      if (b.design.top != front.top) return Scale(b.design.top, dpi) - Scale(front.top, dpi);
    return Scale(front.bottom, dpi);
  }();
  int widest = 0;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    BarButton& b = d->buttons[i];
    b.w = Scale(b.design.right, dpi);
    b.h = Scale(b.design.bottom, dpi);
    const bool lastOfRow = i + 1 == buttons.size() || buttons[i + 1].design.top != b.design.top;
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_SIZE;
    info.cx = static_cast<WORD>(lastOfRow ? b.w : Scale(buttons[i + 1].design.left, dpi) - Scale(b.design.left, dpi));
    widest = std::max(widest, static_cast<int>(info.cx));
    SendMessageW(bar, TB_SETBUTTONINFOW, b.id, reinterpret_cast<LPARAM>(&info));
  }
  SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(widest, rowPitch));

  // The first face goes where the first button was asked for, whatever margin the toolbar keeps; the bar ends where
  // the last faces end.
  RECT first{}, design{};
  SendMessageW(bar, TB_GETRECT, buttons.front().id, reinterpret_cast<LPARAM>(&first));
  GetDesignRect(bar, &design);
  SetWindowPos(bar, nullptr, Scale(design.left, dpi) - first.left, Scale(design.top, dpi) - first.top,
               Scale(design.left + design.right, dpi) - Scale(design.left, dpi) + first.left,
               Scale(design.top + design.bottom, dpi) - Scale(design.top, dpi) + first.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(bar, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(bar, nullptr, TRUE);
}

LRESULT CALLBACK SpeedBarProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  BarData* d = Bar(hwnd);
  if (!d) return CallWindowProcW(reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC)), hwnd, msg, wp, lp);
  switch (msg) {
    case WM_GETDLGCODE:
      // The arrows move between the buttons; Tab and the mnemonics stay with the dialog keys.
      return CallWindowProcW(d->base, hwnd, msg, wp, lp) | DLGC_WANTARROWS;
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const BarButton* b = ButtonAt(hwnd, d, lp);
      if (!b) return 0;
      // A click gives the group the keyboard, as it does a button; a quick second click is a second click.
      d->focus = b - d->buttons.data();
      if (GetFocus() != hwnd) SetFocus(hwnd);
      d->keyboardFocus = false;
      return CallWindowProcW(d->base, hwnd, WM_LBUTTONDOWN, wp, lp);
    }
    case WM_SETFOCUS: {
      // The keyboard comes to the button under the mouse, else to the one that is down, else to the first.
      d->keyboardFocus = GetKeyState(VK_LBUTTON) >= 0 && GetKeyState(VK_RBUTTON) >= 0;
      const LRESULT hot = SendMessageW(hwnd, TB_GETHOTITEM, 0, 0);
      if (hot >= 0) {
        d->focus = hot;
      } else {
        d->focus = 0;
        for (std::size_t i = 0; i < d->buttons.size(); ++i)
          if (BarButtonDown(hwnd, d->buttons[i].id)) d->focus = static_cast<LRESULT>(i);
      }
      InvalidateRect(hwnd, nullptr, TRUE);
      break;
    }
    case WM_KEYDOWN: {
      // The arrows and Space start from the keyboard's button, wherever the mouse has been.
      if (SendMessageW(hwnd, TB_GETHOTITEM, 0, 0) < 0) SendMessageW(hwnd, TB_SETHOTITEM, d->focus, 0);
      const LRESULT result = CallWindowProcW(d->base, hwnd, msg, wp, lp);
      const LRESULT hot = SendMessageW(hwnd, TB_GETHOTITEM, 0, 0);
      if ((hot >= 0 && hot != d->focus) || !d->keyboardFocus) {
        if (hot >= 0) d->focus = hot;
        d->keyboardFocus = true;
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return result;
    }
    case WM_KILLFOCUS:
      SendMessageW(hwnd, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
      InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case WM_DPICHANGED_AFTERPARENT:
      LayoutBar(hwnd, d, DpiOf(hwnd));
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_NCDESTROY: {
      const WNDPROC base = d->base;
      SpeedBars().erase(hwnd);
      delete d;
      return CallWindowProcW(base, hwnd, msg, wp, lp);
    }
    default:
      break;
  }
  return CallWindowProcW(d->base, hwnd, msg, wp, lp);
}

LRESULT DrawBarButton(HWND bar, const BarData* d, NMTBCUSTOMDRAW* cd) {
  if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (cd->nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  const BarButton* b = d->Find(static_cast<int>(cd->nmcd.dwItemSpec));
  if (!b) return CDRF_DODEFAULT;
  const UINT state = cd->nmcd.uItemState;
  const bool focus = GetFocus() == bar && b - d->buttons.data() == d->focus;
  // The keyboard's button looks as the one under the mouse does, with the focus mark once the keyboard is used.
  const Face face{&b->style,
                  &b->caption,
                  FormFont(d->dpi),
                  b->color,
                  (state & CDIS_CHECKED) != 0,
                  (state & CDIS_SELECTED) != 0,
                  (state & CDIS_HOT) != 0 || focus,
                  (state & CDIS_DISABLED) != 0,
                  focus && d->keyboardFocus,
                  d->dpi};
  RECT r = cd->nmcd.rc;
  r.right = r.left + b->w;
  r.bottom = r.top + b->h;
  DrawFace(cd->nmcd.hdc, r, face);
  return CDRF_SKIPDEFAULT;
}

}  // namespace

bool HandleSpeedButtons(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_DRAWITEM) {
    auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
    if (di->CtlType == ODT_BUTTON && IsSpeedButton(di->hwndItem)) {
      DrawSpeed(di);
      result = TRUE;
      return true;
    }
  }
  if (msg == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lp);
    if (header->code == NM_CUSTOMDRAW) {
      if (const BarData* d = Bar(header->hwndFrom)) {
        result = DrawBarButton(header->hwndFrom, d, reinterpret_cast<NMTBCUSTOMDRAW*>(lp));
        return true;
      }
    }
  }
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED && lp) {
    HWND ctl = reinterpret_cast<HWND>(lp);
    if (SpeedData* d = Speed(ctl)) {
      if (d->style.group != 0) PutDown(ctl, d, d->style.allowAllUp ? !d->down : true);
    } else if (BarData* bar = Bar(ctl)) {
      const BarButton* b = bar->Find(LOWORD(wp));
      if (b && b->style.group != 0)
        PutBarButtonDown(ctl, bar, *b, b->style.allowAllUp ? !BarButtonDown(ctl, b->id) : true);
    }
  }
  if (msg == WM_COMMAND && HIWORD(wp) == BN_DOUBLECLICKED && lp && IsSpeedButton(reinterpret_cast<HWND>(lp))) {
    // A quick second click is a second click, not a double click.
    SendMessageW(reinterpret_cast<HWND>(lp), BM_CLICK, 0, 0);
    result = 0;
    return true;
  }
  return false;
}

HWND CreateSpeedButton(HWND parent, int id, const char* caption, int x, int y, int w, int h,
                       const SpeedButtonStyle& style) {
  HWND hwnd = CreateWindowExW(0, L"BUTTON", Wide(caption).c_str(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, x, y, w, h,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                              nullptr);
  if (!hwnd) return nullptr;
  auto* d = new SpeedData;
  d->style = style;
  SpeedButtons()[hwnd] = d;
  d->base = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpeedProc)));
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FormFont(DpiOf(parent))), FALSE);
  if (style.keyboard) MoveTabStop(hwnd, d);
  return hwnd;
}

HWND CreateSpeedBar(HWND parent, int id, const std::vector<ToolButton>& buttons, const SpeedButtonStyle& style) {
  if (buttons.empty()) return nullptr;
  HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN |
                                 CCS_NODIVIDER,
                             0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!bar) return nullptr;
  auto* d = new BarData;
  SpeedBars()[bar] = d;
  d->base = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpeedBarProc)));
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
  // The names are for screen readers; the faces draw the captions themselves.
  SendMessageW(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);

  std::vector<std::wstring> names;
  names.reserve(buttons.size());
  std::vector<TBBUTTON> items;
  RECT extent{buttons.front().x, buttons.front().y, buttons.front().x, buttons.front().y};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const ToolButton& b = buttons[i];
    names.push_back(Wide(b.name ? b.name : b.caption));
    const bool lastOfRow = i + 1 == buttons.size() || buttons[i + 1].y != b.y;
    TBBUTTON item{};
    item.iBitmap = I_IMAGENONE;
    item.idCommand = b.id;
    item.fsState = TBSTATE_ENABLED | (lastOfRow ? TBSTATE_WRAP : 0);
    // Where the toolbar itself would let all of a group up, the click's command decides.
    item.fsStyle = style.group != 0 && !style.allowAllUp ? BTNS_CHECKGROUP : BTNS_BUTTON;
    item.iString = reinterpret_cast<INT_PTR>(names.back().c_str());
    items.push_back(item);
    BarButton own{b.id, Wide(b.caption), RECT{b.x, b.y, b.w, b.h}, b.w, b.h, style};
    own.style.pictureId = b.pictureId;
    d->buttons.push_back(own);
    extent.right = std::max(extent.right, static_cast<LONG>(b.x + b.w));
    extent.bottom = std::max(extent.bottom, static_cast<LONG>(b.y + b.h));
  }
  SendMessageW(bar, TB_ADDBUTTONSW, items.size(), reinterpret_cast<LPARAM>(items.data()));
  SetDesignRect(bar, extent.left, extent.top, extent.right - extent.left, extent.bottom - extent.top);
  LayoutBar(bar, d, DpiOf(parent));
  // A bar of pictures is named after the group box or label before it, as an edit is.
  NameAfterLabel(bar);
  return bar;
}

HWND SpeedBarHolding(HWND parent, int buttonId) {
  for (const auto& [bar, d] : SpeedBars())
    if (d->Find(buttonId) && GetParent(bar) == parent) return bar;
  return nullptr;
}
bool IsDown(HWND bar, int id) { return Bar(bar) && BarButtonDown(bar, id); }
void SetDown(HWND bar, int id, bool down) {
  if (BarData* d = Bar(bar))
    if (const BarButton* b = d->Find(id)) PutBarButtonDown(bar, d, *b, down);
}
void SetCaptionColor(HWND bar, int id, COLORREF color) {
  if (BarData* d = Bar(bar)) {
    for (BarButton& b : d->buttons) {
      if (b.id == id && b.color != color) {
        b.color = color;
        InvalidateFace(bar, b);
      }
    }
  }
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
  return d && d->color != CLR_DEFAULT ? d->color : GetSysColor(COLOR_BTNTEXT);
}

}  // namespace qm
