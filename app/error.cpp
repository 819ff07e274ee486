#include "app/error.h"

namespace qm {

void ShowAppError(HWND owner, const std::string& message) {
  std::string text = message + ".";
  MessageBoxA(owner, text.c_str(), "Quillmark", MB_OK | MB_ICONERROR);
}

}  // namespace qm
