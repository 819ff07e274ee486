#include "dialogs/formatdrive_core.h"

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

GeneratedCode GenerateFormatDrive(const FormatDriveOptions& o, const FrameTexts& texts) {
  std::string call = "SHFormatDrive(Handle, " + Decimal(static_cast<std::int32_t>(o.drive)) + ", " +
                     Decimal(o.capacityId) + ", " + Decimal(o.options) + ");";
  GeneratedCode code;
  code.uses = {"ShellExt"};
  Lines body = {"// ShellExt must be in uses clause !"};
  if (!o.asProcedure) {
    body.push_back(texts.header2);
    body.push_back(texts.header3);
    body.push_back("//   " + o.varName + ": Cardinal;");
    code.decl = {"var", "  " + o.varName + ": Cardinal;"};
    call = o.varName + " := " + call;
  }
  body.push_back(call);
  code.fragment = Fragment(texts, body);
  code.impl = {call};
  return code;
}

}  // namespace qm
