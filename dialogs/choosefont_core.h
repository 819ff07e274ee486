// The Font dialog kind: its options, the sample font, and the code that shows the dialog. Platform-free.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/frame_core.h"

namespace qm {

// The colour value of the system colour "window text" as Delphi writes it (a system colour index with the top bit).
constexpr std::uint32_t kClWindowText = 0x80000008u;

// The font of the sample-font button: the start values that the literal form of the code writes.
struct SampleFont {
  std::string name = "Arial";
  std::int32_t height = -13;           // negative: character height in pixels
  std::uint32_t color = kClWindowText; // may be a system colour
  std::uint8_t charset = 204;          // RUSSIAN_CHARSET
  std::uint8_t pitch = 0;              // ordinal: 0 default, 1 variable, 2 fixed
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool operator==(const SampleFont&) const = default;
};

// The members of a LOGFONT that the sample font fills and is filled from.
struct LogFontValues {
  std::int32_t height = 0;
  std::int32_t weight = 0;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charset = 0;
  std::uint8_t pitchAndFamily = 0;
  std::string faceName;
  bool operator==(const LogFontValues&) const = default;
};

// The sample font as the font dialog starts from it: weight 700 only when bold, the pitch ordinal as it stands.
LogFontValues ToLogFont(const SampleFont& font);
// What a confirmed font dialog gives back: bold from a weight of 700 or more, the pitch from the low four bits.
SampleFont FromChosenFont(const LogFontValues& chosen, std::uint32_t rgbColors);

struct ChooseFontOptions {
  bool screenFonts = true;       // CF_SCREENFONTS
  bool printerFonts = true;      // CF_PRINTERFONTS
  bool ttOnly = false;           // CF_TTONLY
  bool fixedPitchOnly = false;   // CF_FIXEDPITCHONLY
  bool scalableOnly = false;     // CF_SCALABLEONLY
  bool effects = true;           // CF_EFFECTS
  bool noScriptSel = false;      // CF_NOSCRIPTSEL
  bool noFaceSel = false;        // CF_NOFACESEL
  bool noStyleSel = false;       // CF_NOSTYLESEL
  bool noSizeSel = false;        // CF_NOSIZESEL
  bool limitSize = false;        // CF_LIMITSIZE and the two sizes
  std::int32_t minSize = 8;
  std::int32_t maxSize = 16;
  bool initToLogFont = false;    // CF_INITTOLOGFONTSTRUCT and the start values
  bool initWithVar = true;       // chkInitWith: start values from the variable rather than the sample font
  SampleFont sample;
  std::string varName = "Result";
};

std::uint32_t ChooseFontFlags(const ChooseFontOptions& options);

// What the dialog record starts with in a test: the size limits (only with LIMITSIZE, else 0), the colour and the
// logical font (only with INITTOLOGFONTSTRUCT, else 0 and an empty logical font).
struct ChooseFontStart {
  std::uint32_t flags = 0;
  std::int32_t sizeMin = 0;
  std::int32_t sizeMax = 0;
  std::uint32_t rgbColors = 0;
  LogFontValues logFont;
};
ChooseFontStart ChooseFontStartValues(const ChooseFontOptions& options);

GeneratedCode GenerateChooseFont(const ChooseFontOptions& options, const FrameTexts& texts, TCodeTarget target);
// With `handleAnswer` the call's result is tested with an else branch that tells a cancel from a failure.
GeneratedCode GenerateChooseFont(const ChooseFontOptions& options, const FrameTexts& texts, TCodeTarget target,
                                 bool handleAnswer);

}  // namespace qm
