// The Open file kind's generator with any options: texts and filter cells of any bytes and length, any filter index
// and any combination of the option boxes.
#include "dialogs/openfile_core.h"
#include "tests/fuzz/fuzz_filedialog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  qm::OpenFileOptions o;
  fuzz::ReadFileDialogOptions(in, o);
  o.allowMultiSelect = in.Bool();
  o.hideReadOnly = in.Bool();
  o.fileMustExist = in.Bool();
  o.pathMustExist = in.Bool();
  o.createPrompt = in.Bool();
  const qm::TCodeTarget target = in.Target();
  const qm::GeneratedCode code = qm::GenerateOpenFile(o, qm::FrameTexts::Defaults(), target);
  // The same options with the answer handled: the frame holds as well.
  fuzz::CheckFrame(qm::GenerateOpenFile(o, qm::FrameTexts::Defaults(), target, true),
                   qm::FrameTexts::Defaults(), target);
  fuzz::CheckFileDialog(code, o, target, qm::OpenFileFlags(o), 0x80200 | 0x4 | 0x1000 | 0x800 | 0x2000);
  return 0;
}
