// The string grid's cells and the way the keys and the scroll bar move through them.
#include <gtest/gtest.h>

#include "app/string_grid_core.h"

using namespace qm;

TEST(StringGrid, CellsOutsideTheGridReadEmptyAndIgnoreWrites) {
  GridModel g(2, 20);
  g.SetCell(0, 0, "Description");
  g.SetCell(1, 19, "*.*");
  g.SetCell(2, 1, "x");
  g.SetCell(0, 20, "x");
  g.SetCell(-1, 3, "x");
  EXPECT_EQ(g.Cell(0, 0), "Description");
  EXPECT_EQ(g.Cell(1, 19), "*.*");
  EXPECT_EQ(g.Cell(2, 1), "");
  EXPECT_EQ(g.Cell(0, 20), "");
  EXPECT_EQ(g.Cell(-1, 3), "");
  EXPECT_EQ(g.Cell(1, 1), "");
}

TEST(StringGrid, TabWalksCellsInReadingOrderAndStopsAtBothEnds) {
  GridModel g(2, 4);
  EXPECT_EQ(g.col(), 0);
  EXPECT_EQ(g.row(), 1);
  EXPECT_FALSE(g.Previous());  // before the first cell the focus leaves the grid
  std::vector<std::pair<int, int>> seen;
  while (g.Next()) seen.emplace_back(g.col(), g.row());
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{1, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}}));
  seen.clear();
  while (g.Previous()) seen.emplace_back(g.col(), g.row());
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 3}, {1, 2}, {0, 2}, {1, 1}, {0, 1}}));
}

TEST(StringGrid, OneColumnGridTabsDownTheRows) {
  GridModel g(1, 20);
  int moves = 0;
  while (g.Next()) ++moves;
  EXPECT_EQ(moves, 18);
  EXPECT_EQ(g.row(), 19);
  EXPECT_EQ(g.col(), 0);
}

TEST(StringGrid, HeadingRowAndOutsideCellsNeverBecomeCurrent) {
  GridModel g(2, 20);
  EXPECT_FALSE(g.MoveTo(0, 0));
  EXPECT_FALSE(g.MoveTo(2, 5));
  EXPECT_FALSE(g.MoveTo(0, 20));
  EXPECT_EQ(g.row(), 1);
  EXPECT_TRUE(g.MoveTo(1, 19));
  EXPECT_EQ(g.col(), 1);
  EXPECT_EQ(g.row(), 19);
}

TEST(StringGrid, UpAndDownStayBelowTheHeadingAndKeepTheColumn) {
  GridModel g(2, 20);
  g.MoveTo(1, 2);
  EXPECT_TRUE(g.MoveRows(-1));
  EXPECT_EQ(g.row(), 1);
  EXPECT_FALSE(g.MoveRows(-1));
  EXPECT_EQ(g.row(), 1);
  EXPECT_TRUE(g.MoveRows(100));  // a page down past the end stops at the last row
  EXPECT_EQ(g.row(), 19);
  EXPECT_EQ(g.col(), 1);
  EXPECT_FALSE(g.MoveRows(1));
}

TEST(StringGrid, ScrollingKeepsTheCurrentRowInViewAndTheLastRowAtTheBottom) {
  GridModel g(2, 20);  // 19 rows below the heading, 10 of them fit
  EXPECT_EQ(g.MaxTopRow(10), 10);
  EXPECT_FALSE(g.ScrollIntoView(10));
  g.MoveTo(0, 11);
  EXPECT_TRUE(g.ScrollIntoView(10));
  EXPECT_EQ(g.topRow(), 2);
  EXPECT_TRUE(g.IsRowShown(11, 10));
  EXPECT_FALSE(g.IsRowShown(1, 10));
  g.MoveTo(0, 19);
  g.ScrollIntoView(10);
  EXPECT_EQ(g.topRow(), 10);
  EXPECT_FALSE(g.ScrollTo(50, 10));  // already at the bottom
  EXPECT_TRUE(g.ScrollTo(-3, 10));
  EXPECT_EQ(g.topRow(), 1);
  g.MoveTo(0, 1);
  EXPECT_FALSE(g.ScrollIntoView(10));
  // A window tall enough for every row never scrolls.
  EXPECT_EQ(g.MaxTopRow(25), 1);
  EXPECT_FALSE(g.ScrollTo(5, 25));
}
