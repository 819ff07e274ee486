#include "dialogs/savefile_core.h"

namespace qm {

std::uint32_t SaveFileFlags(const SaveFileOptions& o) {
  std::uint32_t flags = 0;
  if (o.overwritePrompt) flags |= kOfnOverwritePrompt;
  if (o.hideReadOnly) flags |= kOfnHideReadOnly;
  if (o.fileMustExist) flags |= kOfnFileMustExist;
  if (o.pathMustExist) flags |= kOfnPathMustExist;
  if (o.createPrompt) flags |= kOfnCreatePrompt;
  return flags;
}

GeneratedCode GenerateSaveFile(const SaveFileOptions& o, const FrameTexts& texts, TCodeTarget target) {
  return GenerateSaveFile(o, texts, target, false);
}

GeneratedCode GenerateSaveFile(const SaveFileOptions& o, const FrameTexts& texts, TCodeTarget target,
                               bool handleAnswer) {
  static const FileDialogCodeVariant kSave{"szFile", "GetSaveFileName", "ofn.lpstrFile"};
  return GenerateFileDialog(o, SaveFileFlags(o), kSave, texts, target, handleAnswer);
}

}  // namespace qm
