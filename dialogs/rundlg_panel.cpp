#include "dialogs/kind_panel.h"

namespace qm {

std::unique_ptr<KindPanel> MakeRunDlgPanel() { return MakeUnbuiltPanel(dkRunFile); }

}  // namespace qm
