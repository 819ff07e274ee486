// The Color dialog kind: its options and the code that shows it. Platform-free.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/frame_core.h"

namespace qm {

struct ChooseColorOptions {
  bool fullOpen = false;         // CC_FULLOPEN
  bool preventFullOpen = false;  // CC_PREVENTFULLOPEN
  bool rgbInit = false;          // CC_RGBINIT; also decides whether the initial colour is used
  bool showHelp = false;         // CC_SHOWHELP
  std::uint32_t color = 0;       // the initial colour, a colour reference (red in the lowest byte)
  std::string varName = "Result";
  bool initWithVar = true;       // the code takes the initial colour from the variable
};

std::uint32_t ChooseColorFlags(const ChooseColorOptions& options);

// "$" and the value in upper-case hexadecimal, at least six digits: red 255, green 128, blue 0 gives $0080FF.
std::string ColorLiteral(std::uint32_t color);

// red + 256 * green + 65536 * blue, each part taken as its lowest 8 bits.
std::uint32_t ColorFromParts(std::int32_t red, std::int32_t green, std::int32_t blue);
inline std::int32_t RedOf(std::uint32_t color) { return static_cast<std::int32_t>(color & 0xFF); }
inline std::int32_t GreenOf(std::uint32_t color) { return static_cast<std::int32_t>((color >> 8) & 0xFF); }
inline std::int32_t BlueOf(std::uint32_t color) { return static_cast<std::int32_t>((color >> 16) & 0xFF); }

// The rgbResult the dialog starts from: the initial colour with RGBINIT, else 0.
std::uint32_t ChooseColorStart(const ChooseColorOptions& options);

GeneratedCode GenerateChooseColor(const ChooseColorOptions& options, const FrameTexts& texts, TCodeTarget target);
// With `handleAnswer` the call's result is tested with an else branch that tells a cancel from a failure.
GeneratedCode GenerateChooseColor(const ChooseColorOptions& options, const FrameTexts& texts, TCodeTarget target,
                                  bool handleAnswer);

}  // namespace qm
