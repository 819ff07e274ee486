#include "dialogs/kind_panel.h"

namespace qm {

std::unique_ptr<KindPanel> MakeIconDlgPanel() { return MakeUnbuiltPanel(dkPickIcon); }

}  // namespace qm
