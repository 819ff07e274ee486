#include "dialogs/kind_panel.h"

namespace qm {

std::unique_ptr<KindPanel> MakeOpenDlgPanel() { return MakeUnbuiltPanel(dkOpenFile); }

}  // namespace qm
