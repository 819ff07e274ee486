#include "editor/splitter.h"

namespace qm {

namespace {

const char kSplitterClass[] = "QmSplitter";

struct SplitterData {
  SplitterSink* sink = nullptr;
  bool bevelled = false;
  bool dragging = false;
  int startY = 0;
};

SplitterData* DataOf(HWND hwnd) { return reinterpret_cast<SplitterData*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

// Screen position of the mouse for the message being handled; unlike the message's client coordinates it stays
// meaningful while the bar itself moves during the drag.
int MessageScreenY() {
  const DWORD pos = GetMessagePos();
  return static_cast<short>(HIWORD(pos));
}

void Paint(HWND hwnd, const SplitterData* d) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT r;
  GetClientRect(hwnd, &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  if (d && d->bevelled) {
    RECT top{r.left, r.top, r.right, r.top + 1};
    FillRect(dc, &top, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
    FillRect(dc, &bottom, GetSysColorBrush(COLOR_BTNSHADOW));
  }
  EndPaint(hwnd, &ps);
}

void EndDrag(HWND hwnd, SplitterData* d) {
  if (!d || !d->dragging) return;
  d->dragging = false;
  if (d->sink) d->sink->SplitterEnd(GetDlgCtrlID(hwnd));
}

LRESULT CALLBACK SplitterProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  SplitterData* d = DataOf(hwnd);
  switch (msg) {
    case WM_SETCURSOR:
      SetCursor(LoadCursor(nullptr, IDC_SIZENS));
      return TRUE;
    case WM_LBUTTONDOWN:
      if (d) {
        SetCapture(hwnd);
        d->dragging = true;
        d->startY = MessageScreenY();
        if (d->sink) d->sink->SplitterBegin(GetDlgCtrlID(hwnd));
      }
      return 0;
    case WM_MOUSEMOVE:
      if (d && d->dragging && d->sink) d->sink->SplitterDrag(GetDlgCtrlID(hwnd), MessageScreenY() - d->startY);
      return 0;
    case WM_LBUTTONUP:
      if (d && d->dragging) {
        if (d->sink) d->sink->SplitterDrag(GetDlgCtrlID(hwnd), MessageScreenY() - d->startY);
        ReleaseCapture();  // WM_CAPTURECHANGED ends the drag
        EndDrag(hwnd, d);
      }
      return 0;
    case WM_CAPTURECHANGED:
      EndDrag(hwnd, d);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(hwnd, d);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      delete d;
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

void RegisterSplitterClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = SplitterProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_SIZENS);
  wc.lpszClassName = kSplitterClass;
  registered = RegisterClassA(&wc) != 0;
}

}  // namespace

HWND CreateSplitter(HWND parent, int id, int x, int y, int w, int h, bool bevelled, SplitterSink* sink) {
  RegisterSplitterClass();
  auto* d = new SplitterData;
  d->sink = sink;
  d->bevelled = bevelled;
  HWND hwnd = CreateWindowExA(0, kSplitterClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, w, h, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), d);
  if (!hwnd) delete d;
  return hwnd;
}

}  // namespace qm
