#include "dialogs/shellabout_core.h"

namespace qm {

GeneratedCode GenerateShellAbout(const ShellAboutOptions& o, const FrameTexts& texts) {
  const std::string call = "SHAbout(Handle, PChar('" + o.product + "'), PChar('" + JoinMemoLines(o.descriptionLines) +
                           "'), Application.Icon.Handle);";
  GeneratedCode code;
  code.fragment = Fragment(texts, {"// unit ShellExt must be in uses clause !", call});
  code.uses = {"ShellExt"};
  code.impl = {call};
  return code;
}

}  // namespace qm
