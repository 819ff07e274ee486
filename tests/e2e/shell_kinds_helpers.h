// Helpers of the end-to-end tests of the format-drive, shell About and file-operation kinds: the editor's panes after
// an Edit, combo-box items and selection.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "resource.h"
#include "tests/e2e/harness.h"

namespace e2e {

using TextLines = std::vector<std::string>;

// A pane's lines: split at CR LF, a final line break starts no further line.
inline TextLines PaneLines(const std::string& text) {
  TextLines lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

struct Panes {
  TextLines uses, decl, impl;
};

// Runs Edit, reads the editor's three panes and closes the editor again.
inline Panes RunEdit(const Program& p) {
  Panes panes;
  p.PostClick(IDC_btnEdit);
  HWND editor = p.WaitForWindow("TEditForm");
  if (!editor) return panes;
  panes.uses = PaneLines(WindowText(ChildById(editor, IDC_memUses)));
  panes.decl = PaneLines(WindowText(ChildById(editor, IDC_memDecl)));
  panes.impl = PaneLines(WindowText(ChildById(editor, IDC_memImpl)));
  PostMessageA(editor, WM_CLOSE, 0, 0);
  WaitUntil([&] { return !IsWindowVisible(editor) && IsWindowEnabled(p.main()); });
  return panes;
}

// The items of a combo box of the program (read as UTF-16, as every control under Wine keeps them).
inline TextLines ComboItems(HWND combo) {
  TextLines items;
  const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const int length = static_cast<int>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0));
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
    char narrow[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, narrow, sizeof narrow - 1, nullptr, nullptr);
    items.push_back(narrow);
  }
  return items;
}

// Selects a combo item as the user would: the selection, then the notification the choice sends.
inline void SelectComboItem(const Program& p, int id, int index) {
  HWND combo = p.Ctl(id);
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

inline int ComboSelection(const Program& p, int id) {
  return static_cast<int>(SendMessageA(p.Ctl(id), CB_GETCURSEL, 0, 0));
}

// Runs a command whose Windows call must come back by itself; false when it has not after the time limit.
inline bool ClickReturns(const Program& p, int id, UINT timeoutMs = 20000) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(p.Ctl(id), BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

}  // namespace e2e
