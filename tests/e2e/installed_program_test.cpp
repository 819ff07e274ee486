// The installed program, started the way a user starts it: through its Start menu entry.
// tools/install_test.sh runs this after installing with the real installer and names, in the environment,
// QM_INSTALLED_EXE (the installed quillmark.exe) and QM_INSTALLED_SHORTCUT (the Start menu entry); the ordinary
// end-to-end run, with no installed program, skips it.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The process that runs the installed program, found by its main window; a test that fails midway ends it, so that
// the uninstall that follows finds no file in use.
class InstalledProcess {
 public:
  ~InstalledProcess() {
    if (process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    if (process_) CloseHandle(process_);
  }
  HANDLE process() const { return process_; }
  HWND main() const { return main_; }

  // Takes the process that a shell start reported; Wine reports none for a shortcut.
  void Adopt(HANDLE process) { process_ = process; }

  // Looks for a visible main window of a process whose image is exe.
  bool Find(const std::string& exe) {
    exe_ = Lower(exe);
    EnumWindows(Visit, reinterpret_cast<LPARAM>(this));
    return main_ != nullptr;
  }

 private:
  static BOOL CALLBACK Visit(HWND hwnd, LPARAM lp) {
    auto* self = reinterpret_cast<InstalledProcess*>(lp);
    if (!IsWindowVisible(hwnd) || ClassOf(hwnd) != "TMainForm") return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    HANDLE h = self->process_;
    bool own = false;
    if (!h || GetProcessId(h) != pid) {
      h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
      own = true;
    }
    if (!h) return TRUE;
    if (Lower(ImageOf(h)) == self->exe_) {
      if (own) {
        if (self->process_) CloseHandle(self->process_);
        self->process_ = h;
      }
      self->main_ = hwnd;
      return FALSE;
    }
    if (own) CloseHandle(h);
    return TRUE;
  }

  static std::string ImageOf(HANDLE process) {
    char image[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (!QueryFullProcessImageNameA(process, 0, image, &size)) return "";
    return std::string(image, size);
  }

  HANDLE process_ = nullptr;
  HWND main_ = nullptr;
  std::string exe_;
};

}  // namespace

TEST(InstalledProgram, StartsFromItsStartMenuEntryAndCloses) {
  const std::string exe = Env("QM_INSTALLED_EXE");
  const std::string shortcut = Env("QM_INSTALLED_SHORTCUT");
  if (exe.empty() || shortcut.empty()) GTEST_SKIP() << "no installed program named (tools/install_test.sh names one)";

  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  InstalledProcess program;
  {
    SHELLEXECUTEINFOA sei{};
    sei.cbSize = sizeof sei;
    sei.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    sei.lpVerb = "open";
    sei.lpFile = shortcut.c_str();
    sei.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(ShellExecuteExA(&sei)) << "the Start menu entry did not open (error " << GetLastError() << ")";
    program.Adopt(sei.hProcess);
  }

  // The entry starts the installed program, not some other copy.
  ASSERT_TRUE(WaitUntil([&] { return program.Find(exe); })) << "no main window of " << exe << " showed";
  EXPECT_EQ(WindowText(program.main()).rfind("Quillmark for Delphi", 0), 0u) << WindowText(program.main());

  PostMessageA(program.main(), WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(program.process(), 15000), WAIT_OBJECT_0) << "the program did not end when closed";
  DWORD code = 1;
  GetExitCodeProcess(program.process(), &code);
  EXPECT_EQ(code, 0u);
  CoUninitialize();
}
