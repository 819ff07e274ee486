// The Run dialog panel and its builder.
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "app/builder.h"
#include "app/hints.h"
#include "app/speed_button.h"
#include "app/gdi_cache.h"
#include "app/text.h"
#include "app/win_util.h"
#include "dialogs/kind_panel.h"
#include "dialogs/rundlg_core.h"
#include "resource.h"

namespace qm {

namespace {

// shell32 exports the Run dialog by this ordinal only; on the NT family its texts are UTF-16.
constexpr WORD kRunDialogOrdinal = 61;
using RunDialogProc = void(WINAPI*)(HWND owner, HICON icon, const wchar_t* directory, const wchar_t* title,
                                    const wchar_t* description, UINT flags);

// One text as the Run dialog takes it: UTF-16, zero-terminated, in a buffer of the size the generated code allocates
// for a text of that many characters.
std::vector<wchar_t> DialogText(const std::string& text) {
  std::vector<wchar_t> buffer(RunDlgBufferBytes(Wide(text).size(), true) / sizeof(wchar_t));
  CopyToBuffer(text, buffer.data(), buffer.size());
  return buffer;
}

class RunDlgPanel : public KindPanel {
 public:
  RunDlgPanel() : KindPanel(dkRunFile) {}

 protected:
  void CreateControls(Builder& b) override {
    b.Group(IDC_grpRunTitle, " Dialog Tit&le: ", 9, 5, 432, 52);
    b.Origin(9, 5);
    HWND title = b.Edit(IDC_edtRunTitle, "Run", 13, 21, 405, 21);
    SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont(-11, DpiOf(title))), FALSE);

    b.Origin(0, 0);
    b.Label(IDC_lblDescription, "Dialog &Description:", 9, 63, 150, 14);
    b.Memo(IDC_memDescription, kRunDefaultDescription, 9, 79, 432, 56);

    b.Group(IDC_grpDirectory, " Sta&rt Directory: ", 9, 143, 238, 66);
    b.Origin(9, 143);
    b.Edit(IDC_edtDirectory, "", 13, 28, 186, 21);
    SpeedButtonStyle folder;
    folder.flat = true;
    folder.pictureId = IDB_FOLDER;
    b.Speed(IDC_btnBrowseDir, "", 204, 27, 23, 23, folder);

    b.Origin(0, 0);
    b.Group(IDC_rgpRunIcon, " Dialog &Icon: ", 9, 217, 238, 89);
    b.Origin(9, 217);
    b.Radio(IDC_rgpRunIcon_0, "&Standard", 16, 26, 150, 17, true, true);
    b.Radio(IDC_rgpRunIcon_1, "Ap&plication", 16, 54, 150, 17, false, false);

    b.Origin(0, 0);
    HWND flags = b.Group(IDC_grpRunFlags, " Flags: ", 257, 143, 185, 163);
    SetWindowLongW(flags, GWL_STYLE, GetWindowLongW(flags, GWL_STYLE) | WS_GROUP);  // ends the icon's radio group
    b.Origin(257, 143);
    b.Check(IDC_chkBrowseButton, "No &Browse Button", 16, 22, 160, 17, false);
    b.Check(IDC_chkDefaultItem, "No &Default Item Selected", 16, 50, 160, 17, false);
    b.Check(IDC_chkCalcWorkDir, "&Calc Work Directory", 16, 78, 160, 17, false);
    b.Check(IDC_chkNoLabel, "No &Label", 16, 106, 160, 17, false);
    b.Check(IDC_chkNoSeparate, "No &Separate Memory", 16, 134, 160, 17, false);
    b.Origin(0, 0);
  }

  bool OnCommand(int id, int code, HWND) override {
    if (id == IDC_chkBrowseButton && code == BN_CLICKED) {
      chkBrowseButtonClick();
      return true;
    }
    if (id == IDC_btnBrowseDir && code == BN_CLICKED) {
      btnBrowseDirClick();
      return true;
    }
    return false;
  }

  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg != WM_CTLCOLOREDIT) return false;
    HDC dc = reinterpret_cast<HDC>(wp);
    HWND control = reinterpret_cast<HWND>(lp);
    if (control == Item(IDC_edtRunTitle)) {
      // The title is shown as the dialog's title bar will show it.
      SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
      SetBkColor(dc, GetSysColor(COLOR_ACTIVECAPTION));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_ACTIVECAPTION));
      return true;
    }
    if (control == Item(IDC_memDescription)) {
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
    return false;
  }

  void Reset() override {
    SetText(Item(IDC_edtRunTitle), "Run");
    CheckRadioButton(panel(), IDC_rgpRunIcon_0, IDC_rgpRunIcon_1, IDC_rgpRunIcon_0);
    SetText(Item(IDC_memDescription), kRunDefaultDescription);
    for (int id : {IDC_chkBrowseButton, IDC_chkDefaultItem, IDC_chkCalcWorkDir, IDC_chkNoSeparate, IDC_chkNoLabel}) {
      if (!IsChecked(Item(id))) continue;
      SetChecked(Item(id), false);
      if (id == IDC_chkBrowseButton) chkBrowseButtonClick();
    }
    SetText(Item(IDC_edtDirectory), "");
  }

  void ShowDialog() override {
    const RunDlgOptions o = ReadOptions();
    const std::vector<wchar_t> title = DialogText(o.title);
    const std::vector<wchar_t> description = DialogText(o.description);
    const std::vector<wchar_t> directory = DialogText(o.directory);
    HICON icon = o.applicationIcon ? LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUILLMARK)) : nullptr;
    ScopedModule shell(LoadLibraryW(L"shell32.dll"));
    auto run = shell ? reinterpret_cast<RunDialogProc>(reinterpret_cast<void (*)()>(
                           GetProcAddress(shell.get(), MAKEINTRESOURCEA(kRunDialogOrdinal))))
                     : nullptr;
    if (!run) throw AppError("The shell offers no Run dialog");
    run(owner(), icon, directory.data(), title.data(), description.data(), RunDlgFlags(o));
  }

  GeneratedCode GenerateCode() const override {
    return GenerateRunDlg(ReadOptions(), LoadFrameTexts(), target());
  }

 private:
  void chkBrowseButtonClick() {
    const bool enabled = !IsChecked(Item(IDC_chkBrowseButton));
    EnableWindow(Item(IDC_edtDirectory), enabled);
    EnableWindow(Item(IDC_btnBrowseDir), enabled);
  }

  void btnBrowseDirClick() {
    EnsureOle();
    ScopedPidl root;
    SHGetSpecialFolderLocation(owner(), 0, root.put());
    wchar_t path[MAX_PATH + 1] = {};
    BROWSEINFOW bi{};
    bi.hwndOwner = owner();
    bi.pidlRoot = root.get();
    bi.pszDisplayName = path;
    bi.lpszTitle = L"Select folder that will be open\n\rwhen Browse button is pressed.";
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    ScopedPidl chosen(SHBrowseForFolderW(&bi));
    HWND directory = Item(IDC_edtDirectory);
    if (chosen && SHGetPathFromIDListW(chosen.get(), path)) SetText(directory, Utf8(path));
    SetFocus(directory);
    const int end = GetWindowTextLengthW(directory);
    SendMessageW(directory, EM_SETSEL, end, end);
  }

  RunDlgOptions ReadOptions() const {
    RunDlgOptions o;
    o.title = GetText(Item(IDC_edtRunTitle));
    o.description = GetText(Item(IDC_memDescription));
    o.descriptionLines = MemoLines(Item(IDC_memDescription));
    o.applicationIcon = IsChecked(Item(IDC_rgpRunIcon_1));
    o.directory = GetText(Item(IDC_edtDirectory));
    o.noBrowse = IsChecked(Item(IDC_chkBrowseButton));
    o.noDefault = IsChecked(Item(IDC_chkDefaultItem));
    o.calcDirectory = IsChecked(Item(IDC_chkCalcWorkDir));
    o.noLabel = IsChecked(Item(IDC_chkNoLabel));
    o.noSeparateMemory = IsChecked(Item(IDC_chkNoSeparate));
    // A character of a double-byte code page takes two bytes there.
    o.ansiLength = [](std::string_view text) { return AnsiText(text).size(); };
    return o;
  }
};

}  // namespace

template <>
std::unique_ptr<KindPanel> MakeKindPanel<dkRunFile>() {
  return std::make_unique<RunDlgPanel>();
}

}  // namespace qm
