#include "app/error.h"

#include "app/text.h"

namespace qm {

void ShowAppError(HWND owner, const std::string& message) {
  std::string text = message + ".";
  MessageBoxW(owner, Wide(text).c_str(), L"Quillmark", MB_OK | MB_ICONERROR);
}

}  // namespace qm
