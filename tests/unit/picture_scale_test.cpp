// The drawing of a picture that a window shows at each DPI.
#include <gtest/gtest.h>

#include "app/picture_scale_core.h"
#include "resource.h"

using namespace qm;

TEST(PictureScale, EachDpiShowsTheNearestDrawingTiesTowardTheLarger) {
  struct Case {
    int dpi;
    int percent;
    int testPictureId;  // IDB_TEST (220) as the resource script numbers its drawings
  };
  // 168 DPI (175 %) lies halfway between 150 and 200 %; 288 and 480 DPI lie beyond the largest drawing.
  const Case cases[] = {{96, 100, 220},   {120, 125, 10220}, {144, 150, 20220}, {168, 200, 30220},
                        {192, 200, 30220}, {240, 250, 40220}, {288, 250, 40220}, {480, 250, 40220}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    EXPECT_EQ(kPictureScales[PictureScaleIndex(c.dpi)], c.percent);
    EXPECT_EQ(PictureIdForDpi(IDB_TEST, c.dpi), c.testPictureId);
  }
}
