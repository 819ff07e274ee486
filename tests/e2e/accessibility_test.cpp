// What a screen reader and a keyboard-only user get: every control's accessible name, read as a screen reader reads
// it (AccessibleObjectFromWindow), and every kind selected without the mouse.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

#include "resource.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

struct ComSession {
  ComSession() { CoInitialize(nullptr); }
  ~ComSession() { CoUninitialize(); }
};

// The name of the window's client object, or of one of its children (a toolbar's buttons count from 1); `ok` is
// false when the window gives no accessible object at all.
std::string AccessibleName(HWND hwnd, LONG child = CHILDID_SELF, bool* ok = nullptr) {
  IAccessible* acc = nullptr;
  // __uuidof: the import library of oleacc.dll names a function IID_IAccessible, not the interface's id.
  const bool got = SUCCEEDED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                        reinterpret_cast<void**>(&acc))) && acc;
  if (ok) *ok = got;
  if (!got) return "";
  VARIANT id{};
  id.vt = VT_I4;
  id.lVal = child;
  BSTR name = nullptr;
  std::string result;
  if (acc->get_accName(id, &name) == S_OK && name) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, name, -1, nullptr, 0, nullptr, nullptr);
    result.resize(static_cast<std::size_t>(n > 0 ? n - 1 : 0));
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, name, -1, result.data(), n, nullptr, nullptr);
    SysFreeString(name);
  }
  acc->Release();
  return result;
}

struct Kind {
  int button;
  int page;
  const char* hint;     // the kind button's name
  const char* caption;  // what the window's caption names the kind by
  int panel;
};
const Kind kKinds[] = {
    {IDC_tbnMessageBox, 0, "MessageBox", "MessageBox", IDC_pnlMessageBox},
    {IDC_tbnOpenDlg, 0, "GetOpenFileName", "GetOpenFileName", IDC_pnlOpenDlg},
    {IDC_tbnSaveDlg, 0, "GetSaveFileName", "GetSaveFileName", IDC_pnlSaveDlg},
    {IDC_tbnColorDlg, 0, "ChooseColor", "ChooseColor", IDC_pnlColorDlg},
    {IDC_tbnFontDlg, 0, "ChooseFont", "ChooseFont", IDC_pnlFontDlg},
    {IDC_tbnPrintDlg, 0, "PrintDlg", "PrintDlg", IDC_pnlPrintDlg},
    {IDC_tbnBrowseForFolder, 1, "SHBrowseForFolder", "SHBrowseForFolder", IDC_pnlBrowseForFolder},
    {IDC_tbnRunDlg, 1, "SHRunFileDlg", "SHRunFile", IDC_pnlRunDlg},
    {IDC_tbnFormatDrive, 1, "SHFormatDrive", "SHFormatDrive", IDC_pnlFormatDrive},
    {IDC_tbnAbout, 1, "SHAbout", "SHAbout", IDC_pnlAbout},
    {IDC_tbnIconDlg, 1, "SHPickIcon", "SHPickIcon", IDC_pnlIconDlg},
    {IDC_tbnFileOp, 1, "SHFileOperation", "SHFileOperation", IDC_pnlFileOp},
};

std::string Describe(HWND hwnd) { return ClassOf(hwnd) + " id " + std::to_string(GetDlgCtrlID(hwnd)); }

class Accessibility : public ::testing::Test {
 protected:
  void SetUp() override { ClearSettings(); }
  ComSession com_;
};

}  // namespace

TEST_F(Accessibility, EveryControlHasTheNameAScreenReaderReads) {
  Program p;
  ASSERT_TRUE(p.main());
  // The kind buttons: named by their hints, which they do not draw (their text is empty).
  for (const Kind& k : kKinds) {
    SCOPED_TRACE(k.hint);
    ASSERT_TRUE(p.Ctl(k.button));
    EXPECT_EQ(AccessibleName(p.Ctl(k.button)), k.hint);
    EXPECT_EQ(p.Text(k.button), "");
  }
  struct Named {
    int id;
    const char* name;
  };
  for (const Named& c : {Named{IDC_btnTest, "Test"}, Named{IDC_btnCopy, "Copy"}, Named{IDC_btnEdit, "Edit"},
                         Named{IDC_btnReset, "Reset"}, Named{IDC_btnMinimize, "Minimize"}, Named{IDC_btnHelp, "Help"},
                         Named{IDC_btnAbout, "About ..."}})
    EXPECT_EQ(AccessibleName(p.Ctl(c.id)), c.name);

  // Every control of every kind's panel, and every button of its speed bars.
  for (const Kind& k : kKinds) {
    SCOPED_TRACE(k.hint);
    p.Click(k.button);
    ASSERT_TRUE(WaitUntil([&] { return p.Caption() == std::string("Quillmark for Delphi - [") + k.caption + "]"; }));
    for (HWND c : Children(p.Ctl(k.panel))) {
      if (ClassOf(c) == "QmPanel" && GetWindow(c, GW_CHILD)) continue;  // a panel that holds controls is none itself
      bool ok = false;
      EXPECT_NE(AccessibleName(c, CHILDID_SELF, &ok), "") << Describe(c) << " text \"" << WindowText(c) << "\"";
      EXPECT_TRUE(ok) << Describe(c);
      if (ClassOf(c) == "ToolbarWindow32") {
        const auto count = static_cast<LONG>(SendMessageA(c, TB_BUTTONCOUNT, 0, 0));
        for (LONG i = 1; i <= count; ++i) EXPECT_NE(AccessibleName(c, i), "") << Describe(c) << " button " << i;
      }
    }
  }

  // What Windows does not name by itself is named after what the user reads beside it.
  for (const Named& c : {Named{IDC_cboCaption, "Dialog Caption"},  // the group box around a combo box
                         Named{IDC_tbrIcon, "System Icon"},         // ... around a speed bar
                         Named{IDC_edtRunTitle, "Dialog Title"},    // ... around an edit without a label
                         Named{IDC_pnlIniColor, "Initial Color"},   // ... around a swatch on top of it
                         Named{IDC_spRed_UD, "Red"},                // the arrows after their edit's label
                         Named{IDC_GridOpen, "Filter"},             // a grid after its label
                         Named{IDC_strFrom, "From"}, Named{IDC_strTo, "To"}})  // ... by its heading
    EXPECT_EQ(AccessibleName(p.Ctl(c.id)), c.name);

  // The code editor's panes, and the buttons on their captions that show only a picture.
  p.PostClick(IDC_btnEdit);
  HWND editor = p.WaitForWindow("TEditForm");
  ASSERT_TRUE(editor);
  for (const Named& c : {Named{IDC_memUses, "uses"}, Named{IDC_memDecl, "declarations"},
                         Named{IDC_memImpl, "implementation"}, Named{IDC_btnCopyUses, "Copy To Clipboard (Ctrl+U)"},
                         Named{IDC_btnCopyDecl, "Copy To Clipboard (Ctrl+D)"},
                         Named{IDC_btnCopyImpl, "Copy To Clipboard (Ctrl+I)"}})
    EXPECT_EQ(AccessibleName(ChildById(editor, c.id)), c.name);
  PostMessageA(editor, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor); }));
}

namespace {

// Presses the key and waits until the keyboard focus has moved.
void Step(const Program& p, WORD key) {
  HWND before = p.Focus();
  p.PressKey(key, false);
  WaitUntil([&] { return p.Focus() != before; }, 2000);
}

}  // namespace

// Tab reaches the row of kind buttons at the one that is down, the arrows move along the row, Space selects; the tab
// control's arrows change the page.
TEST_F(Accessibility, KeyboardAloneSelectsEveryKind) {
  Program p;
  ASSERT_TRUE(p.main());
  for (int page : {0, 1}) {
    if (page == 1) {
      ASSERT_TRUE(WaitUntil([&] {
        Step(p, VK_TAB);
        return p.Focus() == p.Ctl(IDC_PageControl);
      }));
      p.PressKey(VK_RIGHT, false);
      ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(p.Ctl(IDC_Shell)) != 0; }));
    }
    HWND row = p.Ctl(page == 0 ? IDC_Standard : IDC_Shell);
    ASSERT_TRUE(WaitUntil([&] {
      Step(p, VK_TAB);
      return GetParent(p.Focus()) == row;
    }));
    for (const Kind& k : kKinds) {
      if (k.page != page) continue;
      SCOPED_TRACE(k.hint);
      ASSERT_TRUE(WaitUntil([&] {
        if (p.Focus() == p.Ctl(k.button)) return true;
        Step(p, VK_RIGHT);
        return false;
      }));
      p.PressKey(VK_SPACE, false);
      EXPECT_TRUE(WaitUntil([&] { return p.Caption() == std::string("Quillmark for Delphi - [") + k.caption + "]"; }));
      EXPECT_TRUE(p.Checked(k.button));
      EXPECT_EQ(p.Focus(), p.Ctl(k.button));
    }
  }
}
