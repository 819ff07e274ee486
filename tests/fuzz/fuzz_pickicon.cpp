// The pick-icon kind's generator with any options: file and variable names of any bytes and length, any index.
#include "dialogs/pickicon_core.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  qm::PickIconOptions o;
  o.fileToOpen = in.Text();
  o.fileNameVar = in.Text();
  o.iconIndex = in.Int<std::int32_t>();
  o.iconIndexVar = in.Text();
  const qm::FrameTexts t = qm::FrameTexts::Defaults();
  const qm::TCodeTarget target = in.Target();
  const qm::GeneratedCode code = qm::GeneratePickIcon(o, t, target);
  // The same options with the answer handled: the frame holds as well.
  fuzz::CheckFrame(qm::GeneratePickIcon(o, t, target, true), t, target);
  fuzz::CheckFrame(code, t, target);

  // The index, as the spin field holds it (an Integer, negative ones too), after the allocation in both parts.
  const std::string prefix = "  " + o.iconIndexVar + " := ";
  for (const std::string* line : {&code.fragment[code.fragment.size() - 4], &code.impl[code.impl.size() - 3]}) {
    fuzz::Require(fuzz::StartsWith(*line, prefix) && fuzz::EndsWith(*line, ";"), "the index line", *line);
    const auto v = fuzz::CanonicalDecimal(std::string_view(*line).substr(prefix.size(), line->size() - prefix.size() - 1),
                                          fuzz::kInt32Min, fuzz::kInt32Max);
    fuzz::Require(v && *v == o.iconIndex, "the icon index", *line);
  }
  // The path the test hands to the picker fits its buffer beside the zero.
  const std::string_view path = qm::PathForPicker(o.fileToOpen);
  fuzz::Require(path.size() < qm::kPickIconPathChars, "the path does not fit the picker's buffer");
  fuzz::Require(o.fileToOpen.compare(0, path.size(), path) == 0, "the path is not the start of the file name");
  return 0;
}
