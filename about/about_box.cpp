#include "about/about_box.h"

namespace qm {

void ShowAboutBox(HWND owner) {
  MessageBoxA(owner, "Quillmark for Delphi", "About Quillmark", MB_OK | MB_ICONINFORMATION);
}

}  // namespace qm
