// The Print dialog kind: its options and the code that shows it. Platform-free.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/frame_core.h"

namespace qm {

struct PrintOptions {
  // The print range: ALLPAGES stands for no flag, so only the other two radio buttons are kept.
  bool pageNums = false;   // PAGENUMS, PD_PAGENUMS
  bool selection = false;  // SELECTION, PD_SELECTION
  std::string fromPage;    // edtFromPage as typed
  std::string toPage;      // edtToPage as typed
  std::int32_t copies = 1; // spCopies as the spin field holds it
  bool collate = false;             // PD_COLLATE
  bool disablePrintToFile = false;  // PD_DISABLEPRINTTOFILE
  bool noPageNums = false;          // PD_NOPAGENUMS
  bool noSelection = false;         // PD_NOSELECTION
  bool printSetup = false;          // PD_PRINTSETUP
  bool noWarning = false;           // PD_NOWARNING
  bool showHelp = false;            // PD_SHOWHELP
  bool printToFile = false;         // PD_PRINTTOFILE
};

// PD_RETURNDC (256) and the flags of the checked controls, also of those that are disabled.
std::uint32_t PrintFlags(const PrintOptions& options);

// The page numbers the dialog starts with: with PAGENUMS the page texts read as Delphi integers (not a number: 1 and
// 65535), cut to their lowest 16 bits; otherwise 65535 both.
std::uint16_t PrintFromPage(const PrintOptions& options);
std::uint16_t PrintToPage(const PrintOptions& options);

// The record's nCopies is 16 bits wide: the lowest 16 bits of the copies value.
std::uint16_t PrintCopiesForRecord(const PrintOptions& options);

GeneratedCode GeneratePrint(const PrintOptions& options, const FrameTexts& texts, TCodeTarget target);
// With `handleAnswer` the call's result is tested with an else branch that tells a cancel from a failure.
GeneratedCode GeneratePrint(const PrintOptions& options, const FrameTexts& texts, TCodeTarget target,
                            bool handleAnswer);

}  // namespace qm
