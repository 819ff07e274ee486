// The format-drive kind's generator with any options: any drive, capacity and format numbers, a variable name of
// any bytes and length, either form of the call.
#include "dialogs/formatdrive_core.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  qm::FormatDriveOptions o;
  o.drive = in.Bool() ? in.IntIn(0, 25) : in.Int<int>();
  o.capacityId = in.Bool() ? qm::FormatCapacityId(in.Int<int>()) : in.Int<std::uint32_t>();
  o.options = in.Bool() ? in.IntIn<std::uint32_t>(0, 1) : in.Int<std::uint32_t>();
  o.asProcedure = in.Bool();
  o.varName = in.Text();
  const qm::FrameTexts t = qm::FrameTexts::Defaults();
  const qm::TCodeTarget target = in.Target();
  const qm::GeneratedCode code = qm::GenerateFormatDrive(o, t, target);
  fuzz::CheckFrame(code, t, target);

  // SHFormatDrive(Handle, drive, capacity, options): the drive as the panel's Integer, the others as Cardinals.
  for (const std::string* line : {&code.fragment[code.fragment.size() - 2], &code.impl.back()}) {
    const auto args = fuzz::TrailingArguments(*line, 3);
    fuzz::Require(args.size() == 3, "the call lacks its numbers", *line);
    const auto drive = fuzz::CanonicalDecimal(args[0], fuzz::kInt32Min, fuzz::kInt32Max);
    const auto capacity = fuzz::CanonicalDecimal(args[1], 0, fuzz::kUInt32Max);
    const auto options = fuzz::CanonicalDecimal(args[2], 0, fuzz::kUInt32Max);
    fuzz::Require(drive && *drive == o.drive, "the drive number", args[0]);
    fuzz::Require(capacity && *capacity == o.capacityId, "the capacity id", args[1]);
    fuzz::Require(options && *options == o.options, "the format options", args[2]);
  }
  const std::uint32_t id = qm::FormatCapacityId(in.Int<int>());
  fuzz::Require(id == 65535 || id == 6 || id == 5, "a capacity item stands for no SHFMT_ID value");
  return 0;
}
