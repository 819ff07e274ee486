// Named presets in the system menu: saved for every kind, they set the panel again after a restart; the name dialog
// asks again for a name it cannot take; a damaged preset applies what fits and says what it skipped.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "resource.h"
#include "tests/e2e/filedlg_helpers.h"
#include "tests/e2e/hardening_helpers.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/shell_kinds_helpers.h"

using namespace e2e;

namespace {

class Presets : public ::testing::Test {
 protected:
  void SetUp() override { ClearSettings(); }
  void TearDown() override { ClearSettings(); }
};

const wchar_t kPresetsKey[] = L"Software\\Orvenna\\Quillmark\\Presets\\";

std::wstring PresetKey(int kind, const std::wstring& name) { return kPresetsKey + std::to_wstring(kind) + L"\\" + name; }

bool PresetStored(int kind, const std::wstring& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, PresetKey(kind, name).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// A system-menu command that shows a window of its own; the window, once it shows.
HWND Command(const Program& p, UINT id, const char* windowClass) {
  PostMessageW(p.main(), WM_SYSCOMMAND, id, 0);
  return p.WaitForWindow(windowClass);
}

// Types a name into the save dialog and presses OK (or Enter); what shows then (a message about the name), or null
// when the dialog has closed.
HWND SaveAs(HWND dialog, const std::wstring& name, bool enter = false) {
  HWND edit = ChildById(dialog, IDC_edtPresetName);
  SetWideText(edit, name);
  if (enter) PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  else PostMessageW(ChildById(dialog, IDOK), BM_CLICK, 0, 0);
  HWND shown = nullptr;
  WaitUntil([&] {
    if (!IsWindowVisible(dialog)) return true;
    shown = nullptr;
    for (HWND h = GetWindow(GetDesktopWindow(), GW_CHILD); h && !shown; h = GetWindow(h, GW_HWNDNEXT))
      if (GetWindow(h, GW_OWNER) == dialog && IsWindowVisible(h)) shown = h;
    return shown != nullptr;
  });
  return shown;
}

void Answer(HWND box, int button) {
  PostMessageW(box, WM_COMMAND, button, 0);
  WaitUntil([&] { return !IsWindow(box); });
}

// Applies the kind's first preset and waits until the program has done so.
bool ApplyFirst(const Program& p) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(p.main(), WM_SYSCOMMAND, IDM_PRESET_FIRST, 0, SMTO_NORMAL, 10000, &result) != 0;
}

void SetText(const Program& p, int id, const char* text) { p.SetEditText(id, text); }
void Choose(const Program& p, int id) { p.Click(id); }

void SelectTreeNode(const Program& p, int id, int steps) {
  HWND tree = p.Ctl(id);
  auto item = reinterpret_cast<LPARAM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  for (int i = 0; i < steps; ++i) item = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, item);
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, item);
}

struct KindChange {
  int kind;
  int button;
  std::function<void(const Program&)> change;  // a state unlike the start state, through every type of control
};

const KindChange kChanges[] = {
    {0, IDC_tbnMessageBox,
     [](const Program& p) {
       SetText(p, IDC_cboCaption, "Preset caption");
       SetText(p, IDC_memText, "First line\r\nSecond line");
       Choose(p, IDC_rbnSYSTEMMODAL);
       Choose(p, IDC_btnYESNOCANCEL_2);
       Choose(p, IDC_tbnWarning);
       SetText(p, IDC_edtVarName, "Answer");
     }},
    {2, IDC_tbnBrowseForFolder,
     [](const Program& p) {
       SelectTreeNode(p, IDC_trvBrowseForFolder, 2);
       Choose(p, IDC_rbnBROWSEFORPRINTER);
       SetText(p, IDC_edtString, "sFolder");
     }},
    {3, IDC_tbnRunDlg,
     [](const Program& p) {
       SetText(p, IDC_edtRunTitle, "Start it");
       Choose(p, IDC_rgpRunIcon_1);
       p.SetCheck(IDC_chkNoLabel, true);
     }},
    {4, IDC_tbnFormatDrive,
     [](const Program& p) {
       SelectComboItem(p, IDC_cboCapacity, 1);
       Choose(p, IDC_rgrFormatType_1);
       p.SetCheck(IDC_chkFormatCallAsProc, true);
     }},
    {5, IDC_tbnAbout,
     [](const Program& p) {
       SetText(p, IDC_edtApp, "Tool");
       SetText(p, IDC_memOtherStuff, "By us\r\nfor you");
     }},
    {6, IDC_tbnIconDlg,
     [](const Program& p) {
       SetText(p, IDC_edtFileToOpen, "shell32.dll");
       SetText(p, IDC_seIconIndex, "7");
     }},
    {7, IDC_tbnOpenDlg,
     [](const Program& p) {
       filedlg::PutCell(p, IDC_GridOpen, 0, 1, "Texts\\ \tall");
       filedlg::PutCell(p, IDC_GridOpen, 1, 1, "*.txt");
       SetText(p, IDC_OpenIndex, "2");
       p.SetCheck(IDC_ALLOWMULTISELECT, true);
     }},
    {8, IDC_tbnSaveDlg,
     [](const Program& p) {
       filedlg::PutCell(p, IDC_GridSave, 1, 3, "*.pas");
       p.SetCheck(IDC_OVERWRITEPROMPT, true);
       SetText(p, IDC_SaveTitle, "Keep");
     }},
    {9, IDC_tbnColorDlg,
     [](const Program& p) {
       p.SetCheck(IDC_RGBINIT, true);
       SetText(p, IDC_spRed, "200");
       SetText(p, IDC_spBlue, "9");
     }},
    {10, IDC_tbnPrintDlg,
     [](const Program& p) {
       Choose(p, IDC_PAGENUMS);
       SetText(p, IDC_edtFromPage, "2");
       SetText(p, IDC_spCopies, "3");
       p.SetCheck(IDC_chkCollate, true);
     }},
    {11, IDC_tbnFontDlg,
     [](const Program& p) {
       p.SetCheck(IDC_LIMITSIZE, true);
       SetText(p, IDC_spMinSize, "10");
       p.SetCheck(IDC_INITTOLOGFONTSTRUCT, true);
     }},
    {12, IDC_tbnFileOp,
     [](const Program& p) {
       Choose(p, IDC_rgpFileOp_2);
       filedlg::PutCell(p, IDC_strFrom, 0, 2, "C:\\a.txt");
       p.SetCheck(IDC_NOCONFIRMATION, true);
     }},
};

}  // namespace

TEST_F(Presets, SavedForEveryKindTheySetThePanelAgainAfterARestart) {
  const std::wstring name = L"Mine & yours \u20AC \u00E9";
  std::string saved[13];
  {
    Program p;
    for (const KindChange& k : kChanges) {
      p.Click(k.button);
      const std::string start = hardening::CopyFragment(p);
      k.change(p);
      saved[k.kind] = hardening::CopyFragment(p);
      EXPECT_NE(saved[k.kind], start) << k.kind;
      HWND dialog = Command(p, IDM_PRESET_SAVE, "TPresetDialog");
      ASSERT_TRUE(dialog) << k.kind;
      EXPECT_EQ(SaveAs(dialog, name), nullptr) << k.kind;
      // The dialog goes before the preset is written.
      EXPECT_TRUE(WaitUntil([&] { return PresetStored(k.kind, name); })) << k.kind;
      p.Click(IDC_btnReset);
    }
    ASSERT_TRUE(p.Close());
  }
  Program p;
  for (const KindChange& k : kChanges) {
    p.Click(k.button);
    ASSERT_TRUE(ApplyFirst(p)) << k.kind;
    EXPECT_EQ(hardening::CopyFragment(p), saved[k.kind]) << k.kind;
  }
  EXPECT_EQ(p.WaitForWindow("#32770", 300), nullptr);
}

TEST_F(Presets, TheMenuAppliesTheNameDialogAsksAgainAndDeleteRemoves) {
  Program p;
  p.SetEditText(IDC_edtVarName, "Kept");
  HWND dialog = Command(p, IDM_PRESET_SAVE, "TPresetDialog");
  ASSERT_TRUE(dialog);
  EXPECT_EQ(SaveAs(dialog, L"First", true), nullptr);

  // Alt+Space, Up to "Presets", Right into it, Enter on its first name.
  p.SetEditText(IDC_edtVarName, "Changed");
  PostMessageW(p.main(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  HWND menu = p.WaitForWindow("#32768");
  ASSERT_TRUE(menu);
  for (WORD key : {VK_UP, VK_RIGHT, VK_RETURN}) PostMessageW(menu, WM_KEYDOWN, key, 0);
  EXPECT_TRUE(WaitUntil([&] { return p.Text(IDC_edtVarName) == "Kept"; }));

  dialog = Command(p, IDM_PRESET_SAVE, "TPresetDialog");
  ASSERT_TRUE(dialog);
  // An empty name, a backslash and 65 characters are refused: a message, then the dialog again.
  for (const std::wstring& bad : {std::wstring(), std::wstring(L"a\\b"), std::wstring(65, L'\u00FC')}) {
    HWND box = SaveAs(dialog, bad);
    ASSERT_TRUE(box);
    Answer(box, IDOK);
    EXPECT_TRUE(IsWindowVisible(dialog));
  }
  // A name in use (the registry knows no case) asks whether to replace it; No asks again, Esc cancels.
  HWND box = SaveAs(dialog, L"FIRST");
  ASSERT_TRUE(box);
  Answer(box, IDNO);
  EXPECT_TRUE(IsWindowVisible(dialog));
  PostMessageW(ChildById(dialog, IDC_edtPresetName), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog) && IsWindowEnabled(p.main()); }));

  // The 101st preset of a kind is refused.
  for (int i = 1; i < 100; ++i) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, PresetKey(0, L"Filler " + std::to_wstring(i)).c_str(), 0, nullptr, 0,
                    KEY_WRITE, nullptr, &key, nullptr);
    RegCloseKey(key);
  }
  dialog = Command(p, IDM_PRESET_SAVE, "TPresetDialog");
  ASSERT_TRUE(dialog);
  box = SaveAs(dialog, L"One too many");
  ASSERT_TRUE(box);
  Answer(box, IDOK);
  EXPECT_FALSE(PresetStored(0, L"One too many"));
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

  // Delete lists the names in order, "First" after every "Filler ...".
  dialog = Command(p, IDM_PRESET_DELETE, "TPresetDialog");
  ASSERT_TRUE(dialog);
  HWND list = ChildById(dialog, IDC_cboPresetName);
  EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 100);
  SendMessageW(list, CB_SETCURSEL, 99, 0);
  PostMessageW(ChildById(dialog, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_TRUE(WaitUntil([&] { return !PresetStored(0, L"First"); }));
  EXPECT_TRUE(PresetStored(0, L"Filler 99"));
}

TEST_F(Presets, ADamagedPresetAppliesWhatFitsAndSaysWhatItSkipped) {
  const std::wstring name = std::wstring(64, L'\u0416');
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, PresetKey(9, name).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  auto put = [&](const std::wstring& value, const std::wstring& text) {
    RegSetValueExW(key, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  };
  put(L"spRed", L"300");          // out of range
  put(L"RGBINIT", L"maybe");      // no check box state
  put(L"chkGone", L"1");          // no such control
  put(std::wstring(5000, L'n'), L"1");
  put(L"spBlue", L"77");
  put(L"edtColorVar", L"Tint");
  const DWORD five = 5;
  RegSetValueExW(key, L"spGreen", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&five), sizeof five);
  RegCloseKey(key);

  Program p;
  p.Click(IDC_tbnColorDlg);
  PostMessageW(p.main(), WM_SYSCOMMAND, IDM_PRESET_FIRST, 0);
  HWND box = p.WaitForWindow("#32770");
  ASSERT_TRUE(box);
  const std::string message = WindowText(ChildById(box, 65535));
  for (const char* skipped : {"spRed (out of range)", "RGBINIT (wrong type)", "chkGone (no such control)",
                              "spGreen (wrong type)"})
    EXPECT_NE(message.find(skipped), std::string::npos) << skipped << "\n" << message;
  EXPECT_EQ(message.find("spBlue"), std::string::npos);
  Answer(box, IDOK);
  EXPECT_EQ(p.Text(IDC_spBlue), "77");
  EXPECT_EQ(p.Text(IDC_edtColorVar), "Tint");
  EXPECT_EQ(p.Text(IDC_spRed), "0");
  EXPECT_FALSE(p.Checked(IDC_RGBINIT));
  EXPECT_TRUE(p.Running());
}
