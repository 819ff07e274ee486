// The shell About kind's generator with any product name and description lines of any bytes and length.
#include "dialogs/shellabout_core.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  qm::ShellAboutOptions o;
  o.product = in.Text();
  o.descriptionLines = in.MemoLines();
  const qm::FrameTexts t = qm::FrameTexts::Defaults();
  const qm::TCodeTarget target = in.Target();
  const qm::GeneratedCode code = qm::GenerateShellAbout(o, t, target);
  fuzz::CheckFrame(code, t, target);
  fuzz::Require(code.impl.size() == 1 && code.fragment.size() == 4, "the call is not one statement");
  fuzz::Require(code.impl[0] == code.fragment[2], "the editor's call differs from the clipboard's", code.impl[0]);
  fuzz::Require(fuzz::EndsWith(code.impl[0], "'), Application.Icon.Handle);"), "the call's end", code.impl[0]);
  return 0;
}
