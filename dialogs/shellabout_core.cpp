#include "dialogs/shellabout_core.h"

namespace qm {

GeneratedCode GenerateShellAbout(const ShellAboutOptions& o, const FrameTexts& texts, TCodeTarget target) {
  CodeWriter out(texts, target, 1, 1, 0);
  out.Comment({"// unit ShellExt must be in uses clause !"});
  // The pane keeps the call at the margin, as the fragment has it.
  out.AddUnindented({"SHAbout(Handle, PChar('", o.product, "'), PChar('", JoinMemoLines(o.descriptionLines),
                     "'), Application.Icon.Handle);"});
  return out.Finish("ShellExt");
}

}  // namespace qm
