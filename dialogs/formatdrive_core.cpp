#include "dialogs/formatdrive_core.h"

#include <string_view>

namespace qm {

namespace {
struct Capacity {
  const char* item;
  std::uint32_t id;
};
const Capacity kCapacities[kFormatCapacityCount] = {
    {"<DEFAULT>", 65535},
    {"1.44 Mb (3.5\")", 6},
    {"720 Kb (3.5\")", 5},
};
const Capacity& CapacityAt(int index) {
  return kCapacities[(index >= 0 && index < kFormatCapacityCount) ? index : 0];
}
}  // namespace

const char* FormatCapacityItem(int index) { return CapacityAt(index).item; }
std::uint32_t FormatCapacityId(int index) { return CapacityAt(index).id; }

GeneratedCode GenerateFormatDrive(const FormatDriveOptions& o, const FrameTexts& texts, TCodeTarget target) {
  const bool asFunction = !o.asProcedure;
  CodeWriter out(texts, target, asFunction ? 4 : 1, 1, asFunction ? 1 : 0);
  out.Comment({"// ShellExt must be in uses clause !"});
  if (asFunction) {
    out.Comment({texts.header2});
    out.Comment({texts.header3});
    out.Comment({"//   ", o.varName, ": Cardinal;"});
    out.Declare({"  ", o.varName, ": Cardinal;"});
  }
  const std::string_view var = asFunction ? std::string_view(o.varName) : std::string_view();
  const std::string_view assign = asFunction ? " := " : "";
  // The pane keeps the call at the margin, as the fragment has it.
  out.AddUnindented({var, assign, "SHFormatDrive(Handle, ", Decimal(static_cast<std::int32_t>(o.drive)), ", ",
                     Decimal(o.capacityId), ", ", Decimal(o.options), ");"});
  return out.Finish("ShellExt");
}

}  // namespace qm
