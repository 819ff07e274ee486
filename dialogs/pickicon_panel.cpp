// The pick-icon panel and its builder.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <iterator>
#include <string>

#include "app/builder.h"
#include "app/hints.h"
#include "app/speed_button.h"
#include "app/text.h"
#include "app/win_util.h"
#include "dialogs/kind_panel.h"
#include "dialogs/openfile_panel.h"
#include "dialogs/pickicon_core.h"
#include "resource.h"

namespace qm {

namespace {

// shell32 exports the icon picker by this ordinal only; on the NT family its path is UTF-16.
constexpr WORD kPickIconOrdinal = 62;
using PickIconProc = int(WINAPI*)(HWND owner, wchar_t* path, UINT pathChars, int* iconIndex);

// How long typing pauses before the typed file is read for its icon.
constexpr UINT kIconPauseMs = 300;
constexpr UINT_PTR kIconTimer = 1;

// While the user types, the file is read only where that is quick: not from another computer, which may keep the
// window waiting for seconds, nor from a drive that may first have to spin up or ask for its disc.
bool QuickToRead(const std::string& file) {
  const PathLocation where = LocatePath(file);
  if (where.place == PathPlace::Unc) return false;
  const UINT type = GetDriveTypeW(where.place == PathPlace::Drive ? Wide(where.root).c_str() : nullptr);
  return type != DRIVE_REMOTE && type != DRIVE_REMOVABLE && type != DRIVE_CDROM;
}

class PickIconPanel : public KindPanel {
 public:
  PickIconPanel() : KindPanel(dkPickIcon) {}
  ~PickIconPanel() override {
    if (panel()) KillTimer(panel(), kIconTimer);
  }

 protected:
  void CreateControls(Builder& b) override {
    b.Group(IDC_grpIconFile, " Icon File: ", 9, 5, 433, 100);
    b.Origin(9, 5);
    b.Label(IDC_lblFileToOpen, "Default:", 14, 30, 96, 14);
    b.Edit(IDC_edtFileToOpen, "", 112, 26, 278, 21);
    SpeedButtonStyle file;
    file.flat = true;
    file.pictureId = IDB_FILE;
    b.Speed(IDC_btnIconFile, "", 396, 25, 23, 23, file);
    b.Label(IDC_lblFileName, "Variable Name: ", 14, 66, 96, 14);
    b.Edit(IDC_edtFileName, "pszFileName", 112, 62, 150, 21);

    b.Origin(0, 0);
    b.Group(IDC_grpIconIndex, " Icon Index: ", 9, 115, 433, 100);
    b.Origin(9, 115);
    b.Label(IDC_lblIconIndex, "Default:", 14, 30, 96, 14);
    b.Spin(IDC_seIconIndex, IDC_seIconIndex_UD, 112, 26, 100, 21, 0, 0, 0);
    b.Label(IDC_lblIconIndexVar, "Variable Name: ", 14, 66, 96, 14);
    b.Edit(IDC_edtIconIndex, "nIconIndex", 112, 62, 150, 21);
    b.Make("STATIC", IDC_imgIcon, "", SS_ICON | SS_CENTERIMAGE, 0, 380, 34, 32, 32);
    b.Origin(0, 0);
  }

  bool OnCommand(int id, int code, HWND) override {
    if (id == IDC_btnIconFile && code == BN_CLICKED) {
      btnIconFileClick();
      return true;
    }
    if ((id == IDC_edtFileToOpen || id == IDC_seIconIndex) && code == EN_CHANGE) {
      // Every change starts the pause again; a timer that is set anew replaces the running one.
      SetTimer(panel(), kIconTimer, kIconPauseMs, nullptr);
      return true;
    }
    return false;
  }

  bool OnMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) override {
    if (msg == WM_TIMER && wp == kIconTimer) {
      KillTimer(panel(), kIconTimer);
      ShowChosenIcon(false);
      result = 0;
      return true;
    }
    if (msg == WM_DESTROY) KillTimer(panel(), kIconTimer);
    return false;
  }

  void Reset() override {
    SetText(Item(IDC_edtFileToOpen), "");
    SetText(Item(IDC_edtFileName), "pszFileName");
    SetSpinValue(Item(IDC_seIconIndex), 0);
    SetText(Item(IDC_edtIconIndex), "nIconIndex");
    KillTimer(panel(), kIconTimer);
    SetIcon(nullptr);
  }

  void ShowDialog() override {
    const PickIconOptions o = ReadOptions();
    // The buffer holds 260 characters with the zero: a longer path is cut, never written past the end.
    wchar_t path[kPickIconPathChars] = {};
    CopyToBuffer(o.fileToOpen, path, std::size(path));
    int index = o.iconIndex;
    ScopedModule shell(LoadLibraryW(L"shell32.dll"));
    auto pick = shell ? reinterpret_cast<PickIconProc>(reinterpret_cast<void (*)()>(
                            GetProcAddress(shell.get(), MAKEINTRESOURCEA(kPickIconOrdinal))))
                      : nullptr;
    if (!pick) throw AppError("The shell offers no icon picker");
    pick(owner(), path, static_cast<UINT>(std::size(path)), &index);
    // What the user picked stays in the dialog: the panel keeps its values.
  }

  GeneratedCode GenerateCode() const override {
    return GeneratePickIcon(ReadOptions(), LoadFrameTexts(), target(), handleAnswer());
  }

 private:
  void btnIconFileClick() {
    wchar_t file[MAX_PATH + 1] = {};
    static const wchar_t kFilter[] =
        L"Win32 PE (*.exe, *.dll, *.ocx, *.cpl)\0*.exe;*.dll;*.ocx;*.cpl\0All Files (*.*)\0*.*\0";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = kOpenFileNameSize;
    ofn.hwndOwner = owner();
    ofn.lpstrFilter = kFilter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = static_cast<DWORD>(std::size(file));
    ofn.lpstrTitle = L"Open Icon File";
    ofn.Flags = OFN_HIDEREADONLY;
    EnsureOle();
    if (!GetOpenFileNameW(&ofn)) return;
    // A file chosen in the dialog is shown at once, wherever it lies: the dialog has just read its folder.
    SetText(Item(IDC_edtFileToOpen), Utf8(file));
    KillTimer(panel(), kIconTimer);
    ShowChosenIcon(true);
  }

  // imgIcon shows the icon that the file and index name, or nothing when there is none or the file is not read.
  void ShowChosenIcon(bool chosen) {
    const std::string file = GetText(Item(IDC_edtFileToOpen));
    const std::wstring path = Wide(file);
    HICON large = nullptr;
    if (!path.empty() && path.size() < MAX_PATH && (chosen || QuickToRead(file))) {
      const int index = SpinValue(Item(IDC_seIconIndex), 0);
      ExtractIconExW(path.c_str(), index, &large, nullptr, 1);
    }
    SetIcon(large);
  }

  void SetIcon(HICON icon) {
    ScopedIcon next(icon);
    SendMessageW(Item(IDC_imgIcon), STM_SETICON, reinterpret_cast<WPARAM>(next.get()), 0);
    icon_ = std::move(next);  // the one shown before is destroyed only now that it is no longer shown
  }

  PickIconOptions ReadOptions() const {
    PickIconOptions o;
    o.fileToOpen = GetText(Item(IDC_edtFileToOpen));
    o.fileNameVar = GetText(Item(IDC_edtFileName));
    o.iconIndex = SpinValue(Item(IDC_seIconIndex), 0);
    o.iconIndexVar = GetText(Item(IDC_edtIconIndex));
    return o;
  }

  ScopedIcon icon_;
};

}  // namespace

template <>
std::unique_ptr<KindPanel> MakeKindPanel<dkPickIcon>() {
  return std::make_unique<PickIconPanel>();
}

}  // namespace qm
