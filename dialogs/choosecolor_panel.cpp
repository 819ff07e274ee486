#include "dialogs/kind_panel.h"

namespace qm {

std::unique_ptr<KindPanel> MakeColorDlgPanel() { return MakeUnbuiltPanel(dkChooseColor); }

}  // namespace qm
