// The Save file kind: Copy and Edit with the three lines in which it differs from Open, the grid, the "Init Dialog
// with" box, Test with Wine's Save dialog, the shared folder and file buttons filling this panel, Reset, bad input.
#include <windows.h>

#include <gtest/gtest.h>

#include "dialogs/savefile_core.h"
#include "resource.h"
#include "tests/e2e/filedlg_helpers.h"
#include "tests/e2e/generated_helpers.h"
#include "tests/e2e/harness.h"

using namespace e2e;
using namespace filedlg;

namespace {

class SaveFileKind : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    PutClipboard("");
  }
};

void Start(const Program& p) { p.Click(kSave.kindButton); }

std::string Copy(const Program& p) {
  PutClipboard("");
  p.Click(IDC_btnCopy);
  return ClipboardText();
}

// What the program should generate for the panel's values.
qm::GeneratedCode Code(const qm::SaveFileOptions& options) {
  return qm::GenerateSaveFile(options, DefaultFrame(), qm::ctDelphiClassic);
}

}  // namespace

TEST_F(SaveFileKind, CopyAndEditInTheStartState) {
  Program p;
  Start(p);
  const qm::GeneratedCode code = Code({});
  EXPECT_EQ(Copy(p), CopiedText(code));
  ExpectPanes(RunEdit(p), code);
}

TEST_F(SaveFileKind, StartValuesOfThePanel) {
  Program p;
  Start(p);
  EXPECT_EQ(p.Text(IDC_SaveTitle), "");
  EXPECT_EQ(p.Text(IDC_SaveDir), "");
  EXPECT_EQ(p.Text(IDC_SaveFile), "");
  EXPECT_EQ(p.Text(IDC_SaveIndex), "1");
  EXPECT_EQ(p.Text(IDC_edtSaveVar), "Result");
  EXPECT_EQ(p.Text(IDC_chkInitSave), "&Init Dialog with Result");
  EXPECT_EQ(WindowText(p.Ctl(IDC_OVERWRITEPROMPT)), "Overwrite Prompt");
  for (int id : kSave.options) EXPECT_EQ(p.Checked(id), id == IDC_HIDEREADONLY1) << id;
  EXPECT_EQ(SendMessageA(p.Ctl(IDC_GridSave), SGM_GETCOLCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(p.Ctl(IDC_GridSave), SGM_GETROWCOUNT, 0, 0), 20);
}

TEST_F(SaveFileKind, TabOrderVisitsTheOptionsBeforeTheIndex) {
  Program p;
  Start(p);
  ClickInto(p.Ctl(IDC_SaveTitle));
  ASSERT_TRUE(WaitUntil([&] { return Focus(p) == p.Ctl(IDC_SaveTitle); }));
  const int order[] = {IDC_SaveDir,       IDC_SaveFile,        IDC_GridSave,      IDC_FILEMUSTEXIST1,
                       IDC_PATHMUSTEXIST1, IDC_HIDEREADONLY1,  IDC_OVERWRITEPROMPT, IDC_CREATEPROMPT1,
                       IDC_SaveIndex,     IDC_edtSaveVar,      IDC_chkInitSave};
  for (int id : order) {
    Press(p, VK_TAB, false, Focus(p) && GetParent(Focus(p)) == p.Ctl(IDC_GridSave));
    EXPECT_TRUE(WaitUntil([&] {
      HWND f = Focus(p);
      return f == p.Ctl(id) || (id == IDC_GridSave && GetParent(f) == p.Ctl(IDC_GridSave));
    })) << id;
  }
}

TEST_F(SaveFileKind, FiltersTypedIntoTheGrid) {
  Program p;
  Start(p);
  ClickInto(p.Ctl(IDC_GridSave), 100, 25);  // the Pattern cell of row 1
  ASSERT_TRUE(WaitUntil([&] { return CurrentCell(p, IDC_GridSave) == std::make_pair(1, 1); }));
  Press(p, VK_TAB, true);
  ASSERT_TRUE(WaitUntil([&] { return CurrentCell(p, IDC_GridSave) == std::make_pair(0, 1); }));
  Type(p, "Reports");
  Press(p, VK_TAB);
  Type(p, "*.rep");
  ASSERT_TRUE(WaitUntil([&] { return WindowText(GridEditor(p.Ctl(IDC_GridSave))) == "*.rep"; }));
  qm::SaveFileOptions o;
  o.gridRows = {{"Reports", "*.rep"}};
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
}

TEST_F(SaveFileKind, FlagsIndexAndTheThreeLinesThatDiffer) {
  Program p;
  Start(p);
  for (int id : kSave.options) p.SetCheck(id, false);
  p.SetCheck(IDC_OVERWRITEPROMPT, true);
  qm::SaveFileOptions o;
  o.hideReadOnly = false;
  o.overwritePrompt = true;
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
  for (int id : kSave.options) p.SetCheck(id, true);
  p.SetEditText(IDC_SaveTitle, "Save the report");
  p.SetEditText(IDC_SaveDir, "D:\\Reports");
  p.SetEditText(IDC_SaveFile, "report.txt");
  p.SetEditText(IDC_SaveIndex, "3");
  o.fileMustExist = o.pathMustExist = o.hideReadOnly = o.createPrompt = true;
  o.title = "Save the report";
  o.initialDir = "D:\\Reports";
  o.fileName = "report.txt";
  o.filterIndex = 3;
  const qm::GeneratedCode code = Code(o);
  EXPECT_EQ(Copy(p), CopiedText(code));
  ExpectPanes(RunEdit(p), code);
}

TEST_F(SaveFileKind, InitDialogWithFollowsTheVariableAndDisablesTheFileName) {
  Program p;
  Start(p);
  p.SetEditText(IDC_SaveFile, "report.txt");
  p.SetEditText(IDC_edtSaveVar, "Target");
  EXPECT_EQ(p.Text(IDC_chkInitSave), "&Init Dialog with Target");
  p.SetCheck(IDC_chkInitSave, true);
  EXPECT_FALSE(IsWindowEnabled(p.Ctl(IDC_lblSaveFile)));
  EXPECT_FALSE(IsWindowEnabled(p.Ctl(IDC_SaveFile)));
  EXPECT_FALSE(IsWindowEnabled(p.Ctl(IDC_btnSaveFile)));
  qm::SaveFileOptions o;
  o.fileName = "report.txt";
  o.varName = "Target";
  o.initWithVar = true;
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
  p.SetCheck(IDC_chkInitSave, false);
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_lblSaveFile)));
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_SaveFile)));
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_btnSaveFile)));
  p.SetEditText(IDC_edtSaveVar, "");
  EXPECT_EQ(p.Text(IDC_chkInitSave), "&Init Dialog with ");
  o.varName = "";
  o.initWithVar = false;
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
}

TEST_F(SaveFileKind, TestShowsTheSaveDialogWithThePanelsValues) {
  Program p;
  Start(p);
  p.SetEditText(IDC_SaveTitle, "Save Bob's \xE9t\xE9");
  p.SetEditText(IDC_SaveDir, "C:\\windows");
  p.SetEditText(IDC_SaveFile, "report.txt");
  PutCell(p, IDC_GridSave, 0, 1, "Reports");
  PutCell(p, IDC_GridSave, 1, 1, "*.rep");
  PutCell(p, IDC_GridSave, 0, 2, "All files");
  PutCell(p, IDC_GridSave, 1, 2, "");
  p.PostClick(IDC_btnTest);
  HWND dialog = p.WaitForWindow("#32770");
  ASSERT_TRUE(dialog);
  const FileDialog d = ReadFileDialog(dialog);
  EXPECT_EQ(d.title, "Save Bob's \xE9t\xE9");
  EXPECT_EQ(d.lookIn, "windows");
  EXPECT_EQ(d.fileName, "report.txt");
  EXPECT_EQ(d.filters, (TextLines{"Reports", "All files"}));
  EXPECT_EQ(d.filter, 0);
  EXPECT_EQ(d.okButton, "&Save");
  EXPECT_TRUE(Cancel(p, dialog));
  EXPECT_EQ(p.Text(IDC_SaveFile), "report.txt");
}

TEST_F(SaveFileKind, TestCutsALongFileNameAndSurvivesAMissingFolder) {
  Program p;
  Start(p);
  const std::string name(1000, 's');
  p.SetEditText(IDC_SaveFile, name);
  p.SetEditText(IDC_SaveDir, "C:\\No such folder");
  p.SetEditText(IDC_SaveIndex, "255");
  p.PostClick(IDC_btnTest);
  HWND dialog = p.WaitForWindow("#32770");
  ASSERT_TRUE(dialog);
  const FileDialog d = ReadFileDialog(dialog);
  EXPECT_EQ(d.title, "Save As");
  EXPECT_EQ(d.fileName, name.substr(0, 260));
  EXPECT_TRUE(Cancel(p, dialog));
  qm::SaveFileOptions o;
  o.fileName = name;
  o.initialDir = "C:\\No such folder";
  o.filterIndex = 255;
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
}

TEST_F(SaveFileKind, FolderAndFileButtonsFillTheSavePanelOnly) {
  Program p;
  p.Click(kOpen.kindButton);  // the Open panel exists too
  p.SetEditText(IDC_OpenDir, "open dir");
  p.SetEditText(IDC_OpenFile, "open file");
  Start(p);
  p.PostClick(IDC_btnSaveDir);
  HWND picker = p.WaitForWindow("#32770");
  ASSERT_TRUE(picker);
  EXPECT_EQ(WideText(ChildById(picker, 14146)), "Select initial file directory.");
  PostMessageA(picker, WM_COMMAND, IDOK, 0);
  const std::string desktop = KnownFolder(CSIDL_DESKTOPDIRECTORY);
  ASSERT_TRUE(WaitUntil([&] { return p.Text(IDC_SaveDir) == desktop; }));
  EXPECT_TRUE(WaitUntil([&] { return Focus(p) == p.Ctl(IDC_SaveDir); }));
  const auto length = static_cast<WORD>(desktop.size());
  EXPECT_EQ(SendMessageA(p.Ctl(IDC_SaveDir), EM_GETSEL, 0, 0), MAKELONG(length, length));

  p.PostClick(IDC_btnSaveFile);
  HWND dialog = p.WaitForWindow("#32770");
  ASSERT_TRUE(dialog);
  EXPECT_EQ(ReadFileDialog(dialog).okButton, "&Open");  // the file button always shows an Open dialog
  SendMessageW(ChildById(dialog, 1148), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"C:\\windows\\win.ini"));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil([&] { return p.Text(IDC_SaveFile) == "C:\\windows\\win.ini"; }));
  EXPECT_TRUE(WaitUntil([&] { return Focus(p) == p.Ctl(IDC_SaveFile); }));
  EXPECT_EQ(SendMessageA(p.Ctl(IDC_SaveFile), EM_GETSEL, 0, 0), MAKELONG(18, 18));

  EXPECT_EQ(p.Text(IDC_OpenDir), "open dir");
  EXPECT_EQ(p.Text(IDC_OpenFile), "open file");
}

TEST_F(SaveFileKind, ResetRestoresEverythingButTheGrid) {
  Program p;
  Start(p);
  p.SetEditText(IDC_SaveTitle, "t");
  p.SetEditText(IDC_SaveDir, "d");
  p.SetEditText(IDC_SaveFile, "f");
  for (int id : kSave.options) p.SetCheck(id, id != IDC_HIDEREADONLY1);
  p.SetEditText(IDC_SaveIndex, "4");
  p.SetEditText(IDC_edtSaveVar, "Y");
  p.SetCheck(IDC_chkInitSave, true);
  PutCell(p, IDC_GridSave, 0, 1, "Reports");
  PutCell(p, IDC_GridSave, 1, 1, "*.rep");
  p.Click(IDC_btnReset);
  EXPECT_EQ(p.Text(IDC_SaveTitle), "");
  EXPECT_EQ(p.Text(IDC_SaveDir), "");
  EXPECT_EQ(p.Text(IDC_SaveFile), "");
  EXPECT_EQ(p.Text(IDC_SaveIndex), "1");
  EXPECT_EQ(p.Text(IDC_edtSaveVar), "Result");
  EXPECT_EQ(p.Text(IDC_chkInitSave), "&Init Dialog with Result");
  EXPECT_FALSE(p.Checked(IDC_chkInitSave));
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_SaveFile)));
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_lblSaveFile)));
  EXPECT_TRUE(IsWindowEnabled(p.Ctl(IDC_btnSaveFile)));
  for (int id : kSave.options) EXPECT_EQ(p.Checked(id), id == IDC_HIDEREADONLY1) << id;
  qm::SaveFileOptions o;
  o.gridRows = {{"Reports", "*.rep"}};
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
}
