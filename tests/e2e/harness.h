// Drives a running quillmark.exe from another process, as a user or an automation tool would.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Polls until the condition holds or the time runs out; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);

// Removes the program's settings, so that the next start is a first run.
void ClearSettings();
void WriteSetting(const char* name, const char* value);                    // REG_SZ
void WriteSettingRaw(const char* name, DWORD type, const void* data, DWORD size);
bool ReadSetting(const char* name, std::string& value, DWORD* type = nullptr);

class Program {
 public:
  Program();  // starts quillmark.exe beside this test program and waits for its main window
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HWND main() const { return main_; }
  DWORD pid() const { return pi_.dwProcessId; }
  HWND Ctl(int id) const;              // a control of the main window by its id
  // The toolbar that holds a button with this command id, or null. A toolbar's button is found and pressed by its id
  // as another program would: the toolbar answers TB_COMMANDTOINDEX(id) >= 0 and TB_ISBUTTONCHECKED(id), and its
  // click is WM_COMMAND(MAKEWPARAM(id, BN_CLICKED), toolbar) to the toolbar's parent.
  HWND ToolbarOf(int id) const;
  std::string Caption() const;
  void Click(int id) const;            // BM_CLICK (a toolbar's button: its WM_COMMAND), waits for the handler
  void PostClick(int id) const;        // the same without waiting (for commands that open modal windows)
  // A real left click in the middle of a control or of a toolbar's button (its TB_GETRECT, read from the program's
  // memory); returns at once.
  void MouseClick(int id) const;
  HWND Focus() const;                  // the program's window that has the keyboard
  void SetEditText(int id, const std::string& text) const;  // WM_SETTEXT and the EN_CHANGE typing would send
  void SetCheck(int id, bool checked) const;                // clicks the box when its state differs
  bool Checked(int id) const;  // BM_GETCHECK (speed buttons: down; a toolbar's button: TB_ISBUTTONCHECKED)
  std::string Text(int id) const;
  // Presses key with Ctrl (and Shift when asked) into the program's focused window.
  void PressKey(WORD key, bool ctrl, bool shift = false) const;
  // A visible top-level window of the program, other than the main window, with this class; null if none shows.
  HWND WaitForWindow(const char* className, int timeoutMs = 10000) const;
  std::vector<HWND> TopLevelWindows() const;
  bool Close();                        // closes the main window and waits for the program to end
  bool Running() const;

 private:
  PROCESS_INFORMATION pi_{};
  HWND main_ = nullptr;
};

// A real left click at the screen point.
void LeftClickAt(POINT screen);
std::string ClipboardText();        // CF_TEXT
std::wstring WideClipboardText();   // CF_UNICODETEXT
void PutClipboard(const std::string& text);
std::string WindowText(HWND hwnd);
// Text of any script goes in and comes out through the W messages: the A ones carry only the ANSI code page.
void SetWideText(HWND hwnd, const std::wstring& text);
std::wstring WideWindowText(HWND hwnd);
std::string ClassOf(HWND hwnd);
std::vector<HWND> Children(HWND parent);
// The threads a process runs now (a playing animation and a clock measurement each run one).
int ThreadsOf(DWORD pid);
HWND ChildById(HWND parent, int id);
std::string Crlf(const std::vector<std::string>& lines);  // every line followed by CR LF

}  // namespace e2e
