// A string grid of our own, window class "QmStringGrid": columns of given widths, rows of one given height, row 0 a
// fixed heading row that never scrolls, no fixed column. The current cell is edited in place by an edit control
// that is always shown (while its cell is in view). Tab and Shift+Tab move from cell to cell in reading order and
// leave the grid after its last and before its first cell (Ctrl+Tab and Ctrl+Shift+Tab leave it at once); Up, Down,
// PageUp and PageDown move between rows; a click chooses a cell; a vertical scroll bar appears when the rows do not
// fit the window's height. Every row below the heading is editable; the heading is written with SetCell.
//
// Use (the grid takes the focus in the tab order of its creation, like any control):
//   HWND grid = CreateStringGrid(panel, IDC_GridOpen, 8, 110, 201, 195, {92, 87}, 20, 16);
//   SetCell(grid, 0, 0, "Description");          // heading cells are row 0
//   std::string pattern = GetCell(grid, 1, 3);   // column 1, row 3; the editor's live text for the current cell
// A one-column grid: CreateStringGrid(panel, id, x, y, w, h, {w - 21}, 20, 16).
// The grid sends its parent WM_COMMAND(MAKEWPARAM(id, SGN_CHANGE), grid) when a cell's text changes.
// Other programs drive it with the messages of app/string_grid_msgs.h.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/string_grid_msgs.h"

namespace qm {

// x, y, w, h in design pixels (96 DPI) relative to the parent (the outer size, border and scroll bar included), and
// the column widths and row height too: the grid shows them at its DPI. The columns should fit the width left of the
// scroll bar; a wider last column is cut at the window's edge.
HWND CreateStringGrid(HWND parent, int id, int x, int y, int w, int h, const std::vector<int>& colWidths, int rowCount,
                      int rowHeight);

bool IsStringGrid(HWND hwnd);
int GridColCount(HWND grid);
int GridRowCount(HWND grid);
// Empty for a cell outside the grid; writing such a cell does nothing.
std::string GetCell(HWND grid, int col, int row);
void SetCell(HWND grid, int col, int row, const std::string& text);
// Makes a cell below the heading current (false for any other cell).
bool SetCurrentCell(HWND grid, int col, int row);

}  // namespace qm
