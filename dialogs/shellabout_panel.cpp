#include "dialogs/kind_panel.h"

namespace qm {

std::unique_ptr<KindPanel> MakeShellAboutPanel() { return MakeUnbuiltPanel(dkShellAbout); }

}  // namespace qm
