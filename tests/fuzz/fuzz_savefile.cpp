// The Save file kind's generator with any options: texts and filter cells of any bytes and length, any filter index
// and any combination of the option boxes.
#include "dialogs/savefile_core.h"
#include "tests/fuzz/fuzz_filedialog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  qm::SaveFileOptions o;
  fuzz::ReadFileDialogOptions(in, o);
  o.overwritePrompt = in.Bool();
  o.hideReadOnly = in.Bool();
  o.fileMustExist = in.Bool();
  o.pathMustExist = in.Bool();
  o.createPrompt = in.Bool();
  const qm::TCodeTarget target = in.Target();
  const qm::GeneratedCode code = qm::GenerateSaveFile(o, qm::FrameTexts::Defaults(), target);
  // The same options with the answer handled: the frame holds as well.
  fuzz::CheckFrame(qm::GenerateSaveFile(o, qm::FrameTexts::Defaults(), target, true),
                   qm::FrameTexts::Defaults(), target);
  fuzz::CheckFileDialog(code, o, target, qm::SaveFileFlags(o), 0x2 | 0x4 | 0x1000 | 0x800 | 0x2000);
  return 0;
}
