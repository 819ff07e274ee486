// The Color dialog kind's generator with any options: any colour reference (system colours too), any flags, a
// variable name of any bytes and length.
#include "dialogs/choosecolor_core.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  qm::ChooseColorOptions o;
  o.fullOpen = in.Bool();
  o.preventFullOpen = in.Bool();
  o.rgbInit = in.Bool();
  o.showHelp = in.Bool();
  o.color = in.Bool() ? qm::ColorFromParts(in.Int<std::int32_t>(), in.Int<std::int32_t>(), in.Int<std::int32_t>())
                      : in.Int<std::uint32_t>();
  o.varName = in.Text();
  o.initWithVar = in.Bool();
  const qm::FrameTexts t = qm::FrameTexts::Defaults();
  const qm::TCodeTarget target = in.Target();
  const qm::GeneratedCode code = qm::GenerateChooseColor(o, t, target);
  // The same options with the answer handled: the frame holds as well.
  fuzz::CheckFrame(qm::GenerateChooseColor(o, t, target, true), t, target);
  fuzz::CheckFrame(code, t, target);

  for (const auto& [lines, indent] : {std::pair{&code.fragment, "  "}, std::pair{&code.impl, "    "}}) {
    fuzz::CheckNumberLine(*lines, std::string(indent) + "Flags := ", ";", 0, 15, qm::ChooseColorFlags(o),
                          "the colour dialog flags");
    // The start colour only with RGBINIT: the variable, or the colour as "$" and hexadecimal digits.
    const std::string start = std::string(indent) + "rgbResult := ";
    int found = 0;
    for (const std::string& line : *lines) {
      if (!fuzz::StartsWith(line, start) || !fuzz::EndsWith(line, ";")) continue;
      const std::string value = line.substr(start.size(), line.size() - start.size() - 1);
      if (o.initWithVar) {
        if (value == o.varName) ++found;
      } else if (!value.empty() && value[0] == '$' && value.find(' ') == std::string::npos) {
        fuzz::CheckColorLiteral(value, o.color, "the start colour");
        ++found;
      }
    }
    fuzz::Require(found == (o.rgbInit ? 1 : 0), "the start colour line follows RGBINIT");
  }
  const std::uint32_t c = o.color & 0xFFFFFF;
  fuzz::Require(qm::ColorFromParts(qm::RedOf(c), qm::GreenOf(c), qm::BlueOf(c)) == c, "a colour's parts");
  fuzz::Require(qm::ChooseColorStart(o) == (o.rgbInit ? o.color : 0u), "the test's start colour");
  return 0;
}
