// The format-drive kind: its options and the code that opens the shell's Format dialog. Platform-free.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/frame_core.h"

namespace qm {

// The capacity list's items, in list order, and the capacity id each stands for.
constexpr int kFormatCapacityCount = 3;
const char* FormatCapacityItem(int index);
std::uint32_t FormatCapacityId(int index);  // 65535, 6, 5; an index outside the list counts as the first item

struct FormatDriveOptions {
  int drive = 0;                  // 0 for A to 25 for Z
  std::uint32_t capacityId = 65535;
  std::uint32_t options = 0;      // 0 quick, 1 full
  bool asProcedure = false;
  std::string varName = "Result";
};

GeneratedCode GenerateFormatDrive(const FormatDriveOptions& options, const FrameTexts& texts, TCodeTarget target);

}  // namespace qm
