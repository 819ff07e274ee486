#include "editor/pane_layout_core.h"

#include <algorithm>

#include "app/settings_core.h"

namespace qm {

int PaneSpace(int clientHeight) {
  return std::max(0, clientHeight - 2 * kEditorBorder - 2 * kSplitterHeight - kButtonPanelHeight);
}

PaneHeights FitPanes(int uses, int impl, int space) {
  PaneHeights h{ClampPaneHeight(uses, kUsesPaneLimits), 0, ClampPaneHeight(impl, kImplPaneLimits)};
  int rest = space - h.uses - h.impl;
  if (rest < kDeclPaneLimits.minHeight) {
    const int give = std::min(kDeclPaneLimits.minHeight - rest, h.impl - kImplPaneLimits.minHeight);
    h.impl -= give;
    rest += give;
  }
  if (rest < kDeclPaneLimits.minHeight) {
    const int give = std::min(kDeclPaneLimits.minHeight - rest, h.uses - kUsesPaneLimits.minHeight);
    h.uses -= give;
    rest += give;
  }
  h.decl = rest < kDeclPaneLimits.minHeight ? std::max(rest, 0) : std::min(rest, kDeclPaneLimits.maxHeight);
  return h;
}

namespace {
HeightRange Range(int current, PaneLimits own, int otherPane, int space) {
  HeightRange r{std::max(own.minHeight, space - otherPane - kDeclPaneLimits.maxHeight),
                std::min(own.maxHeight, space - otherPane - kDeclPaneLimits.minHeight)};
  if (r.min > r.max) r = {current, current};
  return r;
}
}  // namespace

HeightRange UsesDragRange(int uses, int impl, int space) { return Range(uses, kUsesPaneLimits, impl, space); }
HeightRange ImplDragRange(int uses, int impl, int space) { return Range(impl, kImplPaneLimits, uses, space); }

}  // namespace qm
