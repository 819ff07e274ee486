#include "dialogs/kind_panel.h"

namespace qm {

std::unique_ptr<KindPanel> MakeSaveDlgPanel() { return MakeUnbuiltPanel(dkSaveFile); }

}  // namespace qm
