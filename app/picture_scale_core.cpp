#include "app/picture_scale_core.h"

#include <cstdlib>
#include <iterator>

#include "resource.h"

namespace qm {

int PictureScaleIndex(int dpi) {
  // Compared as dpi * 100 against scale * 96, so that halfway (168 DPI between 150 and 200 %) is exact.
  int best = 0;
  for (int k = 1; k < static_cast<int>(std::size(kPictureScales)); ++k) {
    const long distance = std::labs(100L * dpi - 96L * kPictureScales[k]);
    const long bestDistance = std::labs(100L * dpi - 96L * kPictureScales[best]);
    if (distance <= bestDistance) best = k;
  }
  return best;
}

int PictureIdForDpi(int id, int dpi) { return IDB_AT_SCALE(id, PictureScaleIndex(dpi)); }

}  // namespace qm
