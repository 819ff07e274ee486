#include "dialogs/kind_panel.h"

namespace qm {

std::unique_ptr<KindPanel> MakePrintDlgPanel() { return MakeUnbuiltPanel(dkPrint); }

}  // namespace qm
