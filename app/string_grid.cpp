#include "app/string_grid.h"

#include <commctrl.h>

#include <algorithm>

#include "app/string_grid_core.h"
#include "app/dpi.h"
#include "app/gdi_cache.h"
#include "app/text.h"
#include "app/win_util.h"
#include "app/window.h"

namespace qm {

namespace {

const WindowClass kGridClass{L"QmStringGrid", CS_DBLCLKS};
constexpr int kLine = 1;        // width of a grid line
constexpr int kTextLeft = 2;    // the cells' text starts this far right of the cell's left edge (design pixels)
constexpr int kTextTop = 2;     // and this far below its top edge
constexpr COLORREF kCellLine = RGB(192, 192, 192);  // in a high-contrast scheme: the window text colour

struct Grid {
  Grid(int cols, int rows) : model(cols, rows) {}
  HWND hwnd = nullptr;
  HWND editor = nullptr;
  GridModel model;
  // Column widths and row height as designed (96 DPI), and as shown at the grid's DPI.
  std::vector<int> designWidths;
  int designRowHeight = 16;
  int dpi = 96;
  std::vector<int> widths;
  int rowHeight = 16;
  int textLeft = kTextLeft;
  int textTop = kTextTop;
  int wheel = 0;         // wheel delta not yet turned into rows
  bool loading = false;  // the editor's text is being replaced by the grid, not typed
};

class GridWindow : public Window {
 public:
  GridWindow(int cols, int rows) : Window(Lifetime::OwnedByWindow), grid(cols, rows) {}
  HWND Make(HWND parent, int id, int x, int y, int w, int h) {
    return Create(kGridClass, WS_EX_CLIENTEDGE, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_CLIPCHILDREN,
                  x, y, w, h, parent, ChildId(id));
  }
  Grid grid;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

Grid* GridOf(HWND hwnd) {
  auto* window = Window::Of<GridWindow>(hwnd);
  return window ? &window->grid : nullptr;
}

int Pitch(const Grid& g) { return g.rowHeight + kLine; }

// Sizes, font and editor margins at the grid's DPI, from the design values.
void ApplyDpi(Grid& g) {
  g.dpi = DpiOf(g.hwnd);
  g.widths = g.designWidths;
  for (int& width : g.widths) width = std::max(Scale(width, g.dpi), 1);
  g.rowHeight = std::max(Scale(g.designRowHeight, g.dpi), 1);
  g.textLeft = Scale(kTextLeft, g.dpi);
  g.textTop = Scale(kTextTop, g.dpi);
  if (g.editor) {
    SendMessageW(g.editor, WM_SETFONT, reinterpret_cast<WPARAM>(FormFont(g.dpi)), FALSE);
    SendMessageW(g.editor, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(g.textLeft - 1, 1));
  }
}

int VisibleRows(const Grid& g) {
  RECT r;
  GetClientRect(g.hwnd, &r);
  return std::max(1, static_cast<int>((r.bottom - Pitch(g)) / Pitch(g)));
}

int ColLeft(const Grid& g, int col) {
  int x = 0;
  for (int c = 0; c < col && c < static_cast<int>(g.widths.size()); ++c) x += g.widths[static_cast<std::size_t>(c)] + kLine;
  return x;
}

// Where a cell lies in the client area; cells of rows above the top row lie above the heading.
RECT CellRect(const Grid& g, int col, int row) {
  RECT r;
  r.left = ColLeft(g, col);
  r.right = r.left + g.widths[static_cast<std::size_t>(col)];
  r.top = row == 0 ? 0 : Pitch(g) + (row - g.model.topRow()) * Pitch(g);
  r.bottom = r.top + g.rowHeight;
  return r;
}

void NotifyChange(const Grid& g) {
  HWND parent = GetParent(g.hwnd);
  if (parent)
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(g.hwnd), SGN_CHANGE), reinterpret_cast<LPARAM>(g.hwnd));
}

// The editor's text is the current cell's text; the model learns it when asked or when the cell is left.
void StoreEditor(Grid& g) { g.model.SetCell(g.model.col(), g.model.row(), GetText(g.editor)); }

void LoadEditor(Grid& g) {
  g.loading = true;
  SetText(g.editor, g.model.Cell(g.model.col(), g.model.row()));
  g.loading = false;
  SendMessageW(g.editor, EM_SETSEL, 0, -1);
}

void PlaceEditor(Grid& g) {
  if (g.model.IsRowShown(g.model.row(), VisibleRows(g))) {
    // The editor's text stands where the cell paints its own.
    const RECT r = CellRect(g, g.model.col(), g.model.row());
    const int top = std::min(g.textTop, g.rowHeight - 1);
    SetWindowPos(g.editor, nullptr, r.left, r.top + top, r.right - r.left, r.bottom - r.top - top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  } else {
    ShowWindow(g.editor, SW_HIDE);
  }
}

void UpdateScrollBar(Grid& g) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 1;
  si.nMax = g.model.rows() - 1;
  si.nPage = static_cast<UINT>(VisibleRows(g));
  si.nPos = g.model.topRow();
  SetScrollInfo(g.hwnd, SB_VERT, &si, TRUE);
}

void Refresh(Grid& g) {
  UpdateScrollBar(g);
  PlaceEditor(g);
  InvalidateRect(g.hwnd, nullptr, FALSE);
}

void ScrollView(Grid& g, int topRow) {
  if (g.model.ScrollTo(topRow, VisibleRows(g))) Refresh(g);
}

// Makes another cell current: the old cell keeps the editor's text, the editor shows the new one.
template <typename Move>
bool Go(Grid& g, Move move) {
  StoreEditor(g);
  if (!move(g.model)) return false;
  g.model.ScrollIntoView(VisibleRows(g));
  LoadEditor(g);
  Refresh(g);
  return true;
}

void EnsureCurrentShown(Grid& g) {
  if (g.model.ScrollIntoView(VisibleRows(g))) Refresh(g);
}

// The focus moves on to the control before or after the grid in its window's tab order.
void Leave(Grid& g, bool backward) {
  HWND root = GetAncestor(g.hwnd, GA_ROOT);
  HWND next = GetNextDlgTabItem(root, g.hwnd, backward ? TRUE : FALSE);
  if (!next || next == g.hwnd) return;
  if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
  SetFocus(next);
}

LRESULT CALLBACK EditorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
  auto* g = reinterpret_cast<Grid*>(ref);
  switch (msg) {
    case WM_GETDLGCODE:
      return DefSubclassProc(hwnd, msg, wp, lp) | DLGC_WANTARROWS | DLGC_WANTTAB;
    case WM_KEYDOWN: {
      const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
      const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
      switch (wp) {
        case VK_TAB:
          if (ctrl) Leave(*g, shift);
          else if (!Go(*g, [&](GridModel& m) { return shift ? m.Previous() : m.Next(); })) Leave(*g, shift);
          return 0;
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT: {
          const int page = VisibleRows(*g);
          const int delta = wp == VK_UP ? -1 : wp == VK_DOWN ? 1 : wp == VK_PRIOR ? -page : page;
          if (!Go(*g, [&](GridModel& m) { return m.MoveRows(delta); })) EnsureCurrentShown(*g);
          return 0;
        }
        default:
          EnsureCurrentShown(*g);
          break;
      }
      break;
    }
    case WM_CHAR:
      if (wp == '\t') return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, EditorProc, 0);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

void Paint(Grid& g, HDC target) {
  RECT client;
  GetClientRect(g.hwnd, &client);
  const int w = client.right;
  const int h = client.bottom;
  if (w <= 0 || h <= 0) return;
  HDC dc = CreateCompatibleDC(target);
  ScopedGdiObj bitmap(CreateCompatibleBitmap(target, w, h));
  {
    ScopedSelectObject selBitmap(dc, bitmap.get());
    ScopedSelectObject selFont(dc, FormFont(g.dpi));
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    const bool enabled = IsWindowEnabled(g.hwnd) != FALSE;
    const int cols = g.model.cols();
    const int gridRight = std::min(w, ColLeft(g, cols));

    auto text = [&](const RECT& r, const std::string& s) {
      RECT clip = r;
      const std::wstring wide = Wide(s);
      ExtTextOutW(dc, r.left + g.textLeft, r.top + g.textTop, ETO_CLIPPED, &clip, wide.data(),
                  static_cast<UINT>(wide.size()), nullptr);
    };

    // The cells below the heading, from the top row down.
    SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    const int visible = VisibleRows(g) + 1;  // and the part of one more row
    for (int row = g.model.topRow(); row < g.model.rows() && row < g.model.topRow() + visible; ++row) {
      for (int col = 0; col < cols; ++col) {
        if (col == g.model.col() && row == g.model.row() && IsWindowVisible(g.editor)) continue;
        text(CellRect(g, col, row), g.model.Cell(col, row));
      }
    }
    {
      ScopedGdiObj pen(CreatePen(PS_SOLID, 1, HighContrast() ? GetSysColor(COLOR_WINDOWTEXT) : kCellLine));
      ScopedSelectObject selPen(dc, pen.get());
      for (int col = 0; col < cols; ++col) {
        const int x = ColLeft(g, col) + g.widths[static_cast<std::size_t>(col)];
        MoveToEx(dc, x, Pitch(g), nullptr);
        LineTo(dc, x, h);
      }
      for (int y = Pitch(g) + g.rowHeight; y < h; y += Pitch(g)) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, gridRight, y);
      }
    }

    // The heading row, raised like buttons, with dark lines.
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    for (int col = 0; col < cols; ++col) {
      RECT r = CellRect(g, col, 0);
      FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
      DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
      text(r, g.model.Cell(col, 0));
    }
    ScopedGdiObj dark(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW)));
    ScopedSelectObject selDark(dc, dark.get());
    MoveToEx(dc, 0, g.rowHeight, nullptr);
    LineTo(dc, gridRight, g.rowHeight);
    for (int col = 0; col < cols; ++col) {
      const int x = ColLeft(g, col) + g.widths[static_cast<std::size_t>(col)];
      MoveToEx(dc, x, 0, nullptr);
      LineTo(dc, x, g.rowHeight);
    }
    BitBlt(target, 0, 0, w, h, dc, 0, 0, SRCCOPY);
  }
  DeleteDC(dc);
}

void OnVScroll(Grid& g, int code) {
  const int top = g.model.topRow();
  const int page = VisibleRows(g);
  switch (code) {
    case SB_LINEUP: ScrollView(g, top - 1); break;
    case SB_LINEDOWN: ScrollView(g, top + 1); break;
    case SB_PAGEUP: ScrollView(g, top - page); break;
    case SB_PAGEDOWN: ScrollView(g, top + page); break;
    case SB_TOP: ScrollView(g, 1); break;
    case SB_BOTTOM: ScrollView(g, g.model.rows()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(g.hwnd, SB_VERT, &si);
      ScrollView(g, si.nTrackPos);
      break;
    }
    default: break;
  }
}

void OnClick(Grid& g, int x, int y) {
  int col = -1;
  for (int c = 0; c < g.model.cols(); ++c) {
    const int left = ColLeft(g, c);
    if (x >= left && x < left + g.widths[static_cast<std::size_t>(c)] + kLine) col = c;
  }
  int row = -1;
  if (y >= Pitch(g)) row = g.model.topRow() + (y - Pitch(g)) / Pitch(g);
  if (g.model.IsEditable(col, row)) Go(g, [&](GridModel& m) { return m.MoveTo(col, row); });
  SetFocus(g.editor);
}

LRESULT GridWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  Grid* g = &grid;
  g->hwnd = hwnd();
  switch (msg) {
    case WM_CREATE:
      g->editor = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, hwnd(), nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
      if (!g->editor) return -1;
      SendMessageW(g->editor, EM_SETLIMITTEXT, 0, 0);
      ApplyDpi(*g);
      SetWindowSubclass(g->editor, EditorProc, 0, reinterpret_cast<DWORD_PTR>(g));
      return 0;
    case WM_DPICHANGED_AFTERPARENT:
      ApplyDpi(*g);
      g->model.ScrollTo(g->model.topRow(), VisibleRows(*g));
      Refresh(*g);
      return 0;
    case WM_SIZE:
      g->model.ScrollTo(g->model.topRow(), VisibleRows(*g));
      Refresh(*g);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      Paint(*g, dc);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_SETFOCUS:
      EnsureCurrentShown(*g);
      SendMessageW(g->editor, EM_SETSEL, 0, -1);
      SetFocus(g->editor);
      return 0;
    case WM_ENABLE:
      EnableWindow(g->editor, static_cast<BOOL>(wp));
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
      OnClick(*g, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
      return 0;
    case WM_VSCROLL:
      OnVScroll(*g, LOWORD(wp));
      return 0;
    case WM_MOUSEWHEEL: {
      g->wheel += static_cast<short>(HIWORD(wp));
      const int rows = g->wheel / WHEEL_DELTA * 3;
      g->wheel %= WHEEL_DELTA;
      if (rows) ScrollView(*g, g->model.topRow() - rows);
      return 0;
    }
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lp) == g->editor && HIWORD(wp) == EN_CHANGE && !g->loading) NotifyChange(*g);
      return 0;
    case SGM_SETCURRENTCELL:
      return SetCurrentCell(hwnd(), static_cast<int>(wp), static_cast<int>(lp)) ? 1 : 0;
    case SGM_GETCURRENTCELL:
      return MAKELONG(g->model.col(), g->model.row());
    case SGM_GETEDITOR:
      return reinterpret_cast<LRESULT>(g->editor);
    case SGM_GETCOLCOUNT:
      return g->model.cols();
    case SGM_GETROWCOUNT:
      return g->model.rows();
    case SGM_GETTOPROW:
      return g->model.topRow();
    default:
      break;
  }
  return Default(msg, wp, lp);
}

}  // namespace

HWND CreateStringGrid(HWND parent, int id, int x, int y, int w, int h, const std::vector<int>& colWidths, int rowCount,
                      int rowHeight) {
  auto* window = new GridWindow(static_cast<int>(colWidths.size()), rowCount);
  Grid* g = &window->grid;
  g->designWidths = colWidths;
  g->designWidths.resize(static_cast<std::size_t>(g->model.cols()), 64);
  for (int& width : g->designWidths) width = std::max(width, 1);
  g->designRowHeight = std::max(rowHeight, 1);
  const int dpi = DpiOf(parent);
  HWND hwnd = window->Make(parent, id, Scale(x, dpi), Scale(y, dpi), Scale(w, dpi), Scale(h, dpi));
  if (!hwnd) return nullptr;
  SetDesignRect(hwnd, x, y, w, h);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FormFont(dpi)), FALSE);
  Grid* made = GridOf(hwnd);
  LoadEditor(*made);
  Refresh(*made);
  return hwnd;
}

bool IsStringGrid(HWND hwnd) { return GridOf(hwnd) != nullptr; }

int GridColCount(HWND grid) {
  Grid* g = GridOf(grid);
  return g ? g->model.cols() : 0;
}

int GridRowCount(HWND grid) {
  Grid* g = GridOf(grid);
  return g ? g->model.rows() : 0;
}

std::string GetCell(HWND grid, int col, int row) {
  Grid* g = GridOf(grid);
  if (!g) return {};
  if (col == g->model.col() && row == g->model.row()) return GetText(g->editor);
  return g->model.Cell(col, row);
}

void SetCell(HWND grid, int col, int row, const std::string& text) {
  Grid* g = GridOf(grid);
  if (!g || col < 0 || col >= g->model.cols() || row < 0 || row >= g->model.rows()) return;
  g->model.SetCell(col, row, text);
  if (col == g->model.col() && row == g->model.row()) LoadEditor(*g);
  InvalidateRect(grid, nullptr, FALSE);
  NotifyChange(*g);
}

bool SetCurrentCell(HWND grid, int col, int row) {
  Grid* g = GridOf(grid);
  if (!g) return false;
  if (!g->model.IsEditable(col, row)) return false;
  Go(*g, [&](GridModel& m) { return m.MoveTo(col, row); });
  return true;
}

}  // namespace qm
