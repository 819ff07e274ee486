// How the code editor shares its height between the three panes. Platform-free.
//
// From the top: the uses pane, a 2-pixel splitter, the declarations pane (it takes what is left), a 2-pixel
// splitter, the implementation pane, and the 40-pixel button panel, all inside a 1-pixel border.
#pragma once

namespace qm {

inline constexpr int kEditorBorder = 1;
inline constexpr int kSplitterHeight = 2;
inline constexpr int kButtonPanelHeight = 40;

// The height the three panes share in a client area of this height.
int PaneSpace(int clientHeight);

struct PaneHeights {
  int uses;
  int decl;
  int impl;
};

// The uses and implementation panes get their heights within their own limits; the declarations pane takes the
// rest, within its limits. Only when the two outer panes together leave the middle one less than its minimum
// (a combination no splitter produces) does the implementation pane, then the uses pane, give way, down to their
// own minimums, so that no pane covers another.
PaneHeights FitPanes(int uses, int impl, int space);

struct HeightRange {
  int min;
  int max;
};
// How far a splitter may move its pane: within the pane's limits, and only so far that the declarations pane still
// fills the space between the splitters within its own limits. When nothing satisfies all of them the pane keeps
// its current height.
HeightRange UsesDragRange(int uses, int impl, int space);
HeightRange ImplDragRange(int uses, int impl, int space);

}  // namespace qm
