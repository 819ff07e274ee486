#include "app/panel.h"

#include "app/speed_button.h"

namespace qm {

namespace {
const WindowClass kPanelClass{L"QmPanel"};
}  // namespace

Panel::~Panel() {
  if (brush_) DeleteObject(brush_);
}

HWND Panel::Make(HWND parent, int id, int x, int y, int w, int h, DWORD extraStyle) {
  return Create(kPanelClass, WS_EX_CONTROLPARENT, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | extraStyle, x, y, w, h,
                parent, ChildId(id));
}

Panel* Panel::Of(HWND hwnd) { return Window::Of<Panel>(hwnd); }

void Panel::SetColor(COLORREF color) {
  if (brush_) DeleteObject(brush_);
  brush_ = color == CLR_INVALID ? nullptr : CreateSolidBrush(color);
  if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT Panel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd(), &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, brush_ ? brush_ : GetSysColorBrush(COLOR_BTNFACE));
      if (bevel_ != Bevel::None)
        DrawEdge(reinterpret_cast<HDC>(wp), &r, bevel_ == Bevel::Lowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
      return 1;
    }
    case WM_SIZE:
      if (bevel_ != Bevel::None) InvalidateRect(hwnd(), nullptr, TRUE);
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
    case WM_VSCROLL: {
      LRESULT result = 0;
      if (HandleSpeedButtons(msg, wp, lp, result)) return result;
      if (HWND parent = GetParent(hwnd())) return SendMessageW(parent, msg, wp, lp);
      break;
    }
    default:
      break;
  }
  return Default(msg, wp, lp);
}

HWND CreatePanel(HWND parent, int id, int x, int y, int w, int h, Bevel outer, DWORD extraStyle) {
  return (new Panel(Window::Lifetime::OwnedByWindow, outer))->Make(parent, id, x, y, w, h, extraStyle);
}

void SetPanelColor(HWND panel, COLORREF color) {
  if (Panel* p = Panel::Of(panel)) p->SetColor(color);
}

}  // namespace qm
