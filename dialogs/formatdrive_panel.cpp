#include "dialogs/kind_panel.h"

namespace qm {

std::unique_ptr<KindPanel> MakeFormatDrivePanel() { return MakeUnbuiltPanel(dkFormatDrive); }

}  // namespace qm
