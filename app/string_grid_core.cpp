#include "app/string_grid_core.h"

#include <algorithm>

namespace qm {

GridModel::GridModel(int cols, int rows)
    : cols_(std::max(cols, 1)),
      rows_(std::max(rows, 2)),
      cells_(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows_)) {}

const std::string& GridModel::Cell(int col, int row) const {
  static const std::string empty;
  if (col < 0 || col >= cols_ || row < 0 || row >= rows_) return empty;
  return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)];
}

void GridModel::SetCell(int col, int row, std::string text) {
  if (col < 0 || col >= cols_ || row < 0 || row >= rows_) return;
  cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col)] =
      std::move(text);
}

bool GridModel::MoveTo(int col, int row) {
  if (!IsEditable(col, row)) return false;
  col_ = col;
  row_ = row;
  return true;
}

bool GridModel::Next() {
  if (col_ + 1 < cols_) return MoveTo(col_ + 1, row_);
  return MoveTo(0, row_ + 1);
}

bool GridModel::Previous() {
  if (col_ > 0) return MoveTo(col_ - 1, row_);
  return MoveTo(cols_ - 1, row_ - 1);
}

bool GridModel::MoveRows(int delta) {
  const int target = std::clamp(row_ + delta, 1, rows_ - 1);
  if (target == row_) return false;
  row_ = target;
  return true;
}

int GridModel::MaxTopRow(int visible) const { return std::max(1, rows_ - std::max(visible, 1)); }

bool GridModel::ScrollTo(int topRow, int visible) {
  const int t = std::clamp(topRow, 1, MaxTopRow(visible));
  if (t == top_) return false;
  top_ = t;
  return true;
}

bool GridModel::ScrollIntoView(int visible) {
  visible = std::max(visible, 1);
  if (row_ < top_) return ScrollTo(row_, visible);
  if (row_ >= top_ + visible) return ScrollTo(row_ - visible + 1, visible);
  return ScrollTo(top_, visible);  // a grid that grew taller may leave top_ beyond its new maximum
}

}  // namespace qm
