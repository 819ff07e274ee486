// Helpers of the end-to-end tests of the Open and Save file kinds: their controls, the filter grid driven by its
// messages and by the keyboard, the focus, and the Windows file dialogs that Test and the panel buttons show.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "app/string_grid_msgs.h"
#include "resource.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/shell_kinds_helpers.h"

namespace filedlg {

using e2e::Program;
using e2e::TextLines;

// The controls of one of the two panels.
struct Panel {
  int kindButton, title, dir, btnDir, lblFile, file, btnFile, grid, index, var, chkInit;
  int options[5];  // in tab order
  bool indexBeforeOptions;
};

constexpr Panel kOpen = {IDC_tbnOpenDlg, IDC_OpenTitle, IDC_OpenDir, IDC_btnOpenDir, IDC_lblOpenFile, IDC_OpenFile,
                         IDC_btnOpenFile, IDC_GridOpen, IDC_OpenIndex, IDC_edtOpenVar, IDC_chkInitOpen,
                         {IDC_FILEMUSTEXIST, IDC_PATHMUSTEXIST, IDC_HIDEREADONLY, IDC_ALLOWMULTISELECT,
                          IDC_CREATEPROMPT},
                         true};
constexpr Panel kSave = {IDC_tbnSaveDlg, IDC_SaveTitle, IDC_SaveDir, IDC_btnSaveDir, IDC_lblSaveFile, IDC_SaveFile,
                         IDC_btnSaveFile, IDC_GridSave, IDC_SaveIndex, IDC_edtSaveVar, IDC_chkInitSave,
                         {IDC_FILEMUSTEXIST1, IDC_PATHMUSTEXIST1, IDC_HIDEREADONLY1, IDC_OVERWRITEPROMPT,
                          IDC_CREATEPROMPT1},
                         false};

// ---- the filter grid ----

inline HWND GridEditor(HWND grid) { return reinterpret_cast<HWND>(SendMessageA(grid, SGM_GETEDITOR, 0, 0)); }

inline void PutCell(const Program& p, int gridId, int col, int row, const std::string& text) {
  HWND grid = p.Ctl(gridId);
  SendMessageA(grid, SGM_SETCURRENTCELL, static_cast<WPARAM>(col), row);
  SendMessageA(GridEditor(grid), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

inline std::string Cell(const Program& p, int gridId, int col, int row) {
  HWND grid = p.Ctl(gridId);
  SendMessageA(grid, SGM_SETCURRENTCELL, static_cast<WPARAM>(col), row);
  return e2e::WindowText(GridEditor(grid));
}

inline std::pair<int, int> CurrentCell(const Program& p, int gridId) {
  const LRESULT v = SendMessageA(p.Ctl(gridId), SGM_GETCURRENTCELL, 0, 0);
  return {LOWORD(v), HIWORD(v)};
}

// ---- focus and keyboard ----

inline HWND Focus(const Program& p) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(p.main(), nullptr), &info);
  return info.hwndFocus;
}

// A click into a control (an edit takes the focus, the grid also chooses the cell under the point).
inline void ClickInto(HWND control, int x = 3, int y = 3) {
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Types 8-bit text (Windows-1252) as keystrokes into the focused control.
inline void Type(const Program& p, const std::string& text) {
  SetForegroundWindow(p.main());
  std::vector<INPUT> in;
  for (char c : text) {
    wchar_t wide = 0;
    MultiByteToWideChar(1252, 0, &c, 1, &wide, 1);
    for (bool up : {false, true}) {
      INPUT i{};
      i.type = INPUT_KEYBOARD;
      i.ki.wScan = wide;
      i.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      in.push_back(i);
    }
  }
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// Presses one key, with Shift and Ctrl when asked.
inline void Press(const Program& p, WORD key, bool shift = false, bool ctrl = false) {
  SetForegroundWindow(p.main());
  std::vector<INPUT> in;
  auto add = [&](WORD vk, bool up) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = vk;
    i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    in.push_back(i);
  };
  if (ctrl) add(VK_CONTROL, false);
  if (shift) add(VK_SHIFT, false);
  add(key, false);
  add(key, true);
  if (shift) add(VK_SHIFT, true);
  if (ctrl) add(VK_CONTROL, true);
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

inline void PressWithAlt(const Program& p, WORD key) {
  SetForegroundWindow(p.main());
  INPUT in[4] = {};
  const WORD keys[4] = {VK_MENU, key, key, VK_MENU};
  for (int i = 0; i < 4; ++i) {
    in[i].type = INPUT_KEYBOARD;
    in[i].ki.wVk = keys[i];
    in[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(4, in, sizeof(INPUT));
}

// ---- the Windows file dialogs ----

// A text of Wine's dialogs (kept in UTF-16) in the program's 8-bit code page.
inline std::string WideText(HWND hwnd) {
  wchar_t wide[2048] = {};
  SendMessageW(hwnd, WM_GETTEXT, sizeof wide / sizeof wide[0], reinterpret_cast<LPARAM>(wide));
  char narrow[4096] = {};
  WideCharToMultiByte(1252, 0, wide, -1, narrow, sizeof narrow - 1, nullptr, nullptr);
  return narrow;
}

struct FileDialog {
  HWND hwnd = nullptr;
  std::string title;
  std::string lookIn;    // the folder it shows
  std::string fileName;  // the file-name field
  TextLines filters;     // "Files of type"
  int filter = -1;       // the filter chosen, counted from 0
  std::string okButton;  // "&Open" or "&Save"
};

inline FileDialog ReadFileDialog(HWND dialog) {
  FileDialog d;
  d.hwnd = dialog;
  d.title = WideText(dialog);
  for (HWND c : e2e::Children(dialog)) {
    const int id = GetDlgCtrlID(c);
    const std::string cls = e2e::ClassOf(c);
    if (id == 1137 && cls == "ComboBox") d.lookIn = WideText(c);
    if (id == 1148 && cls == "Edit") d.fileName = WideText(c);
    if (id == 1136 && cls == "ComboBox") {
      d.filters = e2e::ComboItems(c);
      d.filter = static_cast<int>(SendMessageW(c, CB_GETCURSEL, 0, 0));
    }
    if (id == IDOK && cls == "Button") d.okButton = WideText(c);
  }
  return d;
}

// Closes a dialog with Cancel, as the user's Esc would, and waits until the program takes input again.
inline bool Cancel(const Program& p, HWND dialog) {
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  return e2e::WaitUntil([&] { return !IsWindow(dialog); }) &&
         e2e::WaitUntil([&] { return IsWindowEnabled(p.main()) != FALSE; });
}

inline std::string KnownFolder(int csidl) {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, csidl, nullptr, 0, path);
  return path;
}

}  // namespace filedlg
