// What the windows share beyond their own kind: the string table, the texts and states of controls, finding a
// control by its id, the program's folder, and COM and the shell on first use. The error box is app/error.h, the
// owners of handles app/scoped.h, the fonts and pictures app/gdi_cache.h, the clipboard app/clipboard.h.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>

#include "app/error.h"
#include "app/scoped.h"
#include "core/code_writer.h"
#include "core/lines.h"

namespace qm {

// A string-table text of this program.
std::string LoadStr(UINT id);
FrameTexts LoadFrameTexts();

// ---- texts of controls ----
std::string GetText(HWND hwnd);
void SetText(HWND hwnd, const std::string& text);
// A memo's lines as the edit control counts them: wrapped lines count as several, a last empty line does not count.
Lines MemoLines(HWND edit);
bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);

// Whether the window is of the class `name` (compared as Windows compares class names, without case).
bool IsWindowClass(HWND hwnd, const wchar_t* name);

// The control with this id anywhere below the window (ids are unique within a window).
HWND FindControl(HWND root, int id);
// A window that goes before the program ends (the About window) forgets the controls found in it.
void ForgetControls(HWND root);

// The folder that holds quillmark.exe, with a trailing backslash.
std::string ProgramFolder();

// The shell, the common dialogs and COM load on their first call, not at start. The shell's folder picker, its file
// operations and the common dialogs want COM on this thread: every command that shows one of them calls EnsureOle
// first; the first call starts COM, EndOle at exit ends it.
void EnsureOle();
void EndOle();
// shell32.dll, loaded on first use and kept for the run (the file operation's clips are among its resources).
HMODULE ShellModule();

}  // namespace qm
