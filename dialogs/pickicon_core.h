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

// Where a typed path's file lies, as far as its text tells. A path that begins with two separators names a share of
// another computer or a device (\\server\share, \\?\UNC\..., \\.\...), except \\?\ before a drive letter; a drive
// path gives the drive's root ("C:\") to ask the system about; any other path lies on the current folder's drive.
enum class PathPlace { Unc, Drive, CurrentDrive };
struct PathLocation {
  PathPlace place = PathPlace::CurrentDrive;
  std::string root;  // "X:\" for a drive path, else empty
};
PathLocation LocatePath(std::string_view path);

GeneratedCode GeneratePickIcon(const PickIconOptions& options, const FrameTexts& texts, TCodeTarget target);
// With `handleAnswer` the picker's result is kept and tested: positive when the user chose an icon, zero when the
// picker was cancelled, negative when it could not be shown.
GeneratedCode GeneratePickIcon(const PickIconOptions& options, const FrameTexts& texts, TCodeTarget target,
                               bool handleAnswer);

}  // namespace qm
