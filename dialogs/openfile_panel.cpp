// The Open file panel and its builder, and what it shares with the Save file panel: the layout, the browse buttons
// and the call of the Windows dialog.
#include "dialogs/openfile_panel.h"

#include <shlobj.h>

#include <iterator>
#include <string>

#include "app/builder.h"
#include "app/hints.h"
#include "app/speed_button.h"
#include "app/string_grid.h"
#include "app/gdi_cache.h"
#include "app/text.h"
#include "app/win_util.h"
#include "resource.h"

namespace qm {

namespace {

const char kInitWith[] = "&Init Dialog with ";

// Layout shared by both panels (pixels within the 452 x 313 panel).
constexpr int kLabelX = 10;
constexpr int kFieldX = 90;
constexpr int kRight = 442;
constexpr int kRowH = 21;
constexpr int kButton = 21;
constexpr int kGridX = 10;
constexpr int kGridY = 112;
constexpr int kGridW = 201;
constexpr int kGridH = 191;
constexpr int kColumnX = 226;  // the right-hand column beside the grid
constexpr int kColumnW = kRight - kColumnX;

// "Filter &Index:" shows its accelerator but moves the focus nowhere: the dialog keyboard only looks for
// accelerators in controls that answer DLGC_STATIC.
LRESULT CALLBACK NoAcceleratorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (msg == WM_GETDLGCODE) return 0;
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, NoAcceleratorProc, 0);
  return DefSubclassProc(hwnd, msg, wp, lp);
}

void PutTextWithCaretAtEnd(HWND edit, const std::string& text) {
  SetText(edit, text);
  SetFocus(edit);
  const int length = GetWindowTextLengthW(edit);
  SendMessageW(edit, EM_SETSEL, length, length);
}

}  // namespace

// ---- the shared panel ----

void FileDialogPanel::CreateControls(Builder& b) {
  b.Label(ids_.lblTitle, "&Title:", kLabelX, 14, 76, 13);
  HWND title = b.Edit(ids_.title, "", kFieldX, 10, kRight - kFieldX, kRowH);
  SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont(-11, DpiOf(title))), FALSE);

  SpeedButtonStyle glyph;
  glyph.flat = true;
  b.Label(ids_.lblDir, "Iniitial &Dir:", kLabelX, 42, 76, 13);
  b.Edit(ids_.dir, "", kFieldX, 38, kRight - kFieldX - kButton - 3, kRowH);
  glyph.pictureId = IDB_FOLDER;
  b.Speed(ids_.btnDir, "", kRight - kButton, 38, kButton, kButton, glyph);

  b.Label(ids_.lblFile, "File &Name:", kLabelX, 70, 76, 13);
  b.Edit(ids_.file, "", kFieldX, 66, kRight - kFieldX - kButton - 3, kRowH);
  glyph.pictureId = IDB_FILE;
  b.Speed(ids_.btnFile, "", kRight - kButton, 66, kButton, kButton, glyph);

  b.Label(ids_.lblFilter, "&Filter:", kGridX, 96, 76, 13);
  HWND grid = CreateStringGrid(b.parent(), ids_.grid, kGridX, kGridY, kGridW, kGridH, {92, 87}, kFilterGridRows, 16);
  SetCell(grid, 0, 0, "Description");
  SetCell(grid, 1, 0, "Pattern");

  auto index = [&] {
    HWND label = b.Label(ids_.lblIndex, "Filter &Index:", kColumnX, 116, 70, 13);
    SetWindowSubclass(label, NoAcceleratorProc, 0, 0);
    HWND edit = b.Spin(ids_.index, ids_.indexArrows, kColumnX + 74, 112, 60, kRowH, 1, 255, 1);
    SetWindowLongW(edit, GWL_STYLE, GetWindowLongW(edit, GWL_STYLE) | ES_NUMBER);
  };
  auto options = [&] {
    b.Group(ids_.group, " Options: ", kColumnX, 140, kColumnW, 108);
    b.Origin(kColumnX, 140);
    for (int i = 0; i < 5; ++i) {
      const auto& o = ids_.options[i];
      b.Check(o.id, o.caption, 12, 18 + 17 * i, kColumnW - 24, 17, o.checked);
    }
    b.Origin(0, 0);
  };
  if (ids_.indexBeforeOptions) {
    index();
    options();
  } else {
    options();
    index();
  }

  b.Label(ids_.lblVar, "&Variable:", kColumnX, 260, 50, 13);
  b.Edit(ids_.var, "Result", kColumnX + 54, 256, kColumnW - 54, kRowH);
  b.Check(ids_.chkInit, "&Init Dialog with Result", kColumnX, 284, kColumnW, 17, false);
}

bool FileDialogPanel::OnCommand(int id, int code, HWND) {
  if (id == ids_.btnDir && code == BN_CLICKED) {
    BrowseInitialDirectory();
    return true;
  }
  if (id == ids_.btnFile && code == BN_CLICKED) {
    BrowseFileName();
    return true;
  }
  if (id == ids_.var && code == EN_CHANGE) {
    VarChange();
    return true;
  }
  if (id == ids_.chkInit && code == BN_CLICKED) {
    InitWithClick();
    return true;
  }
  if (id == ids_.index && code == EN_KILLFOCUS) {
    // The field shows the index that the builder will use.
    const std::string text = GetText(Item(ids_.index));
    const std::string held = std::to_string(FilterIndexFromText(text));
    if (text != held) SetText(Item(ids_.index), held);
    return true;
  }
  return false;
}

bool FileDialogPanel::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_CTLCOLOREDIT && reinterpret_cast<HWND>(lp) == Item(ids_.title)) {
    // The title edit looks like the title bar of the dialog it names.
    HDC dc = reinterpret_cast<HDC>(wp);
    SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
    SetBkColor(dc, GetSysColor(COLOR_ACTIVECAPTION));
    result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_ACTIVECAPTION));
    return true;
  }
  return false;
}

void FileDialogPanel::VarChange() { SetText(Item(ids_.chkInit), kInitWith + GetText(Item(ids_.var))); }

void FileDialogPanel::InitWithClick() {
  const BOOL enable = Checked(ids_.chkInit) ? FALSE : TRUE;
  EnableWindow(Item(ids_.lblFile), enable);
  EnableWindow(Item(ids_.file), enable);
  EnableWindow(Item(ids_.btnFile), enable);
}

void FileDialogPanel::Reset() {
  SetText(Item(ids_.title), "");
  SetText(Item(ids_.dir), "");
  SetText(Item(ids_.file), "");
  for (const auto& o : ids_.options) SetChecked(Item(o.id), o.checked);
  SetSpinValue(Item(ids_.index), 1);
  SetText(Item(ids_.var), "Result");
  VarChange();
  SetChecked(Item(ids_.chkInit), false);
  InitWithClick();
}

void FileDialogPanel::ReadCommon(FileDialogOptions& o) const {
  o.title = GetText(Item(ids_.title));
  o.initialDir = GetText(Item(ids_.dir));
  o.fileName = GetText(Item(ids_.file));
  HWND grid = Item(ids_.grid);
  o.gridRows.clear();
  for (int row = 1; row < GridRowCount(grid); ++row) o.gridRows.push_back({GetCell(grid, 0, row), GetCell(grid, 1, row)});
  o.filterIndex = FilterIndexFromText(GetText(Item(ids_.index)));
  o.varName = GetText(Item(ids_.var));
  o.initWithVar = Checked(ids_.chkInit);
}

void FileDialogPanel::ShowFileDialog(bool save, const FileDialogOptions& options, std::uint32_t flags) const {
  const FileDialogRecord record = PrepareFileDialog(options, flags);
  // The dialog takes UTF-16: the file name is cut to the record's buffer by characters, not by the bytes of its UTF-8.
  wchar_t file[kFileNameBufferChars] = {};
  CopyToBuffer(options.fileName, file, std::size(file));
  const std::wstring filter = Wide(record.filterList);  // its NULs carry over
  const std::wstring title = Wide(record.title);
  const std::wstring initialDir = Wide(record.initialDir);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = kOpenFileNameSize;
  ofn.hwndOwner = owner();
  ofn.lpstrFile = file;
  ofn.nMaxFile = static_cast<DWORD>(std::size(file));
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrTitle = record.hasTitle ? title.c_str() : nullptr;
  ofn.lpstrInitialDir = record.hasInitialDir ? initialDir.c_str() : nullptr;
  ofn.nFilterIndex = record.filterIndex;
  ofn.Flags = record.flags;
  if (save) GetSaveFileNameW(&ofn);
  else GetOpenFileNameW(&ofn);
}

// ---- the browse buttons ----

void FileDialogPanel::BrowseInitialDirectory() {
  EnsureOle();
  HWND owner = this->owner();
  ScopedPidl desktop;
  if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_DESKTOP, desktop.put()))) desktop.reset();
  wchar_t buffer[MAX_PATH + 1] = {};
  BROWSEINFOW bi{};
  bi.hwndOwner = owner;
  bi.pidlRoot = desktop.get();
  bi.pszDisplayName = buffer;
  bi.lpszTitle = L"Select initial file directory.";
  bi.ulFlags = BIF_RETURNONLYFSDIRS;
  ScopedPidl chosen(SHBrowseForFolderW(&bi));
  if (!chosen || !SHGetPathFromIDListW(chosen.get(), buffer)) return;
  buffer[MAX_PATH] = L'\0';
  PutTextWithCaretAtEnd(Item(ids_.dir), Utf8(buffer));
}

void FileDialogPanel::BrowseFileName() {
  EnsureOle();
  wchar_t file[kFileNameBufferChars] = {};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = kOpenFileNameSize;
  ofn.hwndOwner = owner();
  ofn.lpstrFile = file;
  ofn.nMaxFile = static_cast<DWORD>(std::size(file));
  ofn.Flags = OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&ofn)) return;
  file[std::size(file) - 1] = L'\0';
  PutTextWithCaretAtEnd(Item(ids_.file), Utf8(file));
}

// ---- the Open panel ----

namespace {

const FileDialogPanelIds kOpenIds = {
    IDC_lblOpenTitle, IDC_OpenTitle, IDC_lblOpenDir, IDC_OpenDir, IDC_btnOpenDir, IDC_lblOpenFile, IDC_OpenFile,
    IDC_btnOpenFile, IDC_lblOpenFilter, IDC_GridOpen, IDC_lblOpenIndex, IDC_OpenIndex, IDC_OpenIndex_UD,
    IDC_grpOpenOptions,
    {{IDC_FILEMUSTEXIST, "File Must Exist", false},
     {IDC_PATHMUSTEXIST, "Path Must Exist", false},
     {IDC_HIDEREADONLY, "Hide Read Only", true},
     {IDC_ALLOWMULTISELECT, "Allow Multiple Selection", false},
     {IDC_CREATEPROMPT, "Create Prompt", false}},
    IDC_lblOpenVar, IDC_edtOpenVar, IDC_chkInitOpen,
    true,
};

class OpenFilePanel : public FileDialogPanel {
 public:
  OpenFilePanel() : FileDialogPanel(dkOpenFile, kOpenIds) {}

 protected:
  void ShowDialog() override {
    const OpenFileOptions o = ReadOptions();
    // The test starts with the file-name text even when the generated code would use the variable.
    ShowFileDialog(false, o, OpenFileFlags(o));
  }

  GeneratedCode GenerateCode() const override {
    return GenerateOpenFile(ReadOptions(), LoadFrameTexts(), target(), handleAnswer());
  }

 private:
  OpenFileOptions ReadOptions() const {
    OpenFileOptions o;
    ReadCommon(o);
    o.allowMultiSelect = Checked(IDC_ALLOWMULTISELECT);
    o.hideReadOnly = Checked(IDC_HIDEREADONLY);
    o.fileMustExist = Checked(IDC_FILEMUSTEXIST);
    o.pathMustExist = Checked(IDC_PATHMUSTEXIST);
    o.createPrompt = Checked(IDC_CREATEPROMPT);
    return o;
  }
};

}  // namespace

template <>
std::unique_ptr<KindPanel> MakeKindPanel<dkOpenFile>() {
  return std::make_unique<OpenFilePanel>();
}

}  // namespace qm
