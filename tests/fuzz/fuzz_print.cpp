// The Print dialog kind's generator with any options: page texts of any bytes and length, any copies value and any
// combination of the range and option boxes.
#include "dialogs/print_core.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  qm::PrintOptions o;
  o.pageNums = in.Bool();
  o.selection = in.Bool();
  o.fromPage = in.Bool() ? qm::Decimal(in.Int<std::int32_t>()) : in.Text();
  o.toPage = in.Bool() ? qm::Decimal(in.Int<std::int32_t>()) : in.Text();
  o.copies = in.Bool() ? in.IntIn<std::int32_t>(1, INT32_MAX) : in.Int<std::int32_t>();
  o.collate = in.Bool();
  o.disablePrintToFile = in.Bool();
  o.noPageNums = in.Bool();
  o.noSelection = in.Bool();
  o.printSetup = in.Bool();
  o.noWarning = in.Bool();
  o.showHelp = in.Bool();
  o.printToFile = in.Bool();
  const qm::FrameTexts t = qm::FrameTexts::Defaults();
  const qm::TCodeTarget target = in.Target();
  const qm::GeneratedCode code = qm::GeneratePrint(o, t, target);
  // The same options with the answer handled: the frame holds as well.
  fuzz::CheckFrame(qm::GeneratePrint(o, t, target, true), t, target);
  fuzz::CheckFrame(code, t, target);

  for (const auto& [lines, indent] : {std::pair{&code.fragment, "  "}, std::pair{&code.impl, "    "}}) {
    const std::string i = indent;
    fuzz::CheckNumberLine(*lines, i + "Flags := ", ";", 256, fuzz::kUInt32Max, qm::PrintFlags(o), "the print flags");
    // The copies as the spin field holds them, not cut to 16 bits; the pages as the record's Words.
    fuzz::CheckNumberLine(*lines, i + "nCopies := ", ";", fuzz::kInt32Min, fuzz::kInt32Max, o.copies, "the copies");
    fuzz::CheckNumberLine(*lines, i + "nFromPage := ", ";", 0, 0xFFFF, qm::PrintFromPage(o), "the from page");
    fuzz::CheckNumberLine(*lines, i + "nToPage := ", ";", 0, 0xFFFF, qm::PrintToPage(o), "the to page");
  }
  fuzz::CheckFlags(qm::Decimal(qm::PrintFlags(o)), 256 | 255 | 2048 | 524288, qm::PrintFlags(o), "the print flags' bits");
  fuzz::Require(qm::PrintCopiesForRecord(o) == (static_cast<std::uint32_t>(o.copies) & 0xFFFF), "the record's copies");
  if (!o.pageNums) fuzz::Require(qm::PrintFromPage(o) == 65535 && qm::PrintToPage(o) == 65535, "pages without PAGENUMS");
  return 0;
}
