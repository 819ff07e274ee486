#include "dialogs/kind_panel.h"

namespace qm {

std::unique_ptr<KindPanel> MakeFileOpPanel() { return MakeUnbuiltPanel(dkFileOperation); }

}  // namespace qm
