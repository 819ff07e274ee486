// The file-operation kind: start values, the animation, Copy and Edit in several states, Test performing real copies,
// moves, renames and deletes in a folder of its own, Reset, and bad input.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <thread>

#include "app/string_grid_msgs.h"
#include "dialogs/fileop_core.h"
#include "resource.h"
#include "tests/e2e/filedlg_helpers.h"
#include "tests/e2e/generated_helpers.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/shell_kinds_helpers.h"

using namespace e2e;

namespace {

class FileOpKind : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    PutClipboard("");
  }
};

// ---- the two list grids, driven as another program drives them ----
std::string Row(const Program& p, int grid, int row) { return filedlg::Cell(p, grid, 0, row); }

void SetRows(const Program& p, int grid, const std::vector<std::string>& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) filedlg::PutCell(p, grid, 0, static_cast<int>(i) + 1, rows[i]);
}

// ---- the animation ----
int ClipShown(const Program& p) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(p.Ctl(IDC_aviFileOp), qm::kClipProperty)));
}

bool ShellHasClip(int id) {
  HMODULE shell = GetModuleHandleA("shell32.dll");
  return shell && FindResourceA(shell, MAKEINTRESOURCEA(id), "AVI");
}


// ---- Test ----
// Clicks Test and waits until SHFileOperation has come back. A shell dialog that shows meanwhile (a confirmation, an
// error) is answered with `answer`; returns how many there were.
int RunTest(const Program& p, int answer = IDCANCEL) {
  std::atomic<bool> done{false};
  std::thread click([&] {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(p.Ctl(IDC_btnTest), BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &result);
    done = true;
  });
  int dialogs = 0;
  while (!done) {
    for (HWND w : p.TopLevelWindows()) {
      if (w != p.main() && ClassOf(w) == "#32770" && IsWindowEnabled(w)) {
        PostMessageA(w, WM_COMMAND, answer, 0);
        ++dialogs;
        WaitUntil([&] { return !IsWindow(w) || !IsWindowVisible(w); }, 5000);
      }
    }
    Sleep(30);
  }
  click.join();
  return dialogs;
}

// ---- a folder of the test's own ----
class TempFolder {
 public:
  TempFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    path_ = std::string(base) + "qm-fileop-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(GetTickCount());
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() { Remove(WidePath()); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
  // For names outside the ANSI code page.
  std::wstring operator/(const std::wstring& name) const { return WidePath() + L"\\" + name; }
  const std::string& path() const { return path_; }

 private:
  std::wstring WidePath() const {
    std::wstring wide(path_.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, path_.data(), static_cast<int>(path_.size()),
                                                             wide.data(), static_cast<int>(wide.size()))));
    return wide;
  }
  // Through the W functions, so that names of any script go too.
  static void Remove(const std::wstring& dir) {
    WIN32_FIND_DATAW f;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &f);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = f.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring full = dir + L"\\" + name;
        if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Remove(full);
        else DeleteFileW(full.c_str());
      } while (FindNextFileW(h, &f));
      FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
  }
  std::string path_;
};

void WriteText(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
int EntriesIn(const std::string& dir) {
  int n = 0;
  WIN32_FIND_DATAA f;
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &f);
  if (h == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::string name = f.cFileName;
    if (name != "." && name != "..") ++n;
  } while (FindNextFileA(h, &f));
  FindClose(h);
  return n;
}

// What the program should generate for the panel's values.
qm::GeneratedCode Code(const qm::FileOpOptions& options) {
  return qm::GenerateFileOperation(options, DefaultFrame(), qm::ctDelphiClassic);
}

}  // namespace

TEST_F(FileOpKind, StartValues) {
  Program p;
  p.Click(IDC_tbnFileOp);
  EXPECT_EQ(p.Caption(), "Quillmark for Delphi - [SHFileOperation]");
  const char* operations[] = {"&Copy File(s)", "&Delete File(s)", "&Move File(s)", "&Rename File"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(p.Text(IDC_rgpFileOp_0 + i), operations[i]);
    EXPECT_EQ(p.Checked(IDC_rgpFileOp_0 + i), i == 0);
  }
  EXPECT_EQ(p.Text(IDC_rgpFileOp), " File Operation: ");
  const std::pair<int, const char*> boxes[] = {
      {IDC_ALLOWUNDO, "Allow &Undo"},         {IDC_NOCONFIRMATION, "No C&onfirmation"},
      {IDC_RENAMEONCOLLISION, "Rename on Co&llissions"}, {IDC_FILESONLY, "Files &Only"},
      {IDC_SIMPLEPROGRESS, "&Simple Progress"}, {IDC_MULTIDESTFILES, "&Multiple Destinations"}};
  for (auto [id, caption] : boxes) {
    EXPECT_EQ(p.Text(id), caption);
    EXPECT_EQ(p.Checked(id), id == IDC_ALLOWUNDO) << caption;
  }
  EXPECT_EQ(p.Text(IDC_lblProgressTitle), "&Title of Progress Dialog:");
  EXPECT_EQ(p.Text(IDC_edtProgressTitle), "");
  EXPECT_FALSE(IsWindowEnabled(p.Ctl(IDC_lblProgressTitle)));
  EXPECT_FALSE(IsWindowEnabled(p.Ctl(IDC_edtProgressTitle)));
  for (int grid : {IDC_strFrom, IDC_strTo}) {
    EXPECT_EQ(SendMessageA(p.Ctl(grid), SGM_GETCOLCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(p.Ctl(grid), SGM_GETROWCOUNT, 0, 0), 20);
    EXPECT_TRUE(IsWindowEnabled(p.Ctl(grid)));
    for (int row = 1; row <= 19; ++row) EXPECT_EQ(Row(p, grid, row), "");
  }
  EXPECT_TRUE(IsWindowVisible(p.Ctl(IDC_aviFileOp)));
  EXPECT_EQ(ClipShown(p), 160);
}

TEST_F(FileOpKind, ClipFollowsTheOperationAndAllowUndo) {
  Program p;
  p.Click(IDC_tbnFileOp);
  // Wine's shell32 has no recycle clip: the delete clip stands in for it.
  const int recycle = ShellHasClip(162) ? 162 : 164;
  p.Click(IDC_rgpFileOp_3);
  EXPECT_EQ(ClipShown(p), 161);
  p.Click(IDC_rgpFileOp_1);
  EXPECT_EQ(ClipShown(p), recycle);
  p.SetCheck(IDC_ALLOWUNDO, false);
  EXPECT_EQ(ClipShown(p), 164);
  p.SetCheck(IDC_ALLOWUNDO, true);
  EXPECT_EQ(ClipShown(p), recycle);
  p.Click(IDC_rgpFileOp_2);
  EXPECT_EQ(ClipShown(p), 160);
  p.SetCheck(IDC_ALLOWUNDO, false);  // outside Delete the clip stays
  EXPECT_EQ(ClipShown(p), 160);
  p.Click(IDC_rgpFileOp_1);
  EXPECT_EQ(ClipShown(p), 164);
  p.Click(IDC_rgpFileOp_0);
  EXPECT_EQ(ClipShown(p), 160);
  EXPECT_TRUE(IsWindowVisible(p.Ctl(IDC_aviFileOp)));
}

TEST_F(FileOpKind, AnimationPlaysOnlyWhileTheKindIsCurrent) {
  Program p;
  ASSERT_TRUE(WaitUntil([&] { return ThreadsOf(p.pid()) > 0; }));
  p.Click(IDC_tbnFileOp);
  p.Click(IDC_tbnMessageBox);
  // The panel exists and its animation is stopped: this is the program's count without a playing clip.
  Sleep(300);
  const int idle = ThreadsOf(p.pid());
  p.Click(IDC_tbnFileOp);
  EXPECT_TRUE(WaitUntil([&] { return ThreadsOf(p.pid()) == idle + 1; }));
  EXPECT_TRUE(IsWindowVisible(p.Ctl(IDC_aviFileOp)));
  p.Click(IDC_rgpFileOp_1);  // stop, another clip, start again
  EXPECT_TRUE(WaitUntil([&] { return ThreadsOf(p.pid()) == idle + 1; }));
  p.Click(IDC_tbnAbout);
  EXPECT_TRUE(WaitUntil([&] { return ThreadsOf(p.pid()) == idle; }));
  p.Click(IDC_tbnFileOp);
  EXPECT_TRUE(WaitUntil([&] { return ThreadsOf(p.pid()) == idle + 1; }));
  p.Click(IDC_tbnRunDlg);
  EXPECT_TRUE(WaitUntil([&] { return ThreadsOf(p.pid()) == idle; }));
}

TEST_F(FileOpKind, StartsPlayingWhenTheStoredKindIsTheFileOperation) {
  WriteSetting("DlgType", "12");
  Program p;
  EXPECT_EQ(p.Caption(), "Quillmark for Delphi - [SHFileOperation]");
  ASSERT_TRUE(WaitUntil([&] { return ThreadsOf(p.pid()) > 0; }));
  const int playing = ThreadsOf(p.pid());
  p.Click(IDC_tbnMessageBox);
  EXPECT_TRUE(WaitUntil([&] { return ThreadsOf(p.pid()) == playing - 1; }));
}

TEST_F(FileOpKind, CopyOfTheDefaultsWithTwoSources) {
  Program p;
  p.Click(IDC_tbnFileOp);
  p.Click(IDC_btnCopy);
  qm::FileOpOptions o;
  EXPECT_EQ(ClipboardText(), CopiedText(Code(o)));
  SetRows(p, IDC_strFrom, {"a.txt", "b.txt"});
  p.Click(IDC_btnCopy);
  o.from = {"a.txt", "b.txt"};
  EXPECT_EQ(ClipboardText(), CopiedText(Code(o)));
}

TEST_F(FileOpKind, EveryOptionAndEditPanes) {
  Program p;
  p.Click(IDC_tbnFileOp);
  p.Click(IDC_rgpFileOp_2);
  for (int id : {IDC_NOCONFIRMATION, IDC_RENAMEONCOLLISION, IDC_FILESONLY, IDC_SIMPLEPROGRESS, IDC_MULTIDESTFILES})
    p.SetCheck(id, true);
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_lblProgressTitle)));
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_edtProgressTitle)));
  p.SetEditText(IDC_edtProgressTitle, "Bob's move");
  SetRows(p, IDC_strFrom, {"C:\\x.txt", "C:\\y.txt"});
  SetRows(p, IDC_strTo, {"D:\\x.txt", "D:\\y.txt"});
  p.Click(IDC_btnCopy);
  qm::FileOpOptions o;
  o.operation = qm::FileOp::Move;
  o.noConfirmation = o.renameOnCollision = o.filesOnly = o.simpleProgress = o.multiDestFiles = true;
  o.progressTitle = "Bob's move";
  o.from = {"C:\\x.txt", "C:\\y.txt"};
  o.to = {"D:\\x.txt", "D:\\y.txt"};
  const qm::GeneratedCode code = Code(o);
  EXPECT_EQ(ClipboardText(), CopiedText(code));
  ExpectPanes(RunEdit(p), code);
  // Without "Simple Progress" the typed title is left out.
  p.SetCheck(IDC_SIMPLEPROGRESS, false);
  EXPECT_FALSE(IsWindowEnabled(p.Ctl(IDC_edtProgressTitle)));
  p.Click(IDC_btnCopy);
  o.simpleProgress = false;
  EXPECT_EQ(ClipboardText(), CopiedText(Code(o)));
}

TEST_F(FileOpKind, DeleteDisablesTheDestinationsButStillReadsThem) {
  Program p;
  p.Click(IDC_tbnFileOp);
  SetRows(p, IDC_strFrom, {"gone.txt"});
  SetRows(p, IDC_strTo, {"kept.txt"});
  p.Click(IDC_rgpFileOp_1);
  EXPECT_FALSE(IsWindowEnabled(p.Ctl(IDC_strTo)));
  p.Click(IDC_btnCopy);
  qm::FileOpOptions o;
  o.operation = qm::FileOp::Delete;
  o.from = {"gone.txt"};
  o.to = {"kept.txt"};
  EXPECT_EQ(ClipboardText(), CopiedText(Code(o)));
  p.Click(IDC_rgpFileOp_3);
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_strTo)));
  p.Click(IDC_btnCopy);
  o.operation = qm::FileOp::Rename;
  EXPECT_EQ(ClipboardText(), CopiedText(Code(o)));
}

TEST_F(FileOpKind, ListsEndAtTheFirstEmptyRow) {
  Program p;
  p.Click(IDC_tbnFileOp);
  SetRows(p, IDC_strFrom, {"", "after.txt"});
  SetRows(p, IDC_strTo, {"one", "two", "", "three"});
  p.Click(IDC_btnCopy);
  qm::FileOpOptions o;
  o.to = {"one", "two"};
  EXPECT_EQ(ClipboardText(), CopiedText(Code(o)));
}

TEST_F(FileOpKind, NineteenLongEntriesWithApostrophesAndAccents) {
  Program p;
  p.Click(IDC_tbnFileOp);
  std::vector<std::string> rows;
  qm::FileOpOptions o;
  for (int i = 0; i < 19; ++i) {
    std::string row = "C:\\Bob's caf\xE9 " + std::to_string(i) + "\\";
    row += std::string(250 - row.size(), 'f');
    rows.push_back(row);
    o.from.push_back(CoreText(row));
  }
  SetRows(p, IDC_strFrom, rows);
  p.Click(IDC_btnCopy);
  const std::string copied = ClipboardText();
  EXPECT_EQ(copied, CopiedText(Code(o)));
  // Apostrophes and letters beyond ASCII go into the literal as they are.
  EXPECT_NE(copied.find("\r\n  pFrom := PChar('" + rows[0] + "'#0'" + rows[1] + "'#0"), std::string::npos);
  for (int row = 1; row <= 19; ++row) EXPECT_EQ(Row(p, IDC_strFrom, row), rows[static_cast<std::size_t>(row) - 1]);
}

TEST_F(FileOpKind, TestCopiesMovesRenamesAndDeletesListedFilesOnly) {
  TempFolder dir;
  WriteText(dir / "a.txt", "alpha");
  WriteText(dir / "b.txt", "bravo");
  WriteText(dir / "Bob's caf\xE9.txt", "charlie");
  WriteText(dir / "keep.txt", "keep");
  Program p;
  p.Click(IDC_tbnFileOp);
  p.SetCheck(IDC_NOCONFIRMATION, true);
  p.SetCheck(IDC_ALLOWUNDO, false);

  // Copy two files into a folder that the copy creates.
  SetRows(p, IDC_strFrom, {dir / "a.txt", dir / "Bob's caf\xE9.txt"});
  SetRows(p, IDC_strTo, {dir / "copies"});
  EXPECT_EQ(RunTest(p), 0);
  EXPECT_EQ(ReadText(dir / "copies\\a.txt"), "alpha");
  EXPECT_EQ(ReadText(dir / "copies\\Bob's caf\xE9.txt"), "charlie");
  EXPECT_TRUE(Exists(dir / "a.txt"));

  // Move one file into a folder (a single file moved to a name that does not exist would take that name).
  CreateDirectoryA((dir / "moved").c_str(), nullptr);
  p.Click(IDC_rgpFileOp_2);
  SetRows(p, IDC_strFrom, {dir / "b.txt", ""});
  SetRows(p, IDC_strTo, {dir / "moved"});
  EXPECT_EQ(RunTest(p), 0);
  EXPECT_FALSE(Exists(dir / "b.txt"));
  EXPECT_EQ(ReadText(dir / "moved\\b.txt"), "bravo");

  // Rename it.
  p.Click(IDC_rgpFileOp_3);
  SetRows(p, IDC_strFrom, {dir / "moved\\b.txt"});
  SetRows(p, IDC_strTo, {dir / "moved\\renamed.txt"});
  EXPECT_EQ(RunTest(p), 0);
  EXPECT_FALSE(Exists(dir / "moved\\b.txt"));
  EXPECT_EQ(ReadText(dir / "moved\\renamed.txt"), "bravo");

  // Delete it and a copy; the destination grid, disabled, names a file that must stay.
  p.Click(IDC_rgpFileOp_1);
  SetRows(p, IDC_strFrom, {dir / "moved\\renamed.txt", dir / "copies\\a.txt"});
  SetRows(p, IDC_strTo, {dir / "keep.txt"});
  EXPECT_EQ(RunTest(p), 0);
  EXPECT_FALSE(Exists(dir / "moved\\renamed.txt"));
  EXPECT_FALSE(Exists(dir / "copies\\a.txt"));

  // Nothing that was not listed changed.
  EXPECT_EQ(ReadText(dir / "keep.txt"), "keep");
  EXPECT_EQ(ReadText(dir / "a.txt"), "alpha");
  EXPECT_EQ(ReadText(dir / "Bob's caf\xE9.txt"), "charlie");
  EXPECT_EQ(EntriesIn(dir.path()), 5);  // a, Bob's, keep, copies, moved
  EXPECT_EQ(EntriesIn(dir / "copies"), 1);
  EXPECT_EQ(EntriesIn(dir / "moved"), 0);
}

// A name outside the ANSI code page reaches the shell as typed, and the copy takes it.
TEST_F(FileOpKind, TestCopiesAFileNamedInCyrillic) {
  TempFolder dir;
  const std::wstring name = L"Документ.txt";
  ASSERT_TRUE(CreateDirectoryW((dir / L"src").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW((dir / L"dst").c_str(), nullptr));
  HANDLE file = CreateFileW((dir / (L"src\\" + name)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  Program p;
  p.Click(IDC_tbnFileOp);
  p.SetCheck(IDC_NOCONFIRMATION, true);
  p.SetCheck(IDC_ALLOWUNDO, false);
  const auto putFirstRow = [&](int grid, const std::wstring& path) {
    SendMessageW(p.Ctl(grid), SGM_SETCURRENTCELL, 0, 1);
    SetWideText(filedlg::GridEditor(p.Ctl(grid)), path);
  };
  putFirstRow(IDC_strFrom, dir / (L"src\\" + name));
  putFirstRow(IDC_strTo, dir / L"dst");
  EXPECT_EQ(RunTest(p), 0);
  EXPECT_NE(GetFileAttributesW((dir / (L"dst\\" + name)).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileOpKind, TestSurvivesBadLists) {
  TempFolder dir;
  WriteText(dir / "a.txt", "alpha");
  Program p;
  p.Click(IDC_tbnFileOp);
  p.SetCheck(IDC_NOCONFIRMATION, true);

  // Sources that do not exist, 19 of them, 250 characters long.
  std::vector<std::string> missing;
  for (int i = 0; i < 19; ++i) {
    std::string name = dir / ("missing" + std::to_string(i) + "_");
    name += std::string(250 - name.size(), 'm');
    missing.push_back(name);
  }
  SetRows(p, IDC_strFrom, missing);
  SetRows(p, IDC_strTo, {dir / "out"});
  RunTest(p);
  EXPECT_TRUE(p.Running());

  // A destination that cannot be created.
  SetRows(p, IDC_strFrom, {dir / "a.txt", ""});
  SetRows(p, IDC_strTo, {dir / "a.txt\\inside a file\\x"});
  RunTest(p);
  EXPECT_TRUE(p.Running());

  // Several destinations without "Multiple Destinations".
  SetRows(p, IDC_strTo, {dir / "one", dir / "two"});
  RunTest(p);
  EXPECT_TRUE(p.Running());

  // An empty source list.
  SetRows(p, IDC_strFrom, {""});
  RunTest(p);
  EXPECT_TRUE(p.Running());

  EXPECT_EQ(ReadText(dir / "a.txt"), "alpha");
  EXPECT_FALSE(Exists(dir / "out"));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(p.main()) != FALSE; }));
  p.Click(IDC_btnCopy);
  EXPECT_EQ(ClipboardText().substr(0, 51), "// This code is generated by Quillmark for Delphi\r\n");
}

TEST_F(FileOpKind, ResetRestoresAllButTheLists) {
  Program p;
  p.Click(IDC_tbnFileOp);
  p.Click(IDC_rgpFileOp_1);
  p.SetCheck(IDC_ALLOWUNDO, false);
  for (int id : {IDC_NOCONFIRMATION, IDC_RENAMEONCOLLISION, IDC_FILESONLY, IDC_SIMPLEPROGRESS, IDC_MULTIDESTFILES})
    p.SetCheck(id, true);
  p.SetEditText(IDC_edtProgressTitle, "title");
  SetRows(p, IDC_strFrom, {"from.txt"});
  SetRows(p, IDC_strTo, {"to.txt"});
  p.Click(IDC_btnReset);
  EXPECT_TRUE(p.Checked(IDC_rgpFileOp_0));
  EXPECT_FALSE(p.Checked(IDC_rgpFileOp_1));
  EXPECT_TRUE(p.Checked(IDC_ALLOWUNDO));
  for (int id : {IDC_NOCONFIRMATION, IDC_RENAMEONCOLLISION, IDC_FILESONLY, IDC_SIMPLEPROGRESS, IDC_MULTIDESTFILES})
    EXPECT_FALSE(p.Checked(id)) << id;
  EXPECT_EQ(p.Text(IDC_edtProgressTitle), "");
  EXPECT_FALSE(IsWindowEnabled(p.Ctl(IDC_edtProgressTitle)));
  EXPECT_FALSE(IsWindowEnabled(p.Ctl(IDC_lblProgressTitle)));
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_strTo)));
  EXPECT_EQ(ClipShown(p), 160);
  EXPECT_EQ(Row(p, IDC_strFrom, 1), "from.txt");
  EXPECT_EQ(Row(p, IDC_strTo, 1), "to.txt");
  p.Click(IDC_btnCopy);
  qm::FileOpOptions o;
  o.from = {"from.txt"};
  o.to = {"to.txt"};
  EXPECT_EQ(ClipboardText(), CopiedText(Code(o)));
}
