#include "tests/e2e/harness.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <thread>

#include "resource.h"

namespace e2e {

namespace {
const char kKey[] = "Software\\Orvenna\\Quillmark";

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path);
  return s.substr(0, s.find_last_of("\\/") + 1) + "quillmark.exe";
}

struct FindData {
  DWORD pid;
  const char* className;
  HWND except;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND hwnd, LPARAM lp) {
  auto* d = reinterpret_cast<FindData*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == d->pid && hwnd != d->except && IsWindowVisible(hwnd) &&
      (!d->className || ClassOf(hwnd) == d->className))
    d->found.push_back(hwnd);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
  return TRUE;
}
}  // namespace

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (true) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

void ClearSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, kKey); }

void WriteSettingRaw(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS) {
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
}

void WriteSetting(const char* name, const char* value) {
  WriteSettingRaw(name, REG_SZ, value, static_cast<DWORD>(strlen(value) + 1));
}

bool ReadSetting(const char* name, std::string& value, DWORD* type) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  char buffer[4096] = {};
  DWORD size = sizeof buffer - 1;
  DWORD t = 0;
  LONG rc = RegQueryValueExA(key, name, nullptr, &t, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return false;
  if (type) *type = t;
  value.assign(buffer, strnlen(buffer, size));
  return true;
}

Program::Program() {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  std::string cmd = "\"" + ProgramPath() + "\"";
  if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) return;
  WaitForInputIdle(pi_.hProcess, 10000);
  WaitUntil([&] {
    FindData d{pi_.dwProcessId, "TMainForm", nullptr, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&d));
    if (!d.found.empty()) main_ = d.found.front();
    return main_ != nullptr;
  });
}

Program::~Program() {
  if (Running()) {
    if (!Close()) TerminateProcess(pi_.hProcess, 1);
  }
  if (pi_.hProcess) CloseHandle(pi_.hProcess);
  if (pi_.hThread) CloseHandle(pi_.hThread);
}

bool Program::Running() const {
  return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::Close() {
  // Close what a test left open (message boxes, the editor), then the main window.
  for (HWND w : TopLevelWindows())
    if (w != main_ && ClassOf(w) == "#32770") PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
  PostMessageA(main_, WM_CLOSE, 0, 0);
  return WaitForSingleObject(pi_.hProcess, 15000) == WAIT_OBJECT_0;
}

HWND Program::Ctl(int id) const {
  HWND h = ChildById(main_, id);
  if (h || id < IDC_tbnArrow1 || id > IDC_tbnFileOp) return h;
  // The program makes a page of kind buttons when that page is first shown. Whoever wants a button of a page that
  // was never shown shows it, then the page that was showing again, as a user would look at it.
  HWND tabs = ChildById(main_, IDC_PageControl);
  const LRESULT showing = SendMessageA(tabs, TCM_GETCURSEL, 0, 0);
  SendMessageA(tabs, TCM_SETCURFOCUS, id >= IDC_tbnArrow2 ? 1 : 0, 0);
  if (showing >= 0) SendMessageA(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(showing), 0);
  return ChildById(main_, id);
}
std::string Program::Caption() const { return WindowText(main_); }

HWND Program::ToolbarOf(int id) const {
  for (HWND h : Children(main_))
    if (ClassOf(h) == TOOLBARCLASSNAMEA && SendMessageA(h, TB_COMMANDTOINDEX, static_cast<WPARAM>(id), 0) >= 0)
      return h;
  return nullptr;
}

// A window of its own first: asking the toolbars waits for the program, which a test may be holding.
void Program::Click(int id) const {
  if (HWND h = Ctl(id))
    SendMessageA(h, BM_CLICK, 0, 0);
  else if (HWND bar = ToolbarOf(id))
    SendMessageA(GetParent(bar), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(bar));
}
void Program::PostClick(int id) const {
  if (HWND h = Ctl(id))
    PostMessageA(h, BM_CLICK, 0, 0);
  else if (HWND bar = ToolbarOf(id))
    PostMessageA(GetParent(bar), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(bar));
}

void Program::MouseClick(int id) const {
  RECT r{};
  if (HWND h = Ctl(id)) {
    GetWindowRect(h, &r);
  } else if (HWND bar = ToolbarOf(id)) {
    // TB_GETRECT writes into the program's memory.
    void* remote = VirtualAllocEx(pi_.hProcess, nullptr, sizeof r, MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return;
    const bool known = SendMessageA(bar, TB_GETRECT, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(remote)) &&
                       ReadProcessMemory(pi_.hProcess, remote, &r, sizeof r, nullptr);
    VirtualFreeEx(pi_.hProcess, remote, 0, MEM_RELEASE);
    if (!known) return;
    MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&r), 2);
  } else {
    return;
  }
  SetForegroundWindow(main_);
  LeftClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void LeftClickAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT in[2] = {};
  in[0].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].type = INPUT_MOUSE;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
}

HWND Program::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info) ? info.hwndFocus : nullptr;
}

void Program::SetEditText(int id, const std::string& text) const {
  HWND h = Ctl(id);
  SendMessageA(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(GetParent(h), WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(h));
}

void Program::SetCheck(int id, bool checked) const {
  if (Checked(id) != checked) Click(id);
}
bool Program::Checked(int id) const {
  if (HWND h = Ctl(id)) return SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
  HWND bar = ToolbarOf(id);
  return bar && SendMessageA(bar, TB_ISBUTTONCHECKED, static_cast<WPARAM>(id), 0) != 0;
}
std::string Program::Text(int id) const { return WindowText(Ctl(id)); }

void Program::PressKey(WORD key, bool ctrl, bool shift) const {
  // Keys go to the foreground window: wait until the program's window is it (a busy machine is slow to switch).
  HWND target = main_;
  for (HWND w : TopLevelWindows())
    if (w != main_ && IsWindowEnabled(w)) target = w;
  WaitUntil([&] {
    SetForegroundWindow(target);
    HWND fg = GetForegroundWindow();
    return fg == target || GetAncestor(fg, GA_ROOTOWNER) == target;
  }, 3000);
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

std::vector<HWND> Program::TopLevelWindows() const {
  FindData d{pi_.dwProcessId, nullptr, nullptr, {}};
  EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&d));
  return d.found;
}

HWND Program::WaitForWindow(const char* className, int timeoutMs) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        FindData d{pi_.dwProcessId, className, main_, {}};
        EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&d));
        if (!d.found.empty()) found = d.found.front();
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

namespace {
// The clipboard's text in one of its two formats; another program may hold the clipboard for a moment.
template <typename Char>
std::basic_string<Char> ReadClipboard(UINT format) {
  std::basic_string<Char> text;
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (OpenClipboard(nullptr)) {
      if (HANDLE h = GetClipboardData(format)) {
        if (const auto* p = static_cast<const Char*>(GlobalLock(h))) {
          text = p;
          GlobalUnlock(h);
        }
      }
      CloseClipboard();
      return text;
    }
    Sleep(20);
  }
  return text;
}
}  // namespace

std::string ClipboardText() { return ReadClipboard<char>(CF_TEXT); }
std::wstring WideClipboardText() { return ReadClipboard<wchar_t>(CF_UNICODETEXT); }

void PutClipboard(const std::string& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  HGLOBAL m = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(m), text.c_str(), text.size() + 1);
  GlobalUnlock(m);
  SetClipboardData(CF_TEXT, m);
  CloseClipboard();
}

std::string WindowText(HWND hwnd) {
  int n = static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
  std::string s(static_cast<std::size_t>(n) + 1, '\0');
  int got = static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, n + 1, reinterpret_cast<LPARAM>(s.data())));
  s.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return s;
}

void SetWideText(HWND hwnd, const std::wstring& text) {
  SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring WideWindowText(HWND hwnd) {
  const int n = static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
  std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
  const int got = static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, n + 1, reinterpret_cast<LPARAM>(s.data())));
  s.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return s;
}

std::string ClassOf(HWND hwnd) {
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> out;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&out));
  return out;
}

int ThreadsOf(DWORD pid) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int n = 0;
  for (BOOL ok = Thread32First(snapshot, &entry); ok; ok = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == pid) ++n;
  CloseHandle(snapshot);
  return n;
}

HWND ChildById(HWND parent, int id) {
  for (HWND h : Children(parent))
    if (GetDlgCtrlID(h) == id) return h;
  return nullptr;
}

std::string Crlf(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

}  // namespace e2e
