// The Windows side of the compile check: runs each compiled program of the manifest (written by emit_programs) and
// checks what it does. Where the program shows a dialog, the checker finds it among the program's windows, compares
// its title and controls with the manifest, and closes it with the button the manifest names; where it shows none,
// the checker makes sure that none appears. Afterwards it compares the report the program wrote beside itself and the
// files that a file operation left. Prints one line per program and ends with "N passed, N failed".
//
// Texts are UTF-8, in the manifest as in the checker; the dialogs' texts are read with the wide messages, so that a
// title in any script compares exactly.
//
// Usage: dialog_checker <folder of the programs> <manifest> [--no-printer] [--only <program>]
// --no-printer: no printer is known, so a Print dialog is replaced by Windows' message asking to install a printer,
// or by nothing at all when that message is switched off; both are accepted where the manifest expects the dialog.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Fields = std::vector<std::string>;

struct ProgramEntry {
  std::string name;
  std::vector<Fields> directives;
};

constexpr DWORD kWindowTimeoutMs = 30000;  // until the dialog shows (a first start of a Wine dialog takes a while)
constexpr DWORD kExitTimeoutMs = 30000;    // until the program ends after its dialog closed
constexpr DWORD kCheckTimeoutMs = 3000;    // a control may still be filled just after the dialog shows

std::string Unescape(const std::string& s) {
  std::string u;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      const char c = s[++i];
      u += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
    } else {
      u += s[i];
    }
  }
  return u;
}

Fields SplitTabs(const std::string& line) {
  Fields fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(Unescape(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start)));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return fields;
}

std::vector<ProgramEntry> ReadManifest(const std::string& path) {
  std::vector<ProgramEntry> entries;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    Fields fields = SplitTabs(line);
    if (fields[0] == "program" && fields.size() == 2) {
      entries.push_back({fields[1], {}});
    } else if (fields[0] != "end" && !entries.empty()) {
      entries.back().directives.push_back(fields);
    }
  }
  return entries;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return "";
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                    nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), s.data(), n, nullptr, nullptr);
  return s;
}

std::wstring Widen(const std::string& s) {
  if (s.empty()) return L"";
  const int n = MultiByteToWideChar(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

// The text of a window of another process, asked for with WM_GETTEXT (which the system carries across processes).
std::string TextOf(HWND wnd) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(wnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return "";
  std::wstring buffer(static_cast<std::size_t>(length) + 2, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(wnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG, 2000,
                      &copied);
  buffer.resize(static_cast<std::size_t>(copied));
  return Narrow(buffer);
}

std::string ClassOf(HWND wnd) {
  char name[256] = {};
  GetClassNameA(wnd, name, sizeof name);
  return name;
}

// Shows line breaks, other control characters and bytes beyond ASCII of a text, so that a mismatch can be read.
std::string Visible(const std::string& s) {
  std::string v = "\"";
  for (char c : s) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '\r') {
      v += "\\r";
    } else if (c == '\n') {
      v += "\\n";
    } else if (u < 0x20 || u >= 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", u);
      v += hex;
    } else {
      v += c;
    }
  }
  return v + "\"";
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(
      parent,
      [](HWND wnd, LPARAM param) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND ControlById(HWND dialog, int id) {
  for (HWND wnd : Descendants(dialog))
    if (GetDlgCtrlID(wnd) == id) return wnd;
  return nullptr;
}

// The visible dialogs (window class #32770) of one process.
std::vector<HWND> DialogsOf(DWORD processId) {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{processId, {}};
  EnumWindows(
      [](HWND wnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(wnd, &pid);
        if (pid == s->processId && IsWindowVisible(wnd) && ClassOf(wnd) == "#32770") s->found.push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string DescribeDialog(HWND dialog) {
  std::string d = "      dialog " + Visible(TextOf(dialog)) + "\n";
  for (HWND wnd : Descendants(dialog)) {
    char line[96];
    std::snprintf(line, sizeof line, "        id %d %s style %08lX%s: ", GetDlgCtrlID(wnd), ClassOf(wnd).c_str(),
                  static_cast<unsigned long>(GetWindowLongW(wnd, GWL_STYLE)), IsWindowVisible(wnd) ? "" : " hidden");
    d += line + Visible(TextOf(wnd)) + "\n";
  }
  return d;
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (true) {
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(50);
  }
}

std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const int length = static_cast<int>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0));
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcslen(text.c_str()));
    items.push_back(Narrow(text));
  }
  return items;
}

std::vector<HWND> VisibleButtons(HWND dialog) {
  std::vector<HWND> buttons;
  for (HWND wnd : Descendants(dialog))
    if (ClassOf(wnd) == "Button" && IsWindowVisible(wnd)) buttons.push_back(wnd);
  return buttons;
}

std::string Joined(const std::vector<std::string>& items) {
  std::string s;
  for (const std::string& item : items) s += (s.empty() ? "" : ", ") + Visible(item);
  return "[" + s + "]";
}

// Selects the first entry under a tree's root, as a user does who opens the root and takes its first folder; the
// dialog fills an item's children when it opens.
bool SelectFirstChild(HWND tree) {
  HTREEITEM child = nullptr;
  WaitFor(
      [&] {
        const LPARAM root = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
        if (!root) return false;
        SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, root);
        child = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, root));
        return child != nullptr;
      },
      kCheckTimeoutMs);
  return child && SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(child));
}

// The user's Documents folder (CSIDL_PERSONAL) as the shell finds it, set to another folder while a program runs and
// put back afterwards.
class DocumentsFolder {
 public:
  explicit DocumentsFolder(const std::string& folder) {
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_) != ERROR_SUCCESS) return;
    wchar_t old[MAX_PATH * 2] = {};
    DWORD size = sizeof old - sizeof(wchar_t);
    had_ = RegQueryValueExW(key_, L"Personal", nullptr, &type_, reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS;
    if (had_) old_.assign(old, size / sizeof(wchar_t));
    Set(REG_SZ, Widen(folder) + L'\0');
  }
  ~DocumentsFolder() {
    if (!key_) return;
    if (had_) Set(type_, old_);
    else RegDeleteValueW(key_, L"Personal");
    RegCloseKey(key_);
  }
  DocumentsFolder(const DocumentsFolder&) = delete;
  DocumentsFolder& operator=(const DocumentsFolder&) = delete;

 private:
  static constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
  void Set(DWORD type, const std::wstring& value) {
    RegSetValueExW(key_, L"Personal", 0, type, reinterpret_cast<const BYTE*>(value.data()),
                   static_cast<DWORD>(value.size() * sizeof(wchar_t)));
  }
  HKEY key_ = nullptr;
  bool had_ = false;
  DWORD type_ = REG_SZ;
  std::wstring old_;
};

bool IsControlCheck(const std::string& what) {
  return what == "text" || what == "items" || what == "selected" || what == "checked" || what == "enabled" ||
         what == "visible" || what == "buttons" || what == "default" || what == "icon";
}

// Checks one directive that looks at the dialog; empty when it holds, else what was found instead.
std::string CheckControl(HWND dialog, const Fields& d) {
  const std::string& what = d[0];
  if (what == "buttons") {
    std::vector<std::string> captions;
    for (HWND b : VisibleButtons(dialog)) captions.push_back(TextOf(b));
    const std::vector<std::string> expected(d.begin() + 1, d.end());
    return captions == expected ? "" : "buttons " + Joined(captions) + ", expected " + Joined(expected);
  }
  if (what == "default") {
    std::string found;
    for (HWND b : VisibleButtons(dialog))
      if ((GetWindowLongW(b, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) found = TextOf(b);
    return found == d[1] ? "" : "default button " + Visible(found) + ", expected " + Visible(d[1]);
  }
  if (what == "icon") {
    bool shown = false;
    for (HWND wnd : Descendants(dialog))
      if (ClassOf(wnd) == "Static" && IsWindowVisible(wnd) &&
          (GetWindowLongW(wnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && SendMessageW(wnd, STM_GETICON, 0, 0) != 0)
        shown = true;
    return shown == (d[1] == "1") ? "" : std::string(shown ? "an icon" : "no icon") + " where the code asks for " +
                                             (d[1] == "1" ? "one" : "none");
  }
  HWND control = ControlById(dialog, std::atoi(d[1].c_str()));
  if (!control) return "no control " + d[1];
  if (what == "text") {
    const std::string text = TextOf(control);
    return text == d[2] ? "" : "control " + d[1] + " shows " + Visible(text) + ", expected " + Visible(d[2]);
  }
  if (what == "items") {
    const std::vector<std::string> items = ComboItems(control);
    const std::vector<std::string> expected(d.begin() + 2, d.end());
    return items == expected ? "" : "list " + d[1] + " holds " + Joined(items) + ", expected " + Joined(expected);
  }
  if (what == "selected") {
    const int selected = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
    return selected == std::atoi(d[2].c_str())
               ? ""
               : "list " + d[1] + " has item " + std::to_string(selected) + " selected, expected " + d[2];
  }
  if (what == "checked") {
    const bool checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return checked == (d[2] == "1") ? "" : "control " + d[1] + (checked ? " is checked" : " is not checked");
  }
  if (what == "enabled") {
    const bool enabled = IsWindowEnabled(control) != FALSE;
    return enabled == (d[2] == "1") ? "" : "control " + d[1] + (enabled ? " is enabled" : " is disabled");
  }
  if (what == "visible") {
    const bool visible = (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    return visible == (d[2] == "1") ? "" : "control " + d[1] + (visible ? " is shown" : " is hidden");
  }
  return "unknown directive " + what;
}

// Windows folders and files for the file operations; a Windows path, as the manifest gives it.
void MakeFolders(const std::string& path) {
  for (std::size_t i = 3; i <= path.size(); ++i)
    if (i == path.size() || path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
}

bool WriteWholeFile(const std::string& path, const std::string& content) {
  MakeFolders(path.substr(0, path.find_last_of('\\')));
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  return static_cast<bool>(out);
}

bool ReadWholeFile(const std::string& path, std::string& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::stringstream s;
  s << in.rdbuf();
  content = s.str();
  return true;
}

std::vector<std::string> ReportLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool IsPrinterMessage(HWND dialog) {
  for (HWND wnd : Descendants(dialog)) {
    const std::string text = TextOf(wnd);
    if (text.find("printer") != std::string::npos) return true;
  }
  return false;
}

struct Outcome {
  std::vector<std::string> problems;
  std::string note;
  void Fail(const std::string& problem) { problems.push_back(problem); }
};

// The message box titled "Error" that code handling the answer shows after its dialog failed: found, its text
// compared, closed. `when` is "always", or "no-printer" for a box that follows only Windows' printer message.
void CheckErrorBox(const PROCESS_INFORMATION& pi, const Fields& d, bool noPrinterSeen, Outcome& outcome) {
  if (d.size() < 3 || (d[2] == "no-printer" && !noPrinterSeen)) return;
  HWND box = nullptr;
  WaitFor(
      [&] {
        for (HWND dialog : DialogsOf(pi.dwProcessId))
          if (TextOf(dialog) == "Error") box = dialog;
        return box || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0;
      },
      kWindowTimeoutMs);
  if (!box) {
    outcome.Fail("no error box appeared");
    return;
  }
  std::string problem;
  WaitFor([&] { return (problem = CheckControl(box, {"text", "65535", d[1]})).empty(); }, kCheckTimeoutMs);
  if (!problem.empty()) outcome.Fail("error box: " + problem);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// Closes whatever dialogs the program still shows, then ends it if it does not end by itself.
void Finish(const PROCESS_INFORMATION& pi, Outcome& outcome) {
  if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) return;
  for (HWND dialog : DialogsOf(pi.dwProcessId)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  if (WaitForSingleObject(pi.hProcess, 5000) == WAIT_OBJECT_0) return;
  for (HWND dialog : DialogsOf(pi.dwProcessId)) PostMessageW(dialog, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 5000) == WAIT_OBJECT_0) return;
  outcome.Fail("the program did not end; it was stopped");
  TerminateProcess(pi.hProcess, 99);
  WaitForSingleObject(pi.hProcess, 5000);
}

Outcome RunProgram(const std::string& folder, const ProgramEntry& entry, bool noPrinter) {
  Outcome outcome;
  const std::string exe = folder + "\\" + entry.name + ".exe";
  const std::string report = folder + "\\" + entry.name + ".out";
  const std::string log = folder + "\\" + entry.name + ".log";
  DeleteFileA(report.c_str());

  // Set up what the program works on.
  std::unique_ptr<DocumentsFolder> documents;
  for (const Fields& d : entry.directives) {
    if (d[0] == "make-file" && !WriteWholeFile(d[1], d[2])) outcome.Fail("cannot make " + d[1]);
    if (d[0] == "make-folder") MakeFolders(d[1]);
    if (d[0] == "documents") documents = std::make_unique<DocumentsFolder>(d[1]);
  }
  if (!outcome.problems.empty()) return outcome;

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE logFile = CreateFileA(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = logFile;
  si.hStdError = logFile;
  PROCESS_INFORMATION pi{};
  std::string commandLine = "\"" + exe + "\"";
  const BOOL started = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      folder.c_str(), &si, &pi);
  if (logFile != INVALID_HANDLE_VALUE) CloseHandle(logFile);
  if (!started) {
    outcome.Fail("cannot start " + exe);
    return outcome;
  }

  // The dialog: found, compared, closed.
  const Fields* window = nullptr;
  bool expectNoWindow = false;
  for (const Fields& d : entry.directives) {
    if (d[0] == "window" || d[0] == "print-window") window = &d;
    if (d[0] == "no-window") expectNoWindow = true;
  }
  if (window) {
    HWND dialog = nullptr;
    bool ended = false;
    WaitFor(
        [&] {
          const std::vector<HWND> dialogs = DialogsOf(pi.dwProcessId);
          if (!dialogs.empty()) dialog = dialogs.front();
          ended = WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0;
          return dialog || ended;
        },
        kWindowTimeoutMs);
    const bool printWindow = (*window)[0] == "print-window";
    if (!dialog && ended && printWindow && noPrinter) {
      outcome.note = "no printer: no dialog (the message was switched off)";
    } else if (!dialog) {
      outcome.Fail(ended ? "the program ended without showing its dialog" : "no dialog appeared");
    } else if (printWindow && noPrinter && TextOf(dialog) != (*window)[1] && IsPrinterMessage(dialog)) {
      outcome.note = "no printer: the message asking to install one";
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      for (const Fields& d : entry.directives)
        if (d[0] == "error-box") CheckErrorBox(pi, d, true, outcome);
    } else {
      const std::string title = TextOf(dialog);
      if (title != (*window)[1]) outcome.Fail("dialog titled " + Visible(title) + ", expected " + Visible((*window)[1]));
      for (const Fields& d : entry.directives) {
        const std::string& what = d[0];
        if (IsControlCheck(what)) {
          std::string problem;
          WaitFor([&] { return (problem = CheckControl(dialog, d)).empty(); }, kCheckTimeoutMs);
          if (!problem.empty()) outcome.Fail(problem);
        } else if (what == "set") {
          HWND control = ControlById(dialog, std::atoi(d[1].c_str()));
          if (!control) outcome.Fail("no control " + d[1] + " to type into");
          else SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(d[2]).c_str()));
        } else if (what == "select-child") {
          HWND tree = ControlById(dialog, std::atoi(d[1].c_str()));
          if (!tree || !SelectFirstChild(tree)) outcome.Fail("no entry to select in tree " + d[1]);
        }
      }
      if (!outcome.problems.empty()) outcome.Fail("what the dialog showed:\n" + DescribeDialog(dialog));
      for (const Fields& d : entry.directives)
        if (d[0] == "press") PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(std::atoi(d[1].c_str()), BN_CLICKED), 0);
      for (const Fields& d : entry.directives)
        if (d[0] == "error-box") CheckErrorBox(pi, d, false, outcome);
    }
  } else if (expectNoWindow) {
    HWND dialog = nullptr;
    WaitFor(
        [&] {
          const std::vector<HWND> dialogs = DialogsOf(pi.dwProcessId);
          if (!dialogs.empty()) dialog = dialogs.front();
          return dialog || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0;
        },
        kExitTimeoutMs);
    if (dialog) outcome.Fail("a dialog appeared where none was expected:\n" + DescribeDialog(dialog));
  }

  if (WaitForSingleObject(pi.hProcess, kExitTimeoutMs) != WAIT_OBJECT_0) {
    outcome.Fail("the program did not end after its dialog");
    for (HWND dialog : DialogsOf(pi.dwProcessId)) outcome.Fail("still open:\n" + DescribeDialog(dialog));
  }
  Finish(pi, outcome);
  DWORD exitCode = 0;
  GetExitCodeProcess(pi.hProcess, &exitCode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  if (exitCode != 0) {
    std::string output;
    ReadWholeFile(log, output);
    outcome.Fail("the program ended with exit code " + std::to_string(exitCode) + (output.empty() ? "" : ": " + output));
  }

  // What the program reported and what it left behind.
  std::vector<std::string> expected;
  for (const Fields& d : entry.directives)
    if (d[0] == "output" && outcome.note.empty()) expected.push_back(d[1]);
  expected.push_back("done");
  const std::vector<std::string> reported = ReportLines(report);
  if (reported != expected) outcome.Fail("reported " + Joined(reported) + ", expected " + Joined(expected));
  for (const Fields& d : entry.directives) {
    std::string content;
    if (d[0] == "file") {
      if (!ReadWholeFile(d[1], content)) outcome.Fail("no file " + d[1]);
      else if (content != d[2]) outcome.Fail(d[1] + " holds " + Visible(content) + ", expected " + Visible(d[2]));
    } else if (d[0] == "no-file" && GetFileAttributesA(d[1].c_str()) != INVALID_FILE_ATTRIBUTES) {
      outcome.Fail(d[1] + " is still there");
    }
  }
  return outcome;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: dialog_checker <folder of the programs> <manifest> [--no-printer] [--only <name>]\n");
    return 2;
  }
  const std::string folder = argv[1];
  bool noPrinter = false;
  std::string only;
  for (int i = 3; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--no-printer") noPrinter = true;
    else if (arg == "--only" && i + 1 < argc) only = argv[++i];
  }
  int passed = 0;
  int failed = 0;
  for (const ProgramEntry& entry : ReadManifest(argv[2])) {
    if (!only.empty() && entry.name != only) continue;
    const std::string exe = folder + "\\" + entry.name + ".exe";
    if (GetFileAttributesA(exe.c_str()) == INVALID_FILE_ATTRIBUTES) continue;  // not compiled: counted by the script
    const ULONGLONG start = GetTickCount64();
    const Outcome outcome = RunProgram(folder, entry, noPrinter);
    const double seconds = static_cast<double>(GetTickCount64() - start) / 1000.0;
    if (outcome.problems.empty()) {
      ++passed;
      std::printf("   ran  %-34s %5.1f s%s\n", entry.name.c_str(), seconds,
                  outcome.note.empty() ? "" : ("  (" + outcome.note + ")").c_str());
    } else {
      ++failed;
      std::printf("   FAIL %-34s %5.1f s\n", entry.name.c_str(), seconds);
      for (const std::string& problem : outcome.problems) std::printf("      %s\n", problem.c_str());
    }
    std::fflush(stdout);
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
