// The program's error: a failure that ends a command, and the error box that shows it.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace qm {

// A failure that ends a command: its message is shown in the program's error box.
class AppError : public std::runtime_error {
 public:
  explicit AppError(const std::string& message) : std::runtime_error(message) {}
};

// The error box: the message, a full stop, caption "Quillmark", the error icon.
void ShowAppError(HWND owner, const std::string& message);

// Runs one command so that no exception escapes into Windows: a failure shows the error box and the program goes on.
template <typename F>
void RunCommand(HWND owner, F&& command) {
  try {
    command();
  } catch (const std::exception& e) {
    ShowAppError(owner, e.what());
  } catch (...) {
    ShowAppError(owner, "Unexpected failure");
  }
}

}  // namespace qm
