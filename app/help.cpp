#include "app/help.h"

#include <shellapi.h>

#include <string>

#include "app/win_util.h"

namespace qm {

void OpenHelp(HWND owner, int) {
  const std::string path = ProgramFolder() + "Quillmark.html";
  ShellExecuteA(owner, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ShowContextHelp(HWND, const HELPINFO*) {}

}  // namespace qm
