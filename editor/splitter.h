// A horizontal bar between two panes that the user drags with the mouse to change a pane's height.
#pragma once

#include <windows.h>

namespace qm {

// Told about a drag of a splitter; `id` is the splitter's control id.
class SplitterSink {
 public:
  virtual ~SplitterSink() = default;
  virtual void SplitterBegin(int id) = 0;
  // `delta`: how many pixels the mouse moved down (negative: up) since the drag began.
  virtual void SplitterDrag(int id, int delta) = 0;
  virtual void SplitterEnd(int id) = 0;
};

// bevelled: a raised line (light above, shadow below) instead of a plain face.
HWND CreateSplitter(HWND parent, int id, int x, int y, int w, int h, bool bevelled, SplitterSink* sink);

}  // namespace qm
