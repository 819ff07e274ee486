// The Open file kind: Copy and Edit, the filter grid typed with the keyboard, the "Init Dialog with" box, Test with
// Wine's Open dialog, the folder and file buttons, Reset, and bad input.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "dialogs/openfile_core.h"
#include "resource.h"
#include "tests/e2e/filedlg_helpers.h"
#include "tests/e2e/generated_helpers.h"
#include "tests/e2e/harness.h"

using namespace e2e;
using namespace filedlg;

namespace {

class OpenFileKind : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    PutClipboard("");
  }
};

// Makes the Open kind current.
void Start(const Program& p) { p.Click(kOpen.kindButton); }

std::string Copy(const Program& p) {
  PutClipboard("");
  p.Click(IDC_btnCopy);
  return ClipboardText();
}

// What the program should generate for the panel's values.
qm::GeneratedCode Code(const qm::OpenFileOptions& options) {
  return qm::GenerateOpenFile(options, DefaultFrame(), qm::ctDelphiClassic);
}

}  // namespace

TEST_F(OpenFileKind, CopyAndEditInTheStartState) {
  Program p;
  Start(p);
  const qm::GeneratedCode code = Code({});
  EXPECT_EQ(Copy(p), CopiedText(code));
  ExpectPanes(RunEdit(p), code);
}

TEST_F(OpenFileKind, StartValuesOfThePanel) {
  Program p;
  Start(p);
  EXPECT_EQ(p.Text(IDC_OpenTitle), "");
  EXPECT_EQ(p.Text(IDC_OpenDir), "");
  EXPECT_EQ(p.Text(IDC_OpenFile), "");
  EXPECT_EQ(p.Text(IDC_OpenIndex), "1");
  EXPECT_EQ(p.Text(IDC_edtOpenVar), "Result");
  EXPECT_EQ(p.Text(IDC_chkInitOpen), "&Init Dialog with Result");
  EXPECT_FALSE(p.Checked(IDC_chkInitOpen));
  EXPECT_FALSE(p.Checked(IDC_FILEMUSTEXIST));
  EXPECT_FALSE(p.Checked(IDC_PATHMUSTEXIST));
  EXPECT_TRUE(p.Checked(IDC_HIDEREADONLY));
  EXPECT_FALSE(p.Checked(IDC_ALLOWMULTISELECT));
  EXPECT_FALSE(p.Checked(IDC_CREATEPROMPT));
  EXPECT_EQ(p.Text(IDC_lblOpenFile), "File &Name:");
  EXPECT_EQ(WindowText(p.Ctl(IDC_ALLOWMULTISELECT)), "Allow Multiple Selection");
  HWND grid = p.Ctl(IDC_GridOpen);
  EXPECT_EQ(ClassOf(grid), "QmStringGrid");
  EXPECT_EQ(SendMessageA(grid, SGM_GETCOLCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(grid, SGM_GETROWCOUNT, 0, 0), 20);
  EXPECT_EQ(Cell(p, IDC_GridOpen, 0, 1), "");
  EXPECT_EQ(SendMessageA(grid, SGM_SETCURRENTCELL, 0, 0), 0);  // the heading row is not edited
  RECT r;
  GetWindowRect(p.Ctl(IDC_pnlOpenDlg), &r);
  EXPECT_EQ(r.right - r.left, 452);
  EXPECT_EQ(r.bottom - r.top, 313);
}

TEST_F(OpenFileKind, FiltersTypedIntoTheGridWithTabBetweenCells) {
  Program p;
  Start(p);
  ClickInto(p.Ctl(IDC_GridOpen), 10, 25);  // the Description cell of row 1
  ASSERT_TRUE(WaitUntil([&] { return GetParent(Focus(p)) == p.Ctl(IDC_GridOpen); }));
  const char* cells[] = {"Text files", "*.txt", "All files", "*.*"};
  const std::pair<int, int> next[] = {{1, 1}, {0, 2}, {1, 2}, {0, 3}};
  for (int i = 0; i < 4; ++i) {
    Type(p, cells[i]);
    HWND editor = GridEditor(p.Ctl(IDC_GridOpen));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(editor) == cells[i]; })) << cells[i];
    Press(p, VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return CurrentCell(p, IDC_GridOpen) == next[i]; })) << cells[i];
  }
  qm::OpenFileOptions o;
  o.gridRows = {{"Text files", "*.txt"}, {"All files", "*.*"}};
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
}

TEST_F(OpenFileKind, GridKeysMoveBetweenRowsScrollAndLeaveAtTheEnds) {
  Program p;
  Start(p);
  HWND grid = p.Ctl(IDC_GridOpen);
  ClickInto(grid, 10, 25);
  ASSERT_TRUE(WaitUntil([&] { return GetParent(Focus(p)) == grid; }));
  Press(p, VK_TAB, true);  // before the first cell: back to the file name
  ASSERT_TRUE(WaitUntil([&] { return Focus(p) == p.Ctl(IDC_OpenFile); }));
  Press(p, VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return GetParent(Focus(p)) == grid; }));
  Press(p, VK_DOWN);
  EXPECT_TRUE(WaitUntil([&] { return CurrentCell(p, IDC_GridOpen) == std::make_pair(0, 2); }));
  Press(p, VK_UP);
  EXPECT_TRUE(WaitUntil([&] { return CurrentCell(p, IDC_GridOpen) == std::make_pair(0, 1); }));
  Press(p, VK_UP);  // the heading row is never current
  Press(p, VK_NEXT);
  Press(p, VK_NEXT);
  Press(p, VK_NEXT);
  EXPECT_TRUE(WaitUntil([&] { return CurrentCell(p, IDC_GridOpen) == std::make_pair(0, 19); }));
  EXPECT_GT(SendMessageA(grid, SGM_GETTOPROW, 0, 0), 1);  // scrolled down to show row 19
  Press(p, VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return CurrentCell(p, IDC_GridOpen) == std::make_pair(1, 19); }));
  Press(p, VK_TAB);  // after the last cell: on to the filter index
  EXPECT_TRUE(WaitUntil([&] { return Focus(p) == p.Ctl(IDC_OpenIndex); }));
}

TEST_F(OpenFileKind, TabOrderOfThePanel) {
  Program p;
  Start(p);
  ClickInto(p.Ctl(IDC_OpenTitle));
  ASSERT_TRUE(WaitUntil([&] { return Focus(p) == p.Ctl(IDC_OpenTitle); }));
  const int order[] = {IDC_OpenDir,          IDC_OpenFile,     IDC_GridOpen,   IDC_OpenIndex,  IDC_FILEMUSTEXIST,
                       IDC_PATHMUSTEXIST,    IDC_HIDEREADONLY, IDC_ALLOWMULTISELECT, IDC_CREATEPROMPT,
                       IDC_edtOpenVar,       IDC_chkInitOpen};
  for (int id : order) {
    Press(p, VK_TAB, false, Focus(p) && GetParent(Focus(p)) == p.Ctl(IDC_GridOpen));  // Ctrl+Tab leaves the grid
    EXPECT_TRUE(WaitUntil([&] {
      HWND f = Focus(p);
      return f == p.Ctl(id) || (id == IDC_GridOpen && GetParent(f) == p.Ctl(IDC_GridOpen));
    })) << id;
  }
}

TEST_F(OpenFileKind, FlagsAndIndexInCopyAndEdit) {
  Program p;
  Start(p);
  for (int id : kOpen.options) p.SetCheck(id, true);
  p.SetEditText(IDC_OpenIndex, "2");
  qm::OpenFileOptions o;
  o.fileMustExist = o.pathMustExist = o.hideReadOnly = o.allowMultiSelect = o.createPrompt = true;
  o.filterIndex = 2;
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
  for (int id : kOpen.options) p.SetCheck(id, false);
  p.SetCheck(IDC_ALLOWMULTISELECT, true);
  p.SetEditText(IDC_OpenIndex, "1");
  o = {};
  o.hideReadOnly = false;
  o.allowMultiSelect = true;
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
  p.SetCheck(IDC_ALLOWMULTISELECT, false);
  p.SetEditText(IDC_OpenTitle, "Pick a text");
  p.SetEditText(IDC_OpenDir, "C:\\Texts");
  p.SetEditText(IDC_OpenFile, "a.txt");
  o.allowMultiSelect = false;
  o.title = "Pick a text";
  o.initialDir = "C:\\Texts";
  o.fileName = "a.txt";
  ExpectPanes(RunEdit(p), Code(o));
}

TEST_F(OpenFileKind, InitDialogWithFollowsTheVariableAndDisablesTheFileName) {
  Program p;
  Start(p);
  p.SetEditText(IDC_edtOpenVar, "FileName");
  EXPECT_EQ(p.Text(IDC_chkInitOpen), "&Init Dialog with FileName");
  p.SetEditText(IDC_OpenFile, "a.txt");
  p.SetCheck(IDC_chkInitOpen, true);
  EXPECT_FALSE(IsWindowEnabled(p.Ctl(IDC_lblOpenFile)));
  EXPECT_FALSE(IsWindowEnabled(p.Ctl(IDC_OpenFile)));
  EXPECT_FALSE(IsWindowEnabled(p.Ctl(IDC_btnOpenFile)));
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_OpenDir)));
  qm::OpenFileOptions o;
  o.varName = "FileName";
  o.fileName = "a.txt";
  o.initWithVar = true;
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
  p.SetCheck(IDC_chkInitOpen, false);
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_lblOpenFile)));
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_OpenFile)));
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_btnOpenFile)));
  p.SetEditText(IDC_edtOpenVar, "");
  EXPECT_EQ(p.Text(IDC_chkInitOpen), "&Init Dialog with ");
}

TEST_F(OpenFileKind, TestShowsTheOpenDialogWithThePanelsValues) {
  Program p;
  Start(p);
  p.SetEditText(IDC_OpenTitle, "Pick Bob's file");
  p.SetEditText(IDC_OpenDir, "C:\\windows\\system32");
  p.SetEditText(IDC_OpenFile, "notes.txt");
  PutCell(p, IDC_GridOpen, 0, 1, "Text files");
  PutCell(p, IDC_GridOpen, 1, 1, "*.txt");
  PutCell(p, IDC_GridOpen, 0, 2, "All files");
  PutCell(p, IDC_GridOpen, 1, 2, "*.*");
  PutCell(p, IDC_GridOpen, 0, 4, "Below a gap");
  p.SetEditText(IDC_OpenIndex, "2");
  p.SetCheck(IDC_chkInitOpen, true);  // the test uses the file name all the same
  p.PostClick(IDC_btnTest);
  HWND dialog = p.WaitForWindow("#32770");
  ASSERT_TRUE(dialog);
  const FileDialog d = ReadFileDialog(dialog);
  EXPECT_EQ(d.title, "Pick Bob's file");
  EXPECT_EQ(d.lookIn, "system32");
  EXPECT_EQ(d.fileName, "notes.txt");
  EXPECT_EQ(d.filters, (TextLines{"Text files", "All files"}));
  EXPECT_EQ(d.filter, 1);
  EXPECT_EQ(d.okButton, "&Open");
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), p.main());
  EXPECT_TRUE(Cancel(p, dialog));
  // Nothing is written back.
  EXPECT_EQ(p.Text(IDC_OpenFile), "notes.txt");
  EXPECT_EQ(p.Text(IDC_OpenTitle), "Pick Bob's file");
}

TEST_F(OpenFileKind, TestInTheStartStateShowsWindowsDefaults) {
  Program p;
  Start(p);
  p.PostClick(IDC_btnTest);
  HWND dialog = p.WaitForWindow("#32770");
  ASSERT_TRUE(dialog);
  const FileDialog d = ReadFileDialog(dialog);
  EXPECT_EQ(d.title, "Open");
  EXPECT_EQ(d.fileName, "");
  EXPECT_TRUE(d.filters.empty());
  EXPECT_TRUE(Cancel(p, dialog));
}

TEST_F(OpenFileKind, LongFileNameIsCutForTheTestAndKeptWholeInTheCode) {
  Program p;
  Start(p);
  const std::string name(1000, 'n');
  p.SetEditText(IDC_OpenFile, name);
  p.SetEditText(IDC_OpenDir, "C:\\No such folder");
  PutCell(p, IDC_GridOpen, 0, 1, "A");
  PutCell(p, IDC_GridOpen, 1, 1, "*.a");
  PutCell(p, IDC_GridOpen, 0, 2, "B");
  PutCell(p, IDC_GridOpen, 1, 2, "*.b");
  p.SetEditText(IDC_OpenIndex, "255");
  p.PostClick(IDC_btnTest);
  HWND dialog = p.WaitForWindow("#32770");
  ASSERT_TRUE(dialog);
  const FileDialog d = ReadFileDialog(dialog);
  EXPECT_EQ(d.fileName, std::string(260, 'n'));
  EXPECT_EQ(d.filters, (TextLines{"A", "B"}));
  EXPECT_TRUE(Cancel(p, dialog));
  qm::OpenFileOptions o;
  o.fileName = name;
  o.initialDir = "C:\\No such folder";
  o.gridRows = {{"A", "*.a"}, {"B", "*.b"}};
  o.filterIndex = 255;
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
}

// A name of 32,767 characters is cut to the dialog's buffer by characters, and a surrogate pair that the cut would
// split is left out whole.
TEST_F(OpenFileKind, TestCutsAVeryLongNameOfAnyScriptBetweenCharacters) {
  Program p;
  Start(p);
  std::wstring name = std::wstring(259, L'ж') + L"\U0001F600";
  name += std::wstring(32767 - name.size(), L'n');
  SetWideText(p.Ctl(IDC_OpenFile), name);
  p.PostClick(IDC_btnTest);
  HWND dialog = p.WaitForWindow("#32770");
  ASSERT_TRUE(dialog);
  EXPECT_EQ(WideWindowText(ChildById(dialog, 1148)), std::wstring(259, L'ж'));
  EXPECT_TRUE(Cancel(p, dialog));
}

TEST_F(OpenFileKind, ApostrophesNonAsciiEmptyPatternsAndFullGrid) {
  Program p;
  Start(p);
  p.SetEditText(IDC_OpenTitle, "Caf\xE9's \xAB" "files\xBB");
  PutCell(p, IDC_GridOpen, 0, 1, "Bob's");
  PutCell(p, IDC_GridOpen, 1, 1, "");
  qm::OpenFileOptions o;
  o.title = CoreText("Caf\xE9's \xAB" "files\xBB");
  o.gridRows = {{"Bob's", ""}};
  const std::string copied = Copy(p);
  EXPECT_EQ(copied, CopiedText(Code(o)));
  // Apostrophes and letters beyond ASCII go into the literals as they are.
  EXPECT_NE(copied.find("\r\n  lpstrTitle := PChar('Caf\xE9's \xAB" "files\xBB');\r\n"), std::string::npos);
  EXPECT_NE(copied.find("\r\n  lpstrFilter := PChar('Bob's'#0''#0);\r\n"), std::string::npos);
  o.gridRows.clear();
  for (int row = 1; row <= 19; ++row) {
    const std::string d(200, static_cast<char>('A' + row - 1));
    const std::string pattern(200, static_cast<char>('a' + row - 1));
    PutCell(p, IDC_GridOpen, 0, row, d);
    PutCell(p, IDC_GridOpen, 1, row, pattern);
    o.gridRows.push_back({d, pattern});
  }
  EXPECT_EQ(Cell(p, IDC_GridOpen, 0, 19), std::string(200, 'S'));
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
  p.PostClick(IDC_btnTest);
  HWND dialog = p.WaitForWindow("#32770");
  ASSERT_TRUE(dialog);
  const FileDialog d = ReadFileDialog(dialog);
  EXPECT_EQ(d.title, "Caf\xE9's \xAB" "files\xBB");
  EXPECT_EQ(d.filters.size(), 19u);
  EXPECT_TRUE(Cancel(p, dialog));
}

TEST_F(OpenFileKind, FolderButtonFillsTheInitialDirectory) {
  Program p;
  Start(p);
  p.SetEditText(IDC_OpenDir, "old");
  p.PostClick(IDC_btnOpenDir);
  HWND picker = p.WaitForWindow("#32770");
  ASSERT_TRUE(picker);
  EXPECT_EQ(WideText(ChildById(picker, 14146)), "Select initial file directory.");
  // The desktop, the root, is chosen at first; OK takes it.
  PostMessageA(picker, WM_COMMAND, IDOK, 0);
  const std::string desktop = KnownFolder(CSIDL_DESKTOPDIRECTORY);
  ASSERT_TRUE(WaitUntil([&] { return p.Text(IDC_OpenDir) != "old"; }));
  EXPECT_EQ(p.Text(IDC_OpenDir), desktop);
  EXPECT_TRUE(WaitUntil([&] { return Focus(p) == p.Ctl(IDC_OpenDir); }));
  const auto length = static_cast<WORD>(desktop.size());
  EXPECT_EQ(SendMessageA(p.Ctl(IDC_OpenDir), EM_GETSEL, 0, 0), MAKELONG(length, length));
  // Cancelling changes nothing.
  p.PostClick(IDC_btnOpenDir);
  picker = p.WaitForWindow("#32770");
  ASSERT_TRUE(picker);
  EXPECT_TRUE(Cancel(p, picker));
  EXPECT_EQ(p.Text(IDC_OpenDir), desktop);
}

TEST_F(OpenFileKind, FileButtonFillsTheFileName) {
  Program p;
  Start(p);
  p.PostClick(IDC_btnOpenFile);
  HWND dialog = p.WaitForWindow("#32770");
  ASSERT_TRUE(dialog);
  const FileDialog d = ReadFileDialog(dialog);
  EXPECT_EQ(d.title, "Open");
  EXPECT_TRUE(d.filters.empty());
  SendMessageW(ChildById(dialog, 1148), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"C:\\windows\\win.ini"));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_TRUE(WaitUntil([&] { return p.Text(IDC_OpenFile) == "C:\\windows\\win.ini"; }));
  EXPECT_TRUE(WaitUntil([&] { return Focus(p) == p.Ctl(IDC_OpenFile); }));
  EXPECT_EQ(SendMessageA(p.Ctl(IDC_OpenFile), EM_GETSEL, 0, 0), MAKELONG(18, 18));
  p.PostClick(IDC_btnOpenFile);
  dialog = p.WaitForWindow("#32770");
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(Cancel(p, dialog));
  EXPECT_EQ(p.Text(IDC_OpenFile), "C:\\windows\\win.ini");
}

TEST_F(OpenFileKind, ResetRestoresEverythingButTheGrid) {
  Program p;
  Start(p);
  p.SetEditText(IDC_OpenTitle, "t");
  p.SetEditText(IDC_OpenDir, "d");
  p.SetEditText(IDC_OpenFile, "f");
  for (int id : kOpen.options) p.SetCheck(id, id != IDC_HIDEREADONLY);
  p.SetEditText(IDC_OpenIndex, "7");
  p.SetEditText(IDC_edtOpenVar, "X");
  p.SetCheck(IDC_chkInitOpen, true);
  PutCell(p, IDC_GridOpen, 0, 1, "Text files");
  PutCell(p, IDC_GridOpen, 1, 1, "*.txt");
  p.Click(IDC_btnReset);
  EXPECT_EQ(p.Text(IDC_OpenTitle), "");
  EXPECT_EQ(p.Text(IDC_OpenDir), "");
  EXPECT_EQ(p.Text(IDC_OpenFile), "");
  EXPECT_EQ(p.Text(IDC_OpenIndex), "1");
  EXPECT_EQ(p.Text(IDC_edtOpenVar), "Result");
  EXPECT_EQ(p.Text(IDC_chkInitOpen), "&Init Dialog with Result");
  EXPECT_FALSE(p.Checked(IDC_chkInitOpen));
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_OpenFile)));
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_lblOpenFile)));
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_btnOpenFile)));
  for (int id : kOpen.options) EXPECT_EQ(p.Checked(id), id == IDC_HIDEREADONLY) << id;
  EXPECT_EQ(Cell(p, IDC_GridOpen, 0, 1), "Text files");
  EXPECT_EQ(Cell(p, IDC_GridOpen, 1, 1), "*.txt");
  qm::OpenFileOptions o;
  o.gridRows = {{"Text files", "*.txt"}};
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
}

TEST_F(OpenFileKind, FilterIndexOutsideItsRangeIsHeldInIt) {
  Program p;
  Start(p);
  p.SetEditText(IDC_OpenIndex, "300");
  qm::OpenFileOptions o;
  o.filterIndex = 255;
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
  p.SetEditText(IDC_OpenIndex, "");
  EXPECT_EQ(Copy(p), CopiedText(Code({})));
  SendMessageA(p.Ctl(IDC_OpenIndex_UD), UDM_SETPOS32, 0, 9);
  EXPECT_EQ(p.Text(IDC_OpenIndex), "9");
}

TEST_F(OpenFileKind, LabelAcceleratorsMoveTheFocusToTheirFields) {
  Program p;
  Start(p);
  ClickInto(p.Ctl(IDC_edtOpenVar));
  ASSERT_TRUE(WaitUntil([&] { return Focus(p) == p.Ctl(IDC_edtOpenVar); }));
  const std::pair<WORD, int> keys[] = {{'T', IDC_OpenTitle}, {'D', IDC_OpenDir}, {'N', IDC_OpenFile},
                                       {'V', IDC_edtOpenVar}, {'F', IDC_GridOpen}};
  for (const auto& [key, id] : keys) {
    PressWithAlt(p, key);
    EXPECT_TRUE(WaitUntil([&] {
      HWND f = Focus(p);
      return f == p.Ctl(id) || (id == IDC_GridOpen && GetParent(f) == p.Ctl(id));
    })) << static_cast<char>(key);
  }
  // "Filter &Index:" leads nowhere: Alt+I is the "&Init Dialog with" box's, which it toggles.
  PressWithAlt(p, 'I');
  EXPECT_TRUE(WaitUntil([&] { return p.Checked(IDC_chkInitOpen); }));
  EXPECT_NE(Focus(p), p.Ctl(IDC_OpenIndex));
}
