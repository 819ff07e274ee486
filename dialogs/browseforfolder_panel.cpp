#include "dialogs/kind_panel.h"

namespace qm {

std::unique_ptr<KindPanel> MakeBrowseForFolderPanel() { return MakeUnbuiltPanel(dkBrowseForFolder); }

}  // namespace qm
