// The Font dialog kind's generator with any options: any sample font (name of any bytes and length, any height,
// colour, character set and pitch, any styles), any size limits and flags, a variable name of any bytes and length.
#include <algorithm>

#include "dialogs/choosefont_core.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  qm::ChooseFontOptions o;
  o.screenFonts = in.Bool();
  o.printerFonts = in.Bool();
  o.ttOnly = in.Bool();
  o.fixedPitchOnly = in.Bool();
  o.scalableOnly = in.Bool();
  o.effects = in.Bool();
  o.noScriptSel = in.Bool();
  o.noFaceSel = in.Bool();
  o.noStyleSel = in.Bool();
  o.noSizeSel = in.Bool();
  o.limitSize = in.Bool();
  o.minSize = in.Int<std::int32_t>();
  o.maxSize = in.Int<std::int32_t>();
  o.initToLogFont = in.Bool();
  o.initWithVar = in.Bool();
  qm::LogFontValues chosen;
  chosen.height = in.Int<std::int32_t>();
  chosen.weight = in.Int<std::int32_t>();
  chosen.italic = in.Int<std::uint8_t>();
  chosen.underline = in.Int<std::uint8_t>();
  chosen.strikeOut = in.Int<std::uint8_t>();
  chosen.charset = in.Int<std::uint8_t>();
  chosen.pitchAndFamily = in.Int<std::uint8_t>();
  chosen.faceName = in.Text();
  // The sample font as a confirmed font dialog leaves it, or any values of its fields.
  o.sample = qm::FromChosenFont(chosen, in.Int<std::uint32_t>());
  if (in.Bool()) o.sample.pitch = in.Int<std::uint8_t>();
  o.varName = in.Text();
  const qm::FrameTexts t = qm::FrameTexts::Defaults();
  const qm::TCodeTarget target = in.Target();
  const qm::GeneratedCode code = qm::GenerateChooseFont(o, t, target);
  // The same options with the answer handled: the frame holds as well.
  fuzz::CheckFrame(qm::GenerateChooseFont(o, t, target, true), t, target);
  fuzz::CheckFrame(code, t, target);

  const bool literal = o.initToLogFont && !o.initWithVar;
  for (const auto& [lines, indent] : {std::pair{&code.fragment, "  "}, std::pair{&code.impl, "    "}}) {
    const std::string i = indent;
    // The dialog starts from the whole logical font: it is cleared, right after the record, whenever it is used.
    const std::string clearRecord = i.substr(2) + "FillChar(cf, SizeOf(TChooseFont), 0);";
    const std::string clearFont = i.substr(2) + "FillChar(lf, SizeOf(TLogFont), 0);";
    const auto record = std::find(lines->begin(), lines->end(), clearRecord);
    fuzz::Require(record != lines->end(), "the font-dialog record is not cleared");
    fuzz::Require(std::count(lines->begin(), lines->end(), clearFont) == (o.initToLogFont ? 1 : 0) &&
                      (!o.initToLogFont || (record + 1 != lines->end() && record[1] == clearFont)),
                  "the logical font is not cleared exactly when the dialog starts from it");
    fuzz::CheckNumberLine(*lines, i + "Flags := ", ";", 0, fuzz::kUInt32Max, qm::ChooseFontFlags(o), "the font flags");
    if (o.limitSize) {
      fuzz::CheckNumberLine(*lines, i + "nSizeMin := ", ";", fuzz::kInt32Min, fuzz::kInt32Max, o.minSize, "the minimum size");
      fuzz::CheckNumberLine(*lines, i + "nSizeMax := ", ";", fuzz::kInt32Min, fuzz::kInt32Max, o.maxSize, "the maximum size");
    } else {
      fuzz::CheckNoNumberLine(*lines, i + "nSizeMin := ", ";", "size limits without LIMITSIZE");
    }
    if (literal) {
      fuzz::CheckNumberLine(*lines, i + "lfHeight := ", ";", fuzz::kInt32Min, fuzz::kInt32Max, o.sample.height, "the height");
      fuzz::CheckNumberLine(*lines, i + "lfCharSet := ", ";", 0, 255, o.sample.charset, "the character set");
      fuzz::CheckNumberLine(*lines, i + "lfPitchAndFamily := ", ";", 0, 255, o.sample.pitch, "the pitch");
      const std::string colour = i + "rgbColors := ";
      int found = 0;
      for (const std::string& line : *lines)
        if (fuzz::StartsWith(line, colour) && fuzz::EndsWith(line, ";") && line.size() > colour.size() &&
            line[colour.size()] == '$' && line.find(' ', colour.size()) == std::string::npos) {
          fuzz::CheckColorLiteral(std::string_view(line).substr(colour.size(), line.size() - colour.size() - 1),
                                  o.sample.color, "the font colour");
          ++found;
        }
      fuzz::Require(found == 1, "the font colour line");
    } else {
      fuzz::CheckNoNumberLine(*lines, i + "lfHeight := ", ";", "a literal height without the literal form");
    }
  }
  const std::uint32_t allFlags = 0x1 | 0x2 | 0x100 | 0x800000 | 0x40000 | 0x4000 | 0x20000 | 0x80000 | 0x100000 |
                                 0x200000 | 0x2000 | 0x40;
  fuzz::CheckFlags(qm::Decimal(qm::ChooseFontFlags(o)), allFlags, qm::ChooseFontFlags(o), "the font flags' bits");

  // What the test starts from, and what a confirmed dialog gives back.
  const qm::ChooseFontStart s = qm::ChooseFontStartValues(o);
  fuzz::Require(s.sizeMin == (o.limitSize ? o.minSize : 0) && s.sizeMax == (o.limitSize ? o.maxSize : 0), "the test's size limits");
  const qm::SampleFont back = qm::FromChosenFont(qm::ToLogFont(o.sample), o.sample.color);
  fuzz::Require(back.name == o.sample.name && back.height == o.sample.height && back.bold == o.sample.bold &&
                    back.pitch == (o.sample.pitch & 0x0F),
                "the sample font does not come back from its logical font");
  return 0;
}
