#include "app/text.h"
#include "app/speed_button.h"

#include <unordered_map>

#include "app/gdi_cache.h"
#include "app/win_util.h"

namespace qm {

namespace {

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

  const std::wstring caption = Wide(GetText(di->hwndItem));
  HBITMAP picture = d->style.pictureId ? Picture(d->style.pictureId) : nullptr;
  BITMAP bm{};
  if (picture) GetObject(picture, sizeof bm, &bm);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(di->hwndItem, WM_GETFONT, 0, 0));
  ScopedSelectObject selFont(dc, font ? font : FormFont());
  SIZE text{0, 0};
  RECT calc{0, 0, 0, 0};
  if (!caption.empty()) {
    DrawTextW(dc, caption.c_str(), -1, &calc, DT_CALCRECT | DT_SINGLELINE);
    text.cx = calc.right;
    text.cy = calc.bottom;
  }
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  int px = 0, py = 0, tx = 0, ty = 0;
  if (d->style.pictureAbove) {
    const int total = bm.bmHeight + (!caption.empty() ? d->style.spacing + text.cy : 0);
    py = (h - total) / 2;
    px = (w - bm.bmWidth) / 2;
    ty = py + bm.bmHeight + d->style.spacing;
    tx = (w - text.cx) / 2;
  } else {
    const int gap = (picture && !caption.empty()) ? d->style.spacing : 0;
    const int total = bm.bmWidth + gap + text.cx;
    px = d->style.margin >= 0 ? d->style.margin : (w - total) / 2;
    py = (h - bm.bmHeight) / 2;
    tx = px + bm.bmWidth + gap;
    ty = (h - text.cy) / 2;
  }
  if (picture) DrawPicture(dc, picture, r.left + px + shift, r.top + py + shift, disabled);
  if (!caption.empty()) {
    SetBkMode(dc, TRANSPARENT);
    RECT tr{r.left + tx + shift, r.top + ty + shift, r.left + tx + shift + text.cx, r.top + ty + shift + text.cy};
    if (disabled) {
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      RECT hr = tr;
      OffsetRect(&hr, 1, 1);
      DrawTextW(dc, caption.c_str(), -1, &hr, DT_SINGLELINE);
      SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
      SetTextColor(dc, d->color);
    }
    DrawTextW(dc, caption.c_str(), -1, &tr, DT_SINGLELINE);
  }
  if ((di->itemState & ODS_FOCUS) && !d->style.flat) {
    RECT fr = r;
    InflateRect(&fr, -4, -4);
    DrawFocusRect(dc, &fr);
  }
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
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED && lp) {
    HWND ctl = reinterpret_cast<HWND>(lp);
    if (SpeedData* d = Speed(ctl)) {
      if (d->style.group != 0) PutDown(ctl, d, d->style.allowAllUp ? !d->down : true);
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
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FormFont()), FALSE);
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

}  // namespace qm
