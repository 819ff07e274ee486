// The Save file kind: its options and the code that shows it. It shares the filter rows, the test record and all but
// three lines of its code with the Open file kind (dialogs/openfile_core.h). Platform-free.
#pragma once

#include <cstdint>

#include "dialogs/openfile_core.h"

namespace qm {

struct SaveFileOptions : FileDialogOptions {
  bool overwritePrompt = false;
  bool hideReadOnly = true;
  bool fileMustExist = false;
  bool pathMustExist = false;
  bool createPrompt = false;
};

// Never carries the Explorer flag: the Save panel has no multiple selection.
std::uint32_t SaveFileFlags(const SaveFileOptions& options);
GeneratedCode GenerateSaveFile(const SaveFileOptions& options, const FrameTexts& texts, TCodeTarget target);
// With `handleAnswer` the call's result is tested as the Open file kind's is.
GeneratedCode GenerateSaveFile(const SaveFileOptions& options, const FrameTexts& texts, TCodeTarget target,
                               bool handleAnswer);

}  // namespace qm
