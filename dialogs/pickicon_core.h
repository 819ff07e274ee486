// The pick-icon kind: its options and the code that shows the shell's icon picker. Platform-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dialogs/frame_core.h"

namespace qm {

// The picker's path buffer holds MAX_PATH characters, its terminating zero included.
constexpr std::size_t kPickIconPathChars = 260;

struct PickIconOptions {
  std::string fileToOpen;  // the initial icon file
  std::string fileNameVar = "pszFileName";
  std::int32_t iconIndex = 0;
  std::string iconIndexVar = "nIconIndex";
};

// The part of a path that fits the picker's buffer beside its zero: at most 259 characters.
std::string_view PathForPicker(std::string_view path);

GeneratedCode GeneratePickIcon(const PickIconOptions& options, const FrameTexts& texts);

}  // namespace qm
