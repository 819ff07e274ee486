// The cells, the current cell and the scroll position of a string grid with one fixed heading row and no fixed
// column: what the grid window (app/string_grid.h) shows and how the keys move through it. Platform-free.
#pragma once

#include <string>
#include <vector>

namespace qm {

class GridModel {
 public:
  // At least one column and two rows (the heading row and one row of cells); smaller values are raised to that.
  GridModel(int cols, int rows);

  int cols() const { return cols_; }
  int rows() const { return rows_; }

  // Out-of-range cells read as empty and ignore writes.
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string text);

  // The current cell: always a cell below the heading row.
  int col() const { return col_; }
  int row() const { return row_; }
  bool IsEditable(int col, int row) const { return col >= 0 && col < cols_ && row >= 1 && row < rows_; }
  // False (and nothing moves) for the heading row or a cell outside the grid.
  bool MoveTo(int col, int row);
  // Tab and Shift+Tab: the next or previous cell in reading order. False at the last or first cell, where the
  // focus leaves the grid instead.
  bool Next();
  bool Previous();
  // Up, Down, PageUp, PageDown: delta rows, held inside the rows below the heading. False when the row stays.
  bool MoveRows(int delta);

  // Scrolling: topRow is the first row below the heading that is shown; visible is how many rows below the heading
  // fit in the window (at least 1).
  int topRow() const { return top_; }
  int MaxTopRow(int visible) const;
  // Keeps topRow within 1..MaxTopRow; returns whether it changed.
  bool ScrollTo(int topRow, int visible);
  // Scrolls just enough that the current row is fully shown; returns whether it scrolled.
  bool ScrollIntoView(int visible);
  bool IsRowShown(int row, int visible) const { return row >= top_ && row < top_ + visible; }

 private:
  int cols_;
  int rows_;
  std::vector<std::string> cells_;  // row by row
  int col_ = 0;
  int row_ = 1;
  int top_ = 1;
};

}  // namespace qm
