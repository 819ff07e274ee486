/* Messages of the string grid (window class "QmStringGrid", app/string_grid.h) that carry only plain values, so that
   another program can drive a grid: choose the current cell, then read or write that cell through the grid's in-place
   editor with WM_GETTEXT / WM_SETTEXT. The grid reads the editor's text back whenever the cell is asked for or left.

     SendMessage(grid, SGM_SETCURRENTCELL, col, row);
     HWND editor = (HWND)SendMessage(grid, SGM_GETEDITOR, 0, 0);
     SendMessage(editor, WM_SETTEXT, 0, (LPARAM)"Text files");

   Numbers only: no Windows header is needed to use them. */
#ifndef QM_STRING_GRID_MSGS_H
#define QM_STRING_GRID_MSGS_H

/* WM_USER (0x0400) + 0x0200 and up. */
#define SGM_FIRST 0x0600

/* wParam column, lParam row (row 0 is the heading row and cannot be current). Moves the in-place editor to that
   cell and scrolls it into view. Returns 1 when the cell became current, 0 for a cell outside the editable rows. */
#define SGM_SETCURRENTCELL (SGM_FIRST + 0)
/* Returns the current cell: column in the low word, row in the high word. */
#define SGM_GETCURRENTCELL (SGM_FIRST + 1)
/* Returns the window handle of the in-place editor (an "Edit" child of the grid). */
#define SGM_GETEDITOR (SGM_FIRST + 2)
/* Return the number of columns / rows (the heading row included). */
#define SGM_GETCOLCOUNT (SGM_FIRST + 3)
#define SGM_GETROWCOUNT (SGM_FIRST + 4)
/* Returns the first row below the heading row that is shown (the scroll position). */
#define SGM_GETTOPROW (SGM_FIRST + 5)

/* Notification code of the WM_COMMAND that the grid sends its parent (low word: the grid's id, lParam: the grid)
   whenever the text of a cell changes, by typing or by SetCell. */
#define SGN_CHANGE 0x0300

#endif
