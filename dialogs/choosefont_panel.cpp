#include "dialogs/kind_panel.h"

namespace qm {

std::unique_ptr<KindPanel> MakeFontDlgPanel() { return MakeUnbuiltPanel(dkChooseFont); }

}  // namespace qm
