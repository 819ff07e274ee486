// The Run dialog kind: its options and the code that shows the shell's Run dialog. Platform-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dialogs/frame_core.h"

namespace qm {

// The description the panel starts with and returns to on Reset.
extern const char* const kRunDefaultDescription;

struct RunDlgOptions {
  std::string title = "Run";
  std::string description = kRunDefaultDescription;  // the memo's whole text: decides whether it counts as empty
  Lines descriptionLines = {kRunDefaultDescription};  // the memo's lines as the memo counts them
  bool applicationIcon = false;                        // "Application" icon instead of "Standard"
  std::string directory;
  bool noBrowse = false;          // 1
  bool noDefault = false;         // 2
  bool calcDirectory = false;     // 4
  bool noLabel = false;           // 8
  bool noSeparateMemory = false;  // 32
  // How many bytes a text takes in the ANSI code page of the machine the code is written on: code whose strings are
  // of that code page counts its buffers in them. Without it, a byte a character, as in every single-byte code page.
  std::size_t (*ansiLength)(std::string_view text) = nullptr;
};

std::uint32_t RunDlgFlags(const RunDlgOptions& options);

// Bytes of the buffer that receives a text of this many characters: wide with its zero on the NT family, 8-bit with
// its zero elsewhere.
std::size_t RunDlgBufferBytes(std::size_t length, bool wide);

GeneratedCode GenerateRunDlg(const RunDlgOptions& options, const FrameTexts& texts, TCodeTarget target);

}  // namespace qm
