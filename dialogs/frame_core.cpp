#include "dialogs/frame_core.h"

namespace qm {

bool IsDialogKind(int value) { return value == 0 || (value >= 2 && value <= 12); }

}  // namespace qm
