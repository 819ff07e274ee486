#include "app/text.h"
#include "app/hints.h"

#include <commctrl.h>

#include <unordered_map>

namespace qm {

namespace {

// The hint window of each form that has hints. Its tools are not subclassed: the message loop relays the mouse
// messages (RelayHintMouse), so the controls' other messages take no detour through a subclass.
std::unordered_map<HWND, HWND>& HintWindows() {
  static std::unordered_map<HWND, HWND> tips;
  return tips;
}

HWND HintWindowOf(HWND root) {
  auto& tips = HintWindows();
  const auto it = tips.find(root);
  if (it == tips.end()) return nullptr;
  // A form that has gone takes its hint window along; a new form may come back with the same handle.
  if (IsWindow(it->second) && GetWindow(it->second, GW_OWNER) == root) return it->second;
  tips.erase(it);
  return nullptr;
}

}  // namespace

void RelayHintMouse(const MSG& msg) {
  if (msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSELAST || !msg.hwnd) return;
  if (HWND tip = HintWindowOf(GetAncestor(msg.hwnd, GA_ROOT)))
    SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void AddHint(HWND control, const char* text) {
  HWND root = GetAncestor(control, GA_ROOT);
  HWND tip = HintWindowOf(root);
  if (!tip) {
    tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                          0, root, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tip) return;
    HintWindows()[root] = tip;
  }
  // The hint window keeps its own copy of the text.
  std::wstring wide = Wide(text ? text : "");
  TOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_IDISHWND;
  ti.hwnd = root;
  ti.uId = reinterpret_cast<UINT_PTR>(control);
  ti.lpszText = wide.data();
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  // The edit part of an editable combo box is a window of its own: the mouse over it comes with the edit's handle,
  // and the hint window asks which window lies under the cursor before it shows. The edit shows the combo's hint.
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  if (GetComboBoxInfo(control, &combo) && combo.hwndItem && combo.hwndItem != control) {
    ti.uId = reinterpret_cast<UINT_PTR>(combo.hwndItem);
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

}  // namespace qm
