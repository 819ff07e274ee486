#include "editor/splitter.h"

#include "app/scoped.h"
#include "app/window.h"

namespace qm {

namespace {

const WindowClass kSplitterClass{L"QmSplitter", 0, nullptr, nullptr, IDC_SIZENS};

// Screen position of the mouse for the message being handled; unlike the message's client coordinates it stays
// meaningful while the bar itself moves during the drag.
int MessageScreenY() {
  const DWORD pos = GetMessagePos();
  return static_cast<short>(HIWORD(pos));
}

class Splitter : public Window {
 public:
  Splitter(SplitterSink* sink, bool bevelled)
      : Window(Lifetime::OwnedByWindow), sink_(sink), bevelled_(bevelled) {}

  HWND Make(HWND parent, int id, int x, int y, int w, int h) {
    return Create(kSplitterClass, 0, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, w, h, parent, ChildId(id));
  }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_LBUTTONDOWN:
        SetCapture(hwnd());
        dragging_ = true;
        startY_ = MessageScreenY();
        if (sink_) sink_->SplitterBegin(GetDlgCtrlID(hwnd()));
        return 0;
      case WM_MOUSEMOVE:
        if (dragging_ && sink_) sink_->SplitterDrag(GetDlgCtrlID(hwnd()), MessageScreenY() - startY_);
        return 0;
      case WM_LBUTTONUP:
        if (dragging_) {
          if (sink_) sink_->SplitterDrag(GetDlgCtrlID(hwnd()), MessageScreenY() - startY_);
          ReleaseCapture();  // WM_CAPTURECHANGED ends the drag
          EndDrag();
        }
        return 0;
      case WM_CAPTURECHANGED:
        EndDrag();
        return 0;
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
        Paint();
        return 0;
      default:
        return Default(msg, wp, lp);
    }
  }

 private:
  void Paint() {
    ScopedPaint paint(hwnd());
    HDC dc = paint.dc();
    const RECT& r = paint.client();
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (bevelled_) {
      RECT top{r.left, r.top, r.right, r.top + 1};
      FillRect(dc, &top, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
      RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
      FillRect(dc, &bottom, GetSysColorBrush(COLOR_BTNSHADOW));
    }
  }

  void EndDrag() {
    if (!dragging_) return;
    dragging_ = false;
    if (sink_) sink_->SplitterEnd(GetDlgCtrlID(hwnd()));
  }

  SplitterSink* sink_;
  bool bevelled_;
  bool dragging_ = false;
  int startY_ = 0;
};

}  // namespace

HWND CreateSplitter(HWND parent, int id, int x, int y, int w, int h, bool bevelled, SplitterSink* sink) {
  return (new Splitter(sink, bevelled))->Make(parent, id, x, y, w, h);
}

}  // namespace qm
