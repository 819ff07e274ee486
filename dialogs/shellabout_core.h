// The shell About kind: the code that shows the shell's standard About box. Platform-free.
#pragma once

#include <string>

#include "dialogs/frame_core.h"

namespace qm {

struct ShellAboutOptions {
  std::string product;
  Lines descriptionLines;  // the description memo's lines as the memo counts them
};

GeneratedCode GenerateShellAbout(const ShellAboutOptions& options, const FrameTexts& texts, TCodeTarget target);

}  // namespace qm
