// The settings in HKCU\Software\Orvenna\Quillmark: what a start makes of them, and what the end writes back.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "resource.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

const char* const kNames[7] = {"PosLeft", "PosTop", "DlgType", "ActiveSheet", "UsesHt", "DeclHt", "ImplHt"};
using Values = std::array<std::string, 7>;
const Values kDefaultsSaved = {"0", "0", "0", "0", "60", "130", "140"};

// Removes the key "Software\Orvenna" itself, not only the program's subkey.
void RemoveVendorKey() {
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvenna");
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvenna");
}

class Settings : public ::testing::Test {
 protected:
  void SetUp() override { ClearSettings(); }
  void TearDown() override { ClearSettings(); }
};

void WriteAll(const std::string& text) {
  for (const char* name : kNames) WriteSetting(name, text.c_str());
}

// Every value is a string value with the given text.
void ExpectSaved(const Values& expected) {
  for (int i = 0; i < 7; ++i) {
    std::string value;
    DWORD type = 0;
    ASSERT_TRUE(ReadSetting(kNames[i], value, &type)) << kNames[i];
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << kNames[i];
    EXPECT_EQ(value, expected[static_cast<std::size_t>(i)]) << kNames[i];
  }
}

HWND EditorOf(const Program& p) {
  struct Find {
    DWORD pid;
    HWND found;
  } find{p.pid(), nullptr};
  WaitUntil([&] {
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
          auto* f = reinterpret_cast<Find*>(lp);
          DWORD pid = 0;
          GetWindowThreadProcessId(hwnd, &pid);
          if (pid == f->pid && ClassOf(hwnd) == "TEditForm") {
            f->found = hwnd;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&find));
    return find.found != nullptr;
  });
  return find.found;
}

int PaneHeight(const Program& p, int id) {
  RECT r{};
  GetWindowRect(ChildById(EditorOf(p), id), &r);
  return r.bottom - r.top;
}

struct State {
  int left, top;
  std::string caption;
  int page;  // -1: no page shows
  int uses, decl, impl;
};

State Observe(const Program& p) {
  State s{};
  RECT r{};
  GetWindowRect(p.main(), &r);
  s.left = r.left;
  s.top = r.top;
  s.caption = p.Caption();
  const bool standard = IsWindowVisible(p.Ctl(IDC_Standard)) != FALSE;
  const bool shell = IsWindowVisible(p.Ctl(IDC_Shell)) != FALSE;
  s.page = standard ? 0 : shell ? 1 : -1;
  s.uses = PaneHeight(p, IDC_pnlUses);
  s.decl = PaneHeight(p, IDC_pnlDecl);
  s.impl = PaneHeight(p, IDC_pnlImpl);
  return s;
}

void ExpectState(const State& s, const State& expected) {
  EXPECT_EQ(s.left, expected.left);
  EXPECT_EQ(s.top, expected.top);
  EXPECT_EQ(s.caption, expected.caption);
  EXPECT_EQ(s.page, expected.page);
  EXPECT_EQ(s.uses, expected.uses);
  EXPECT_EQ(s.decl, expected.decl);
  EXPECT_EQ(s.impl, expected.impl);
}

const State kDefaultState{0, 0, "Quillmark for Delphi - [MessageBox]", 0, 60, 130, 140};

}  // namespace

TEST_F(Settings, FirstRunWithoutTheKey) {
  {
    Program p;
    ASSERT_TRUE(p.main());
    ExpectState(Observe(p), kDefaultState);
    EXPECT_TRUE(p.Checked(IDC_tbnMessageBox));
    std::string value;
    EXPECT_FALSE(ReadSetting("PosLeft", value));  // nothing is written before the end
  }
  ExpectSaved(kDefaultsSaved);
}

TEST_F(Settings, DialogKindRestored) {
  WriteSetting("DlgType", "7");
  {
    Program p;
    EXPECT_EQ(p.Caption(), "Quillmark for Delphi - [GetOpenFileName]");
    EXPECT_TRUE(p.Checked(IDC_tbnOpenDlg));
    EXPECT_FALSE(p.Checked(IDC_tbnMessageBox));
    EXPECT_TRUE(IsWindowVisible(p.Ctl(IDC_Standard)));
    // The kind chosen in this run is the one saved.
    p.Click(IDC_tbnColorDlg);
  }
  std::string value;
  ASSERT_TRUE(ReadSetting("DlgType", value));
  EXPECT_EQ(value, "9");

  for (const char* text : {"abc", "256"}) {  // no number; a number whose low byte is 0
    ClearSettings();
    WriteSetting("DlgType", text);
    {
      Program p;
      EXPECT_EQ(p.Caption(), "Quillmark for Delphi - [MessageBox]") << text;
      EXPECT_TRUE(p.Checked(IDC_tbnMessageBox)) << text;
    }
    ASSERT_TRUE(ReadSetting("DlgType", value));
    EXPECT_EQ(value, "0") << text;
  }
}

TEST_F(Settings, ActiveSheetRestored) {
  WriteSetting("ActiveSheet", "1");
  {
    Program p;
    EXPECT_TRUE(IsWindowVisible(p.Ctl(IDC_Shell)));
    EXPECT_FALSE(IsWindowVisible(p.Ctl(IDC_Standard)));
    EXPECT_EQ(SendMessageA(p.Ctl(IDC_PageControl), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(p.Caption(), "Quillmark for Delphi - [MessageBox]");
    EXPECT_TRUE(p.Checked(IDC_tbnArrow2));  // the current kind lives on the other page
  }
  std::string value;
  ASSERT_TRUE(ReadSetting("ActiveSheet", value));
  EXPECT_EQ(value, "1");
}

TEST_F(Settings, PositionPartlyOffTheScreenRestoredExactly) {
  WriteSetting("PosLeft", "-40");
  WriteSetting("PosTop", "25");
  {
    Program p;
    RECT r;
    GetWindowRect(p.main(), &r);
    EXPECT_EQ(r.left, -40);
    EXPECT_EQ(r.top, 25);
    // The user moves it further off the left edge.
    SetWindowPos(p.main(), nullptr, -300, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  std::string value;
  ASSERT_TRUE(ReadSetting("PosLeft", value));
  EXPECT_EQ(value, "-300");
  ASSERT_TRUE(ReadSetting("PosTop", value));
  EXPECT_EQ(value, "60");
  Program p;
  RECT r;
  GetWindowRect(p.main(), &r);
  EXPECT_EQ(r.left, -300);
  EXPECT_EQ(r.top, 60);
}

TEST_F(Settings, PositionOffEveryMonitorStartsAtTheTopLeft) {
  const std::pair<const char*, const char*> positions[] = {
      {"5000", "200"}, {"-2000", "100"}, {"100", "-3000"}, {"2147483647", "2147483647"}};
  for (const auto& [left, top] : positions) {
    ClearSettings();
    WriteSetting("PosLeft", left);
    WriteSetting("PosTop", top);
    {
      Program p;
      RECT r;
      GetWindowRect(p.main(), &r);
      EXPECT_EQ(r.left, 0) << left << "," << top;
      EXPECT_EQ(r.top, 0) << left << "," << top;
    }
    std::string value;
    ASSERT_TRUE(ReadSetting("PosLeft", value));
    EXPECT_EQ(value, "0");
  }
}

TEST_F(Settings, PaneHeightsClampedAndSavedClamped) {
  WriteSetting("UsesHt", "10");
  WriteSetting("ImplHt", "500");
  {
    Program p;
    EXPECT_EQ(PaneHeight(p, IDC_pnlUses), 60);
    EXPECT_EQ(PaneHeight(p, IDC_pnlImpl), 180);
    EXPECT_EQ(PaneHeight(p, IDC_pnlDecl), 90);  // what the others leave
  }
  ExpectSaved({"0", "0", "0", "0", "60", "90", "180"});
}

TEST_F(Settings, ValuesOfAnotherTypeReadAsMissingAndSavedAsStrings) {
  const DWORD number = 7;
  for (const char* name : kNames) WriteSettingRaw(name, REG_DWORD, &number, sizeof number);
  {
    Program p;
    ASSERT_TRUE(p.main());
    ExpectState(Observe(p), kDefaultState);
  }
  ExpectSaved(kDefaultsSaved);

  ClearSettings();
  const char bytes[] = "99";
  for (const char* name : kNames) WriteSettingRaw(name, REG_BINARY, bytes, sizeof bytes);
  {
    Program p;
    ASSERT_TRUE(p.main());
    ExpectState(Observe(p), kDefaultState);
  }
  ExpectSaved(kDefaultsSaved);
}

TEST_F(Settings, BadValuesForEveryName) {
  struct Case {
    std::string text;
    State state;
    Values saved;
  };
  const std::string noKind = "Quillmark for Delphi";  // the design caption stays when no kind is named
  const Case cases[] = {
      {"abc", kDefaultState, kDefaultsSaved},
      {"", kDefaultState, kDefaultsSaved},
      {"2147483648", kDefaultState, kDefaultsSaved},
      {std::string(10000, '7'), kDefaultState, kDefaultsSaved},
      {std::string(10000, 'x'), kDefaultState, kDefaultsSaved},
      // Numbers: the position as given, no page for a sheet other than 0 and 1, heights within their limits.
      {" 7", {7, 7, "Quillmark for Delphi - [GetOpenFileName]", -1, 60, 140, 100},
       {"7", "7", "7", "-1", "60", "140", "100"}},
      {"-1", {-1, -1, noKind, -1, 60, 140, 100}, {"-1", "-1", "255", "-1", "60", "140", "100"}},
      {"99", {99, 99, noKind, -1, 99, 131, 100}, {"99", "99", "99", "-1", "99", "131", "100"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    ClearSettings();
    WriteAll(c.text);
    {
      Program p;
      ASSERT_TRUE(p.main());
      ExpectState(Observe(p), c.state);
    }
    ExpectSaved(c.saved);
  }
}

TEST_F(Settings, FailedSaveShowsTheErrorAndTheProgramStillEnds) {
  // A volatile key can hold no lasting subkey, so the subkey cannot be created when the program ends.
  RemoveVendorKey();
  struct Restore {
    ~Restore() { RemoveVendorKey(); }
  } restore;
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Orvenna", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);

  Program p;
  ASSERT_TRUE(p.main());
  ExpectState(Observe(p), kDefaultState);
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, p.pid());
  ASSERT_TRUE(process);
  PostMessageA(p.main(), WM_CLOSE, 0, 0);
  // First the editor's save, then the main window's: each ends at its first value with the error box.
  for (int box = 0; box < 2; ++box) {
    HWND error = p.WaitForWindow("#32770");
    ASSERT_TRUE(error) << box;
    EXPECT_EQ(WindowText(error), "Quillmark");
    EXPECT_EQ(WindowText(ChildById(error, 0xFFFF)), "Failed to create key Quillmark.");
    PostMessageA(error, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(error) || !IsWindowVisible(error); }));
  }
  ASSERT_EQ(WaitForSingleObject(process, 15000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  EXPECT_EQ(code, 0u);
  std::string value;
  EXPECT_FALSE(ReadSetting("UsesHt", value));
}
