#include "dialogs/frame_core.h"

namespace qm {

bool IsDialogKind(int value) { return value == 0 || (value >= 2 && value <= 12); }

std::string_view RecordArgumentPrefix(TCodeTarget target) { return target == ctFreePascal ? "@" : ""; }

bool HasWindows9xBranch(TCodeTarget target) { return target != ctDelphiUnicode; }

}  // namespace qm
