// Pictures of the windows for review: run with --gtest_also_run_disabled_tests --gtest_filter='*Screenshot*'
// and QM_SHOTS_DIR set to a folder; each picture is written there as a BMP file.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "resource.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

std::string ShotsDir() {
  char dir[MAX_PATH] = {};
  DWORD n = GetEnvironmentVariableA("QM_SHOTS_DIR", dir, MAX_PATH);
  return n ? std::string(dir) + "\\" : std::string();
}

// Copies a rectangle of the screen into a 24-bit BMP file.
bool SaveScreenPicture(const RECT& r, const std::string& name) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(mem, old);
  const DWORD stride = ((w * 3 + 3) & ~3);
  const DWORD size = stride * h;
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
  fh.bfSize = fh.bfOffBits + size;
  bool ok = false;
  if (FILE* f = std::fopen((ShotsDir() + name + ".bmp").c_str(), "wb")) {
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
    std::fwrite(bits, 1, size, f);
    std::fclose(f);
    ok = true;
  }
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return ok;
}

bool SaveWindowPicture(HWND hwnd, const std::string& name) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(300);
  RECT r;
  GetWindowRect(hwnd, &r);
  return SaveScreenPicture(r, name);
}

// The program's open menus (window class "#32768").
std::vector<HWND> OpenMenus(const Program& p) {
  std::vector<HWND> menus;
  for (HWND h : p.TopLevelWindows())
    if (ClassOf(h) == "#32768" && IsWindowVisible(h)) menus.push_back(h);
  return menus;
}

const struct {
  int button;
  int page;
  const char* name;
} kKinds[] = {
    {IDC_tbnMessageBox, 0, "kind00-messagebox"},     {IDC_tbnOpenDlg, 0, "kind07-openfile"},
    {IDC_tbnSaveDlg, 0, "kind08-savefile"},          {IDC_tbnColorDlg, 0, "kind09-choosecolor"},
    {IDC_tbnFontDlg, 0, "kind11-choosefont"},        {IDC_tbnPrintDlg, 0, "kind10-print"},
    {IDC_tbnBrowseForFolder, 1, "kind02-browseforfolder"}, {IDC_tbnRunDlg, 1, "kind03-rundlg"},
    {IDC_tbnFormatDrive, 1, "kind04-formatdrive"},   {IDC_tbnAbout, 1, "kind05-shellabout"},
    {IDC_tbnIconDlg, 1, "kind06-pickicon"},          {IDC_tbnFileOp, 1, "kind12-fileop"},
};

}  // namespace

TEST(DISABLED_Screenshot, EveryKindTheEditorAndTheAboutWindow) {
  ClearSettings();
  Program p;
  ASSERT_TRUE(p.main());
  for (const auto& k : kKinds) {
    SendMessageA(p.Ctl(IDC_PageControl), TCM_SETCURFOCUS, k.page, 0);
    p.Click(k.button);
    EXPECT_TRUE(SaveWindowPicture(p.main(), k.name));
  }
  SendMessageA(p.Ctl(IDC_PageControl), TCM_SETCURFOCUS, 0, 0);
  p.Click(IDC_tbnMessageBox);
  p.PostClick(IDC_btnEdit);
  if (HWND editor = p.WaitForWindow("TEditForm")) {
    EXPECT_TRUE(SaveWindowPicture(editor, "editor-messagebox"));
    PostMessageA(editor, WM_CLOSE, 0, 0);
    WaitUntil([&] { return !IsWindowVisible(editor); });
  }
  p.PostClick(IDC_btnAbout);
  if (HWND about = p.WaitForWindow("TAboutBox", 5000)) {
    EXPECT_TRUE(SaveWindowPicture(about, "about"));
    PostMessageA(about, WM_KEYDOWN, VK_ESCAPE, 0);
  }
}

// The message box panel with a Cyrillic title and a CJK text, and the message box that its Test shows.
TEST(DISABLED_Screenshot, MessageBoxWithTextsOfAnyScript) {
  ClearSettings();
  Program p;
  ASSERT_TRUE(p.main());
  SendMessageW(p.Ctl(IDC_cboCaption), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"\u0412\u043D\u0438\u043C\u0430\u043D\u0438\u0435"));
  SendMessageW(p.Ctl(IDC_memText), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"\u6587\u5B57\u306E\u30C6\u30B9\u30C8 \u2014 \u0436\u0443\u043A"));
  EXPECT_TRUE(SaveWindowPicture(p.main(), "unicode-messagebox-panel"));
  p.PostClick(IDC_btnTest);
  if (HWND box = p.WaitForWindow("#32770")) {
    EXPECT_TRUE(SaveWindowPicture(box, "unicode-messagebox-test"));
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    WaitUntil([&] { return !IsWindow(box); });
  }
}

// The system menu with the presets of the current kind, and the dialog that asks for a preset's name.
TEST(DISABLED_Screenshot, PresetMenuAndNameDialog) {
  ClearSettings();
  Program p;
  ASSERT_TRUE(p.main());
  for (const wchar_t* name : {L"Ask before deleting", L"Warn and retry"}) {
    PostMessageW(p.main(), WM_SYSCOMMAND, IDM_PRESET_SAVE, 0);
    HWND dialog = p.WaitForWindow("TPresetDialog");
    ASSERT_TRUE(dialog);
    SetWideText(ChildById(dialog, IDC_edtPresetName), name);
    if (name[0] == L'W') EXPECT_TRUE(SaveWindowPicture(dialog, "preset-save-dialog"));
    PostMessageW(ChildById(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  }
  // The system menu as Alt+Space opens it; Up goes to its last item, "Presets", and Right opens that.
  PostMessageW(p.main(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  ASSERT_TRUE(WaitUntil([&] { return OpenMenus(p).size() == 1; }));
  HWND menu = OpenMenus(p)[0];
  PostMessageW(menu, WM_KEYDOWN, VK_UP, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_TRUE(WaitUntil([&] { return OpenMenus(p).size() == 2; }));
  Sleep(300);
  RECT all;
  GetWindowRect(p.main(), &all);
  for (HWND h : OpenMenus(p)) {
    RECT r;
    GetWindowRect(h, &r);
    UnionRect(&all, &all, &r);
  }
  EXPECT_TRUE(SaveScreenPicture(all, "preset-system-menu"));
  for (HWND h : OpenMenus(p)) PostMessageW(h, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageW(p.main(), WM_CANCELMODE, 0, 0);
  WaitUntil([&] { return OpenMenus(p).empty(); });
}
