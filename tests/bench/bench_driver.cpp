// Measures quillmark.exe from outside, the way a user's clicks reach it: its start against the baseline program of
// ours (one window, nothing else), the commands against the round trip of a message that does nothing, the About
// window's clock measurement, and the memory the system counts for the process. Every figure is a series of samples;
// tools/bench.sh turns the series into medians, minima and maxima. A benchmark, not a test: it never fails on a time.
//
//   bench_driver.exe [--runs N] [--copies N] [--edits N] [--abouts N] [--commands N] [--out FILE]
//                    [--only startup|commands]
//
// The output file has one line per series, "series<TAB>unit<TAB>v1 v2 ...", and one line per observation,
// "info<TAB>key<TAB>text".
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <x86intrin.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "resource.h"

namespace {

const char kSettingsKey[] = "Software\\Orvenna\\Quillmark";
const char kMainClass[] = "TMainForm";
const char kEditClass[] = "TEditForm";
const char kAboutClass[] = "TAboutBox";
const char kBaselineClass[] = "QmBenchBaseline";

struct KindInfo {
  const char* name;
  int button;
  int panel;
};
// In the order of the kind buttons: the standard page, then the shell page.
const KindInfo kKinds[] = {
    {"MessageBox", IDC_tbnMessageBox, IDC_pnlMessageBox},
    {"GetOpenFileName", IDC_tbnOpenDlg, IDC_pnlOpenDlg},
    {"GetSaveFileName", IDC_tbnSaveDlg, IDC_pnlSaveDlg},
    {"ChooseColor", IDC_tbnColorDlg, IDC_pnlColorDlg},
    {"ChooseFont", IDC_tbnFontDlg, IDC_pnlFontDlg},
    {"PrintDlg", IDC_tbnPrintDlg, IDC_pnlPrintDlg},
    {"SHBrowseForFolder", IDC_tbnBrowseForFolder, IDC_pnlBrowseForFolder},
    {"SHRunFile", IDC_tbnRunDlg, IDC_pnlRunDlg},
    {"SHFormatDrive", IDC_tbnFormatDrive, IDC_pnlFormatDrive},
    {"SHAbout", IDC_tbnAbout, IDC_pnlAbout},
    {"SHPickIcon", IDC_tbnIconDlg, IDC_pnlIconDlg},
    {"SHFileOperation", IDC_tbnFileOp, IDC_pnlFileOp},
};

// ---- Time and results ----

double g_ticksPerMs = 0;

double NowMs() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / g_ticksPerMs;
}

struct Series {
  std::string name;
  std::string unit;
  std::vector<double> values;
};
std::vector<Series> g_series;
std::vector<std::pair<std::string, std::string>> g_info;

void Add(const std::string& name, const char* unit, double value) {
  for (auto& s : g_series) {
    if (s.name == name) {
      s.values.push_back(value);
      return;
    }
  }
  g_series.push_back({name, unit, {value}});
}

void Info(const std::string& key, const std::string& text) {
  g_info.emplace_back(key, text);
  std::fprintf(stderr, "  %s: %s\n", key.c_str(), text.c_str());
}

// The machine's load average as Linux counts it, where the program runs under Wine (the root folder is drive Z:);
// nothing on Windows. It tells how much the figures of a phase were disturbed by other work on the machine.
std::string LoadAverage() {
  std::string text;
  if (FILE* f = std::fopen("Z:\\proc\\loadavg", "r")) {
    char line[128] = {};
    if (std::fgets(line, sizeof line, f)) text = line;
    std::fclose(f);
  }
  const std::size_t cut = text.find(' ', text.find(' ', text.find(' ') + 1) + 1);
  return cut == std::string::npos ? text : text.substr(0, cut);
}

void Progress(const char* what) {
  std::fprintf(stderr, "bench_driver: %s\n", what);
  const std::string load = LoadAverage();
  if (!load.empty()) g_info.emplace_back(std::string("load average before: ") + what, load);
}

// Polls until the condition holds or the time runs out. One millisecond between polls keeps the driver from taking
// the processor that the program, the Wine server and the display need.
bool Poll(const std::function<bool()>& condition, double timeoutMs) {
  const double end = NowMs() + timeoutMs;
  while (!condition()) {
    if (NowMs() > end) return false;
    Sleep(1);
  }
  return true;
}

// ---- Windows of another process ----

struct FindData {
  DWORD pid;
  const char* className;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK FindTopProc(HWND hwnd, LPARAM lp) {
  auto* d = reinterpret_cast<FindData*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != d->pid || (d->visibleOnly && !IsWindowVisible(hwnd))) return TRUE;
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  if (std::strcmp(name, d->className) != 0) return TRUE;
  d->found = hwnd;
  return FALSE;
}

HWND FindTop(DWORD pid, const char* className, bool visibleOnly) {
  FindData d{pid, className, visibleOnly, nullptr};
  EnumWindows(FindTopProc, reinterpret_cast<LPARAM>(&d));
  return d.found;
}

struct ChildSearch {
  int id;
  HWND found;
};

BOOL CALLBACK FindChildProc(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<ChildSearch*>(lp);
  if (GetDlgCtrlID(hwnd) != s->id) return TRUE;
  s->found = hwnd;
  return FALSE;
}

HWND ChildById(HWND parent, int id) {
  ChildSearch s{id, nullptr};
  EnumChildWindows(parent, FindChildProc, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

bool Answers(HWND hwnd, UINT timeoutMs = 5000) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

std::string WindowText(HWND hwnd) {
  char text[512] = {};
  SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, nullptr);
  return text;
}

// ---- Memory ----

struct Memory {
  bool ok = false;
  PROCESS_MEMORY_COUNTERS_EX c{};
  DWORD gdiObjects = 0;
  DWORD userObjects = 0;
  DWORD handles = 0;
};

Memory ReadMemory(HANDLE process) {
  Memory m;
  m.c.cb = sizeof m.c;
  m.ok = GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m.c), sizeof m.c) != 0;
  m.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  m.userObjects = GetGuiResources(process, GR_USEROBJECTS);
  GetProcessHandleCount(process, &m.handles);
  return m;
}

double KBytes(SIZE_T bytes) { return static_cast<double>(bytes) / 1024.0; }

// Private bytes: PrivateUsage where the system fills it; Wine leaves it 0 and fills PagefileUsage, which Windows
// defines as the same commit charge of private memory.
double PrivateKBytes(const Memory& m) {
  return KBytes(m.c.PrivateUsage != 0 ? m.c.PrivateUsage : m.c.PagefileUsage);
}

// Which counters this system fills: a counter that reads 0 for a running program with a window is one this system does not fill.
void ReportCounters(const char* who, const Memory& m) {
  const std::string prefix = std::string("counters.") + who + ".";
  const struct {
    const char* name;
    double value;
  } counters[] = {
      {"PageFaultCount", static_cast<double>(m.c.PageFaultCount)},
      {"WorkingSetSize", KBytes(m.c.WorkingSetSize)},
      {"PeakWorkingSetSize", KBytes(m.c.PeakWorkingSetSize)},
      {"QuotaPagedPoolUsage", KBytes(m.c.QuotaPagedPoolUsage)},
      {"QuotaNonPagedPoolUsage", KBytes(m.c.QuotaNonPagedPoolUsage)},
      {"PagefileUsage", KBytes(m.c.PagefileUsage)},
      {"PeakPagefileUsage", KBytes(m.c.PeakPagefileUsage)},
      {"PrivateUsage", KBytes(m.c.PrivateUsage)},
      {"GetGuiResources(GDI)", static_cast<double>(m.gdiObjects)},
      {"GetGuiResources(USER)", static_cast<double>(m.userObjects)},
      {"GetProcessHandleCount", static_cast<double>(m.handles)},
  };
  for (const auto& c : counters) {
    char text[64];
    std::snprintf(text, sizeof text, "%.0f", c.value);
    g_info.emplace_back(prefix + c.name, text);
  }
}

// ---- A started program ----

void ClearSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); }

class Running {
 public:
  Running() = default;
  Running(const Running&) = delete;
  Running& operator=(const Running&) = delete;
  ~Running() { Close(); }

  // Starts the program and waits until its window of this class is visible and answers a message; returns the time
  // that took in milliseconds, or a negative value when it did not happen within the limit.
  double Start(const std::string& path, const char* className) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string command = "\"" + path + "\"";
    const double t0 = NowMs();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_))
      return -1;
    exists_ = -1;
    const bool shown = Poll(
        [&] {
          // The first time the window exists, hidden still: what came before is the process's start and loading,
          // what comes after is the window's creation, showing and first paint.
          if (exists_ < 0 && FindTop(pi_.dwProcessId, className, false)) exists_ = NowMs() - t0;
          HWND w = FindTop(pi_.dwProcessId, className, true);
          if (w && Answers(w)) main_ = w;
          return main_ != nullptr;
        },
        30000);
    const double t1 = NowMs();
    return shown ? t1 - t0 : -1;
  }
  // When the last Start first saw the window, in milliseconds from its start.
  double exists() const { return exists_; }

  void Close() {
    if (!pi_.hProcess) return;
    if (main_) PostMessageA(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi_.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
    WaitForSingleObject(pi_.hProcess, 5000);
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
    pi_ = {};
    main_ = nullptr;
  }

  HWND main() const { return main_; }
  DWORD pid() const { return pi_.dwProcessId; }
  HANDLE process() const { return pi_.hProcess; }
  HWND Ctl(int id) const { return ChildById(main_, id); }

 private:
  PROCESS_INFORMATION pi_{};
  HWND main_ = nullptr;
  double exists_ = -1;
};

std::string Beside(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path);
  return s.substr(0, s.find_last_of("\\/") + 1) + name;
}

// ---- Start-up ----

void MeasureStartUp(int runs) {
  Progress("start-up, alternating the baseline program and quillmark.exe");
  const std::string quillmark = Beside("quillmark.exe");
  const std::string baseline = Beside("bench_baseline.exe");
  auto one = [&](bool ours, bool record) {
    if (ours) ClearSettings();  // every start is a first start
    Running p;
    const double ms = p.Start(ours ? quillmark : baseline, ours ? kMainClass : kBaselineClass);
    if (ms < 0) {
      Info(ours ? "error.startup" : "error.startup.baseline", "the window did not show within 30 s");
      return;
    }
    if (!record) return;
    const Memory m = ReadMemory(p.process());
    Add(ours ? "startup.quillmark" : "startup.baseline", "ms", ms);
    if (p.exists() >= 0) {
      Add(ours ? "startup.quillmark.exists" : "startup.baseline.exists", "ms", p.exists());
      Add(ours ? "startup.quillmark.shown" : "startup.baseline.shown", "ms", ms - p.exists());
    }
    if (m.ok) Add(ours ? "memory.start.quillmark" : "memory.start.baseline", "KB", PrivateKBytes(m));
    static bool reported[2] = {false, false};
    if (!reported[ours]) {
      ReportCounters(ours ? "quillmark" : "baseline", m);
      if (ours)
        Info("memory.counter", m.c.PrivateUsage != 0 ? "private bytes are PrivateUsage"
                                                     : "private bytes are PagefileUsage (PrivateUsage reads 0)");
      reported[ours] = true;
    }
  };
  // One start of each first, so that both find the system's files in the cache.
  one(false, false);
  one(true, false);
  for (int i = 0; i < runs; ++i) {
    // Alternate which of the two goes first, so that neither always follows the other.
    one(i % 2 == 1, true);
    one(i % 2 == 0, true);
  }
}

// ---- Commands in the running program ----

class Session {
 public:
  explicit Session(Running& p) : p_(p) {}

  bool Init() {
    Poll([&] { return Editor() != nullptr; }, 5000);
    background_ = p_.Ctl(IDC_pnlBackgrnd);
    // The shell page's buttons are made when that page is first shown: show it, then the standard page again.
    HWND tabs = p_.Ctl(IDC_PageControl);
    SendMessageA(tabs, TCM_SETCURFOCUS, 1, 0);
    SendMessageA(tabs, TCM_SETCURFOCUS, 0, 0);
    for (const auto& k : kKinds) buttons_.push_back(p_.Ctl(k.button));
    copy_ = p_.Ctl(IDC_btnCopy);
    editButton_ = p_.Ctl(IDC_btnEdit);
    reset_ = p_.Ctl(IDC_btnReset);
    about_ = p_.Ctl(IDC_btnAbout);
    if (!edit_) Info("error.edit", "no TEditForm window");
    return copy_ && editButton_ && reset_ && about_ && background_ &&
           std::find(buttons_.begin(), buttons_.end(), nullptr) == buttons_.end();
  }

  // The round trip of a message that does nothing: the least any command can cost.
  void MeasureNull(int n) {
    Progress("round trip of WM_NULL");
    for (int i = 0; i < n; ++i) {
      const double t0 = NowMs();
      Answers(p_.main());
      Add("null", "ms", NowMs() - t0);
    }
  }

  // Clicks a kind button; returns the time until the handler (SelectDialogKind) returned, and adds the time of
  // painting what changed when painted is given.
  double Switch(std::size_t kind, double* painted = nullptr) {
    UpdateWindow(p_.main());  // nothing left over from before is painted inside the measurement
    const double t0 = NowMs();
    SendMessageA(buttons_[kind], BM_CLICK, 0, 0);
    const double t1 = NowMs();
    RedrawWindow(p_.main(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double t2 = NowMs();
    if (painted) *painted = t2 - t0;
    return t1 - t0;
  }

  bool InFront(std::size_t kind) const {
    return GetDlgCtrlID(GetWindow(background_, GW_CHILD)) == kKinds[kind].panel;
  }

  void MeasureSwitching(int rounds) {
    Progress("switching kinds");
    const std::size_t n = std::size(kKinds);
    // The message box is in front from the start, so the tour starts at the next kind and ends with it.
    for (int round = 0; round < rounds; ++round) {
      for (std::size_t i = 1; i <= n; ++i) {
        const std::size_t kind = i % n;
        double painted = 0;
        const double ms = Switch(kind, &painted);
        if (!InFront(kind)) Info("error.switch", std::string(kKinds[kind].name) + " did not come to the front");
        if (round == 0 && kind != 0) {
          Add("switch.first", "ms", ms);
          Add("switch.first.painted", "ms", painted);
        } else {
          Add("switch", "ms", ms);
          Add("switch.painted", "ms", painted);
        }
      }
    }
  }

  // Two parts of every Copy that are not the program's own work, measured on their own: pressing a button whose
  // command does nothing (the standard page's arrow placeholder, which only goes down), and writing the clipboard
  // from this process with the same calls and a text of the same size.
  void MeasureCopyParts(int reps) {
    Progress("pressing a button without a command; writing the clipboard");
    HWND arrow = p_.Ctl(IDC_tbnArrow1);
    Switch(0);
    for (int r = 0; arrow && r < reps; ++r) {
      UpdateWindow(p_.main());
      const double t0 = NowMs();
      SendMessageA(arrow, BM_CLICK, 0, 0);
      Add("press", "ms", NowMs() - t0);
      SendMessageA(buttons_[0], BM_CLICK, 0, 0);  // the message box's button goes down again
    }
    double ms = 0;
    CopyOnce(ms);
    const std::string text = ClipboardText();
    for (int r = 0; r < reps; ++r) {
      const double t0 = NowMs();
      if (!WriteClipboard(text)) break;
      Add("clipboard.write", "ms", NowMs() - t0);
    }
  }

  static bool WriteClipboard(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory) return false;
    if (void* p = GlobalLock(memory)) {
      std::memcpy(p, text.c_str(), text.size() + 1);
      GlobalUnlock(memory);
    }
    if (!OpenClipboard(nullptr)) {
      GlobalFree(memory);
      return false;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
    CloseClipboard();
    return true;
  }

  // Copy: from the click until the clipboard holds the new text. Kinds whose builder writes nothing yet are
  // reported as such.
  void MeasureCopy(int reps) {
    Progress("Copy per kind");
    for (std::size_t kind = 0; kind < std::size(kKinds); ++kind) {
      Switch(kind);
      const std::string name = kKinds[kind].name;
      double ms = 0;
      if (!CopyOnce(ms)) {
        Info("copy." + name, "Copy puts nothing on the clipboard (no builder yet)");
        continue;
      }
      char text[96];
      std::snprintf(text, sizeof text, "%zu characters on the clipboard", ClipboardText().size());
      Info("copy." + name, text);
      for (int r = 0; r < reps; ++r) {
        if (CopyOnce(ms)) Add("copy." + name, "ms", ms);
      }
    }
  }

  bool CopyOnce(double& ms) {
    const DWORD before = GetClipboardSequenceNumber();
    const double t0 = NowMs();
    SendMessageA(copy_, BM_CLICK, 0, 0);
    // The handler has returned; the clipboard is written inside it, so this normally holds at the first look.
    const bool changed = Poll([&] { return GetClipboardSequenceNumber() != before; }, 2000);
    ms = NowMs() - t0;
    return changed;
  }

  static std::string ClipboardText() {
    std::string text;
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (OpenClipboard(nullptr)) {
        if (HANDLE h = GetClipboardData(CF_TEXT)) {
          if (const char* p = static_cast<const char*>(GlobalLock(h))) {
            text = p;
            GlobalUnlock(h);
          }
        }
        CloseClipboard();
        break;
      }
      Sleep(5);
    }
    return text;
  }

  // Edit: from the click until the editor is visible with its statements pane filled and answers a message.
  void MeasureEdit(int reps) {
    Progress("Edit per kind");
    if (!edit_) return;
    HWND impl = ChildById(edit_, IDC_memImpl);
    for (std::size_t kind = 0; kind < std::size(kKinds); ++kind) {
      Switch(kind);
      const std::string name = kKinds[kind].name;
      // A first Edit, not measured: a kind without a builder leaves the panes as the previous kind filled them,
      // so an empty statements pane after it can only mean the first kind has no builder.
      double ms = 0;
      if (!EditOnce(ms)) {
        Info("edit." + name, "the editor did not show");
        continue;
      }
      if (SendMessageA(impl, WM_GETTEXTLENGTH, 0, 0) == 0) {
        Info("edit." + name, "Edit fills no statements (no builder yet)");
        continue;
      }
      for (int r = 0; r < reps; ++r) {
        if (EditOnce(ms)) Add("edit." + name, "ms", ms);
      }
    }
  }

  // The panes are filled before the editor is shown, so a visible editor that answers has them filled.
  // The program makes its editor, hidden, right after its main window shows: a session that starts at once may
  // look for it before it exists.
  HWND Editor() {
    if (!edit_ || !IsWindow(edit_)) edit_ = FindTop(p_.pid(), kEditClass, false);
    return edit_;
  }

  bool EditOnce(double& ms) {
    const double t0 = NowMs();
    PostMessageA(editButton_, BM_CLICK, 0, 0);
    const bool shown = Poll([&] { return IsWindowVisible(Editor()) && Answers(edit_); }, 10000);
    ms = NowMs() - t0;
    if (!shown) Progress("an Edit did not show the editor within 10 s");
    CloseEditor();
    return shown;
  }

  // An editor that shows only after the wait for it ended is closed too, so that one slow Edit does not leave the
  // main window disabled for the rest of the run (each such Edit is counted in the log).
  void CloseEditor() {
    double lastClose = -1e9;
    const bool closed = Poll(
        [&] {
          if (IsWindowVisible(Editor()) && NowMs() - lastClose > 500) {
            PostMessageA(edit_, WM_CLOSE, 0, 0);
            lastClose = NowMs();
          }
          return !IsWindowVisible(edit_) && IsWindowEnabled(p_.main());
        },
        30000);
    if (!closed) Progress("the editor did not close within 30 s");
    Answers(p_.main());
  }

  // About: from the click until the About window is visible and answers a message. The same clock measurement as
  // the window makes is timed in this process, so that its share can be told.
  void MeasureAbout(int reps) {
    Progress("About");
    Memory before;  // read after the first About, so that what the first one loads is not counted
    int done = 0;
    for (int r = 0; r < reps; ++r) {
      const double t0 = NowMs();
      PostMessageA(about_, BM_CLICK, 0, 0);
      HWND box = nullptr;
      const char* found = nullptr;
      const bool shown = Poll(
          [&] {
            found = kAboutClass;
            box = FindTop(p_.pid(), kAboutClass, true);
            if (!box) {
              found = "#32770";  // an About window of a build without TAboutBox
              box = FindTop(p_.pid(), found, true);
            }
            return box && Answers(box);
          },
          15000);
      const double ms = NowMs() - t0;
      if (!shown) {
        Info("error.about", "no About window within 15 s");
        break;
      }
      if (r == 0) Info("about.window", found);
      Add("about", "ms", ms);
      CloseAbout(box);
      if (r == 0) before = ReadMemory(p_.process());
      else ++done;
    }
    const Memory after = ReadMemory(p_.process());
    if (done > 0 && before.ok && after.ok)
      Add("memory.about.growth", "KB",
          (PrivateKBytes(after) - PrivateKBytes(before)) / static_cast<double>(done));
    for (int r = 0; r < 3; ++r) Add("about.clock", "ms", ClockMeasurement());
  }

  void CloseAbout(HWND box) {
    PostMessageA(box, WM_CLOSE, 0, 0);
    if (!Poll([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 3000)) {
      PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      Poll([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000);
    }
    Poll([&] { return IsWindowEnabled(p_.main()) != FALSE; }, 5000);
    Answers(p_.main());
  }

  // The About window's processor speed: real-time priority, 10 ms, the time-stamp counter, 500 ms, the counter.
  static double ClockMeasurement() {
    const double t0 = NowMs();
    HANDLE process = GetCurrentProcess();
    HANDLE thread = GetCurrentThread();
    const DWORD oldClass = GetPriorityClass(process);
    const int oldPriority = GetThreadPriority(thread);
    SetPriorityClass(process, REALTIME_PRIORITY_CLASS);
    SetThreadPriority(thread, THREAD_PRIORITY_TIME_CRITICAL);
    Sleep(10);
    const unsigned long long c0 = __rdtsc();
    Sleep(500);
    const unsigned long long c1 = __rdtsc();
    SetThreadPriority(thread, oldPriority);
    SetPriorityClass(process, oldClass);
    (void)(c1 - c0);
    return NowMs() - t0;
  }

  // Private bytes before and after a run of commands: select a kind, Copy, Edit and close the editor, Reset, in turn
  // over all kinds. Every command has run at least once before, so what it creates on first use is not counted.
  void MeasureMemory(int commands, const Memory& atStart) {
    Progress("memory over a run of commands");
    const std::size_t n = std::size(kKinds);
    // One round of every command first.
    for (std::size_t kind = 0; kind < n; ++kind) {
      for (int which = 0; which < 4; ++which) RunCommand(kind, which);
    }
    const Memory before = ReadMemory(p_.process());
    Memory half;  // a leak shows as growth in both halves, a first use only in the first
    const double t0 = NowMs();
    for (int i = 0; i < commands; ++i) {
      if (i == commands / 2) half = ReadMemory(p_.process());
      RunCommand((static_cast<std::size_t>(i) / 4) % n, i % 4);
    }
    const double elapsed = NowMs() - t0;
    const Memory after = ReadMemory(p_.process());
    if (!atStart.ok || !before.ok || !half.ok || !after.ok) {
      Info("error.memory", "GetProcessMemoryInfo failed");
      return;
    }
    Add("memory.session.start", "KB", PrivateKBytes(atStart));
    Add("memory.before", "KB", PrivateKBytes(before));
    Add("memory.after", "KB", PrivateKBytes(after));
    Add("memory.growth", "KB", PrivateKBytes(after) - PrivateKBytes(before));
    Add("memory.growth.secondhalf", "KB", PrivateKBytes(after) - PrivateKBytes(half));
    Add("memory.growth.fromstart", "KB", PrivateKBytes(after) - PrivateKBytes(atStart));
    Add("memory.workingset.before", "KB", KBytes(before.c.WorkingSetSize));
    Add("memory.workingset.after", "KB", KBytes(after.c.WorkingSetSize));
    Add("handles.before", "count", before.handles);
    Add("handles.after", "count", after.handles);
    Add("gdi.before", "count", before.gdiObjects);
    Add("gdi.after", "count", after.gdiObjects);
    Add("user.before", "count", before.userObjects);
    Add("user.after", "count", after.userObjects);
    char text[96];
    std::snprintf(text, sizeof text, "%d commands in %.1f s", commands, elapsed / 1000.0);
    Info("memory.commands", text);
  }

  void RunCommand(std::size_t kind, int which) {
    double ms = 0;
    if (IsWindowVisible(Editor())) {
      Progress("an editor showed after its Edit was given up: closed");
      CloseEditor();
    }
    switch (which) {
      case 0: Switch(kind); break;
      case 1: SendMessageA(copy_, BM_CLICK, 0, 0); break;
      case 2: EditOnce(ms); break;
      default: SendMessageA(reset_, BM_CLICK, 0, 0); break;
    }
  }

 private:
  Running& p_;
  HWND edit_ = nullptr;
  HWND background_ = nullptr;
  std::vector<HWND> buttons_;
  HWND copy_ = nullptr;
  HWND editButton_ = nullptr;
  HWND reset_ = nullptr;
  HWND about_ = nullptr;
};

BOOL CALLBACK CountProc(HWND, LPARAM lp) {
  ++*reinterpret_cast<int*>(lp);
  return TRUE;
}

// How many windows the program has made: each costs time at start under Wine.
void CountWindows(const Running& p, const char* key) {
  int children = 0;
  EnumChildWindows(p.main(), CountProc, reinterpret_cast<LPARAM>(&children));
  std::pair<DWORD, int> topLevel{p.pid(), 0};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* d = reinterpret_cast<std::pair<DWORD, int>*>(lp);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == d->first) ++d->second;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&topLevel));
  char text[96];
  std::snprintf(text, sizeof text, "%d child windows of the main window, %d top-level windows", children,
                topLevel.second);
  Info(key, text);
  Add(std::string(key) + ".children", "count", children);
}

void MeasureCommands(int copies, int edits, int abouts, int commands) {
  Progress("starting quillmark.exe for the commands");
  ClearSettings();
  Running p;
  if (p.Start(Beside("quillmark.exe"), kMainClass) < 0) {
    Info("error.commands", "quillmark.exe did not start");
    return;
  }
  const Memory atStart = ReadMemory(p.process());
  CountWindows(p, "windows.start");
  Session s(p);
  if (!s.Init()) {
    Info("error.commands", "a command button or kind button was not found");
    return;
  }
  s.MeasureNull(200);
  s.MeasureSwitching(6);
  CountWindows(p, "windows.allpanels");
  s.MeasureCopyParts(copies);
  s.MeasureCopy(copies);
  s.MeasureEdit(edits);
  s.MeasureAbout(abouts);
  s.MeasureMemory(commands, atStart);
  Info("caption.end", WindowText(p.main()));
  p.Close();
  ClearSettings();
}

bool Write(const char* path) {
  FILE* f = std::fopen(path, "w");
  if (!f) return false;
  for (const auto& s : g_series) {
    std::fprintf(f, "series\t%s\t%s\t", s.name.c_str(), s.unit.c_str());
    for (std::size_t i = 0; i < s.values.size(); ++i) std::fprintf(f, "%s%.4f", i ? " " : "", s.values[i]);
    std::fprintf(f, "\n");
  }
  for (const auto& [key, text] : g_info) std::fprintf(f, "info\t%s\t%s\n", key.c_str(), text.c_str());
  std::fclose(f);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  g_ticksPerMs = static_cast<double>(frequency.QuadPart) / 1000.0;

  int runs = 15, copies = 30, edits = 8, abouts = 5, commands = 1000;
  bool startUp = true, commandsToo = true;
  const char* out = "bench_results.tsv";
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--runs") runs = std::max(1, std::atoi(value));
    else if (name == "--copies") copies = std::max(1, std::atoi(value));
    else if (name == "--edits") edits = std::max(1, std::atoi(value));
    else if (name == "--abouts") abouts = std::max(1, std::atoi(value));
    else if (name == "--commands") commands = std::max(4, std::atoi(value));
    else if (name == "--out") out = value;
    else if (name == "--only") startUp = std::string(value) == "startup", commandsToo = !startUp;
    else {
      std::fprintf(stderr, "bench_driver: unknown option %s\n", name.c_str());
      return 2;
    }
  }
  if (startUp) MeasureStartUp(runs);
  if (commandsToo) MeasureCommands(copies, edits, abouts, commands);
  if (!Write(out)) {
    std::fprintf(stderr, "bench_driver: cannot write %s\n", out);
    return 1;
  }
  Progress("done");
  return 0;
}
