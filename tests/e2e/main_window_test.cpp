// The main window: start state, kind selection, commands and keys.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "resource.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { ClearSettings(); }
};

struct Kind {
  int button;
  int page;  // 0 standard, 1 shell
  const char* captionName;
  int panel;
};
const Kind kKinds[] = {
    {IDC_tbnMessageBox, 0, "MessageBox", IDC_pnlMessageBox},
    {IDC_tbnOpenDlg, 0, "GetOpenFileName", IDC_pnlOpenDlg},
    {IDC_tbnSaveDlg, 0, "GetSaveFileName", IDC_pnlSaveDlg},
    {IDC_tbnColorDlg, 0, "ChooseColor", IDC_pnlColorDlg},
    {IDC_tbnFontDlg, 0, "ChooseFont", IDC_pnlFontDlg},
    {IDC_tbnPrintDlg, 0, "PrintDlg", IDC_pnlPrintDlg},
    {IDC_tbnBrowseForFolder, 1, "SHBrowseForFolder", IDC_pnlBrowseForFolder},
    {IDC_tbnRunDlg, 1, "SHRunFile", IDC_pnlRunDlg},
    {IDC_tbnFormatDrive, 1, "SHFormatDrive", IDC_pnlFormatDrive},
    {IDC_tbnAbout, 1, "SHAbout", IDC_pnlAbout},
    {IDC_tbnIconDlg, 1, "SHPickIcon", IDC_pnlIconDlg},
    {IDC_tbnFileOp, 1, "SHFileOperation", IDC_pnlFileOp},
};

// The panel in front of pnlBackgrnd is the first child in its z-order.
int FrontPanel(const Program& p) {
  return GetDlgCtrlID(GetWindow(p.Ctl(IDC_pnlBackgrnd), GW_CHILD));
}

}  // namespace

TEST_F(MainWindow, FirstStartShowsTheMessageBoxAtTheTopLeft) {
  Program p;
  ASSERT_TRUE(p.main());
  EXPECT_EQ(p.Caption(), "Quillmark for Delphi - [MessageBox]");
  RECT r;
  GetWindowRect(p.main(), &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  RECT client;
  GetClientRect(p.main(), &client);
  EXPECT_EQ(client.right, 576);
  EXPECT_EQ(client.bottom, 376);
  EXPECT_TRUE(IsWindowVisible(p.Ctl(IDC_Standard)));
  EXPECT_FALSE(IsWindowVisible(p.Ctl(IDC_Shell)));
  EXPECT_EQ(SendMessageA(p.Ctl(IDC_PageControl), TCM_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(p.Checked(IDC_tbnMessageBox));
  EXPECT_FALSE(p.Checked(IDC_tbnArrow1));
  EXPECT_TRUE(p.Checked(IDC_tbnArrow2));
  EXPECT_EQ(FrontPanel(p), IDC_pnlMessageBox);
}

// A stored kind that names none keeps the form definition's state, the message box's panel complete in front, and
// is saved back as it was.
TEST_F(MainWindow, StoredKindNamingNoneShowsTheDesignState) {
  for (const char* stored : {"1", "13"}) {
    SCOPED_TRACE(stored);
    WriteSetting("DlgType", stored);
    {
      Program p;
      ASSERT_TRUE(p.main());
      EXPECT_EQ(p.Caption(), "Quillmark for Delphi");
      EXPECT_EQ(FrontPanel(p), IDC_pnlMessageBox);
      ASSERT_TRUE(p.Ctl(IDC_cboCaption));
      EXPECT_EQ(p.Text(IDC_cboCaption), "Information");
      EXPECT_EQ(p.Text(IDC_edtVarName), "Result");
      EXPECT_TRUE(p.Checked(IDC_btnOK_1));
      EXPECT_TRUE(p.Checked(IDC_tbnMessageBox));
      EXPECT_TRUE(p.Checked(IDC_tbnArrow2));
      EXPECT_FALSE(p.Checked(IDC_tbnArrow1));
    }
    std::string value;
    ASSERT_TRUE(ReadSetting("DlgType", value));
    EXPECT_EQ(value, stored);
  }
}

TEST_F(MainWindow, EachKindButtonSelectsItsKind) {
  Program p;
  for (const Kind& k : kKinds) {
    p.Click(k.button);
    EXPECT_EQ(p.Caption(), std::string("Quillmark for Delphi - [") + k.captionName + "]");
    EXPECT_EQ(FrontPanel(p), k.panel) << k.captionName;
    EXPECT_TRUE(p.Checked(k.button)) << k.captionName;
    // Its page's placeholder is up, the other page's placeholder is down.
    EXPECT_EQ(p.Checked(IDC_tbnArrow1), k.page == 1) << k.captionName;
    EXPECT_EQ(p.Checked(IDC_tbnArrow2), k.page == 0) << k.captionName;
    for (const Kind& other : kKinds)
      if (other.button != k.button) EXPECT_FALSE(p.Checked(other.button)) << other.captionName;
  }
}

TEST_F(MainWindow, PlaceholderOnlyGoesDown) {
  Program p;
  p.Click(IDC_tbnArrow1);
  EXPECT_TRUE(p.Checked(IDC_tbnArrow1));
  EXPECT_FALSE(p.Checked(IDC_tbnMessageBox));
  EXPECT_EQ(p.Caption(), "Quillmark for Delphi - [MessageBox]");
  EXPECT_EQ(FrontPanel(p), IDC_pnlMessageBox);
}

TEST_F(MainWindow, SwitchingPagesKeepsTheKind) {
  Program p;
  // Moving the focus of a tab control selects the tab and notifies as a click does.
  SendMessageA(p.Ctl(IDC_PageControl), TCM_SETCURFOCUS, 1, 0);
  EXPECT_TRUE(IsWindowVisible(p.Ctl(IDC_Shell)));
  EXPECT_FALSE(IsWindowVisible(p.Ctl(IDC_Standard)));
  EXPECT_EQ(p.Caption(), "Quillmark for Delphi - [MessageBox]");
}

TEST_F(MainWindow, EscAndMinimizeMinimise) {
  {
    Program p;
    p.Click(IDC_btnMinimize);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(p.main()) != FALSE; }));
  }
  {
    Program p;
    SetFocus(nullptr);
    p.PressKey(VK_ESCAPE, false, true);  // Shift+Esc as well
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(p.main()) != FALSE; }));
  }
}

// The hints come from the message loop's relay of the mouse: resting the mouse on a command button, on a kind
// button and on the edit part of a combo box shows the hint window with that control's text.
TEST_F(MainWindow, RestingTheMouseOnAControlShowsItsHint) {
  Program p;
  SetForegroundWindow(p.main());
  auto hintShowing = [&](const char* text) {
    for (HWND w : p.TopLevelWindows()) {
      char cls[64] = {};
      GetClassNameA(w, cls, sizeof cls);
      if (std::string(cls) != TOOLTIPS_CLASSA || !IsWindowVisible(w)) continue;
      char shown[128] = {};
      // The hint window answers WM_GETTEXT with the hint it shows (GetWindowText reads only its title).
      SendMessageTimeoutA(w, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown), SMTO_ABORTIFHUNG, 2000,
                          nullptr);
      if (std::string(shown) == text) return true;
    }
    return false;
  };
  auto rest = [&](HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    SetCursorPos(r.left + 5, r.top + 5);
    Sleep(50);
    SetCursorPos(r.left + 8, r.top + 8);
  };
  rest(p.Ctl(IDC_btnCopy));
  EXPECT_TRUE(WaitUntil([&] { return hintShowing("Copy to Clipboard (Ctrl+C)"); }, 5000));
  rest(p.Ctl(IDC_tbnOpenDlg));
  EXPECT_TRUE(WaitUntil([&] { return hintShowing("GetOpenFileName"); }, 5000));
  HWND captionEdit = FindWindowExA(p.Ctl(IDC_cboCaption), nullptr, "Edit", nullptr);
  ASSERT_TRUE(captionEdit);
  rest(captionEdit);
  EXPECT_TRUE(WaitUntil([&] { return hintShowing(" String used for the dialog box title"); }, 5000));
  SetCursorPos(0, 0);
}
