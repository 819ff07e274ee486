// The message box kind's generator with any options: title and text of any bytes and length, any icon, button,
// modality and form of the call.
#include "dialogs/messagebox_core.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  qm::MessageBoxOptions o;
  o.title = in.Text();
  o.textLines = in.MemoLines();
  o.icon = in.Enum<qm::MbIcon>(5);
  o.button = in.Enum<qm::MbButton>(qm::kMbButtonCount);
  o.modality = in.Enum<qm::MbModality>(3);
  o.asProcedure = in.Bool();
  o.varName = in.Text();
  const qm::FrameTexts t = qm::FrameTexts::Defaults();
  const qm::TCodeTarget target = in.Target();
  const qm::GeneratedCode code = qm::GenerateMessageBox(o, t, target);
  // The same options with the answer handled: the frame holds as well.
  fuzz::CheckFrame(qm::GenerateMessageBox(o, t, target, true), t, target);
  fuzz::CheckFrame(code, t, target);

  // The flags, the call's last argument: button set (0 to 5), default button, icon and modality bits only.
  const std::uint32_t flags = qm::MessageBoxFlags(o);
  const std::uint32_t set = qm::MbButtonDescription(o.button).flags & 0xF;
  fuzz::Require(set <= 5, "the button set is no MB_ value");
  for (const std::string* line : {&code.fragment[code.fragment.size() - 2], &code.impl.back()}) {
    const auto args = fuzz::TrailingArguments(*line, 1);
    fuzz::Require(args.size() == 1, "the call has no flags argument", *line);
    fuzz::CheckFlags(args[0], 0x3377, flags, "the message box flags");
  }
  fuzz::Require(code.impl.size() == 1, "the statement is not one line");
  fuzz::Require(code.decl.size() == (o.asProcedure ? 0u : 2u), "the declaration follows the call's form");
  return 0;
}
