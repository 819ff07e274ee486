// The message box kind: its options and the code that shows it. Platform-free.
#pragma once

#include <cstdint>

#include "dialogs/frame_core.h"

namespace qm {

enum class MbIcon : std::uint8_t { None, Information, Warning, Error, Confirmation };
enum class MbModality : std::uint8_t { Application, Task, System };

// The thirteen button-set buttons, in panel order (row by row).
enum class MbButton : std::uint8_t {
  OK_1,
  OKCANCEL_1,
  OKCANCEL_2,
  RETRYCANCEL_1,
  RETRYCANCEL_2,
  YESNO_1,
  YESNO_2,
  YESNOCANCEL_1,
  YESNOCANCEL_2,
  YESNOCANCEL_3,
  ABORTRETRYIGNORE_1,
  ABORTRETRYIGNORE_2,
  ABORTRETRYIGNORE_3,
};
constexpr int kMbButtonCount = 13;

struct MbButtonInfo {
  const char* name;     // control name without the "btn" prefix
  const char* caption;  // what the button shows
  int row;              // its tag: the button set, 1 to 6
  std::uint32_t flags;  // button set and default button
  const char* answer;   // the constant MessageBox returns when the user chooses it
};
const MbButtonInfo& MbButtonDescription(MbButton button);

struct MessageBoxOptions {
  std::string title = "Information";
  Lines textLines;  // the memo's lines as the memo counts them
  MbIcon icon = MbIcon::Information;
  MbButton button = MbButton::OK_1;
  MbModality modality = MbModality::Application;
  bool asProcedure = false;
  std::string varName = "Result";
};

std::uint32_t MessageBoxFlags(const MessageBoxOptions& options);
GeneratedCode GenerateMessageBox(const MessageBoxOptions& options, const FrameTexts& texts, TCodeTarget target);
// With `handleAnswer` the call is the selector of a case statement with an empty branch for each button of the set,
// and neither the result variable nor the procedure form is written.
GeneratedCode GenerateMessageBox(const MessageBoxOptions& options, const FrameTexts& texts, TCodeTarget target,
                                 bool handleAnswer);

}  // namespace qm
