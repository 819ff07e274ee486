// The file-operation panel, its animation, and its builder.
#include <windows.h>
#include <shellapi.h>

#include "app/builder.h"
#include "app/hints.h"
#include "app/speed_button.h"
#include "app/string_grid.h"
#include "app/text.h"
#include "app/win_util.h"
#include "dialogs/fileop_core.h"
#include "dialogs/kind_panel.h"
#include "resource.h"

namespace qm {

namespace {

struct OptionBox {
  int id;
  const char* caption;
  bool checked;  // start value
};
// Panel order: two rows of three.
const OptionBox kOptions[] = {
    {IDC_ALLOWUNDO, "Allow &Undo", true},
    {IDC_NOCONFIRMATION, "No C&onfirmation", false},
    {IDC_RENAMEONCOLLISION, "Rename on Co&llissions", false},
    {IDC_FILESONLY, "Files &Only", false},
    {IDC_SIMPLEPROGRESS, "&Simple Progress", false},
    {IDC_MULTIDESTFILES, "&Multiple Destinations", false},
};

const char* const kOperations[] = {"&Copy File(s)", "&Delete File(s)", "&Move File(s)", "&Rename File"};

// Where the copy-files clip rests while it does not play.
constexpr int kStopFrame = 34;

class FileOpPanel : public KindPanel {
 public:
  FileOpPanel() : KindPanel(dkFileOperation) {}

  void OnSelected(bool current) override {
    current_ = current;
    if (!created()) return;
    if (current) Play();
    else Stop();
  }

 protected:
  void CreateControls(Builder& b) override {
    b.Group(IDC_rgpFileOp, " File Operation: ", 9, 5, 140, 106);
    b.Origin(9, 5);
    for (int i = 0; i < 4; ++i) b.Radio(IDC_rgpFileOp_0 + i, kOperations[i], 12, 18 + 21 * i, 122, 20, i == 0, i == 0);

    b.Origin(0, 0);
    b.Make(ANIMATE_CLASSA, IDC_aviFileOp, "", ACS_CENTER | ACS_TRANSPARENT, 0, 157, 8, 285, 60);
    OpenClip(FileOpClip::CopyFiles);
    // A clip shorter than the resting frame stays on its first frame.
    SendMessageW(Item(IDC_aviFileOp), ACM_PLAY, 1, MAKELPARAM(kStopFrame, kStopFrame));

    b.Label(IDC_lblProgressTitle, "&Title of Progress Dialog:", 157, 72, 200, 14);
    b.Edit(IDC_edtProgressTitle, "", 157, 88, 285, 21);

    b.Group(IDC_grpFileOpOptions, " Options: ", 9, 115, 433, 66);
    const int kColumnLeft[3] = {12, 140, 284};
    const int kColumnWidth[3] = {124, 140, 145};
    b.Origin(9, 115);
    for (int i = 0; i < 6; ++i) {
      const int column = i % 3;
      HWND box = b.Check(kOptions[i].id, kOptions[i].caption, kColumnLeft[column], 18 + 22 * (i / 3),
                         kColumnWidth[column], 17, kOptions[i].checked);
      if (i == 0) SetWindowLongW(box, GWL_STYLE, GetWindowLongW(box, GWL_STYLE) | WS_GROUP);
    }

    b.Origin(0, 0);
    HWND from = CreateStringGrid(panel(), IDC_strFrom, 9, 187, 213, 119, {213 - 21}, kFileListRows + 1, 16);
    HWND to = CreateStringGrid(panel(), IDC_strTo, 229, 187, 213, 119, {213 - 21}, kFileListRows + 1, 16);
    SetCell(from, 0, 0, "From:");
    SetCell(to, 0, 0, "To:");

    SIMPLEPROGRESSClick();
  }

  bool OnCommand(int id, int code, HWND) override {
    if (code != BN_CLICKED) return false;
    if (id >= IDC_rgpFileOp_0 && id <= IDC_rgpFileOp_3) {
      rgpFileOpClick();
      return true;
    }
    if (id == IDC_ALLOWUNDO) {
      ALLOWUNDOClick();
      return true;
    }
    if (id == IDC_SIMPLEPROGRESS) {
      SIMPLEPROGRESSClick();
      return true;
    }
    return false;
  }

  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    // The progress title's edit has the button-face colour, enabled or not.
    if ((msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORSTATIC) &&
        reinterpret_cast<HWND>(lp) == Item(IDC_edtProgressTitle)) {
      SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_BTNFACE));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
    return false;
  }

  // Every control back to its start value, except the two lists, which keep their rows.
  void Reset() override {
    CheckRadioButton(panel(), IDC_rgpFileOp_0, IDC_rgpFileOp_3, IDC_rgpFileOp_0);
    for (const auto& option : kOptions) SetChecked(Item(option.id), option.checked);
    SetText(Item(IDC_edtProgressTitle), "");
    rgpFileOpClick();
    SIMPLEPROGRESSClick();
  }

  void ShowDialog() override {
    const FileOpOptions o = ReadOptions();
    // The lists keep their NULs through the conversion: each name, NUL, and the final NUL, in UTF-16.
    const std::wstring from = Wide(ShellList(o.from));
    const std::wstring to = Wide(ShellList(o.to));
    const std::wstring title = Wide(o.progressTitle);
    SHFILEOPSTRUCTW op{};
    op.hwnd = owner();
    op.wFunc = FileOpFunc(o.operation);
    op.pFrom = from.c_str();
    op.pTo = to.c_str();
    op.fFlags = static_cast<FILEOP_FLAGS>(FileOpFlags(o));
    op.hNameMappings = nullptr;
    // The title goes to the shell whenever one is typed; only the generated code asks for "Simple Progress".
    op.lpszProgressTitle = title.empty() ? nullptr : title.c_str();
    // The shell shows its own progress, confirmations and errors; nothing is read back.
    SHFileOperationW(&op);
  }

  GeneratedCode GenerateCode() const override {
    return GenerateFileOperation(ReadOptions(), LoadFrameTexts(), target(), handleAnswer());
  }

 private:
  FileOp Operation() const {
    for (int i = 0; i < 4; ++i)
      if (IsChecked(Item(IDC_rgpFileOp_0 + i))) return static_cast<FileOp>(i);
    return FileOp::Copy;
  }

  void rgpFileOpClick() {
    Stop();
    const FileOp op = Operation();
    OpenClip(ClipFor(op, IsChecked(Item(IDC_ALLOWUNDO))));
    Play();
    // Delete has no destination; the list keeps its rows and still reaches the test and the code.
    EnableWindow(Item(IDC_strTo), op != FileOp::Delete);
  }

  void ALLOWUNDOClick() {
    Stop();
    if (Operation() == FileOp::Delete) OpenClip(ClipFor(FileOp::Delete, IsChecked(Item(IDC_ALLOWUNDO))));
    Play();
  }

  void SIMPLEPROGRESSClick() {
    const bool on = IsChecked(Item(IDC_SIMPLEPROGRESS));
    EnableWindow(Item(IDC_lblProgressTitle), on);
    EnableWindow(Item(IDC_edtProgressTitle), on);
  }

  // Opens the clip from shell32's resources. A system without that clip (Wine has no recycle clip) shows the delete
  // clip instead, and failing that any standard clip it has, so the control is never empty. The clip shown is kept
  // as the control's property kClipProperty (its shell32 resource id), for anyone who automates the program.
  void OpenClip(FileOpClip wanted) {
    HWND avi = Item(IDC_aviFileOp);
    HMODULE shell = ShellModule();
    const FileOpClip candidates[] = {wanted, FileOpClip::DeleteFile, FileOpClip::CopyFiles, FileOpClip::CopyFile};
    for (FileOpClip clip : candidates) {
      const int id = ClipResourceId(clip);
      if (SendMessageW(avi, ACM_OPENW, reinterpret_cast<WPARAM>(shell), reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(id)))) {
        SetPropW(avi, Wide(kClipProperty).c_str(), reinterpret_cast<HANDLE>(static_cast<INT_PTR>(id)));
        return;
      }
    }
    RemovePropW(avi, Wide(kClipProperty).c_str());
  }

  // The animation plays only while this kind is the current one.
  void Play() {
    if (current_) SendMessageW(Item(IDC_aviFileOp), ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF));
  }
  void Stop() { SendMessageW(Item(IDC_aviFileOp), ACM_STOP, 0, 0); }

  FileOpOptions ReadOptions() const {
    FileOpOptions o;
    o.operation = Operation();
    o.allowUndo = IsChecked(Item(IDC_ALLOWUNDO));
    o.noConfirmation = IsChecked(Item(IDC_NOCONFIRMATION));
    o.renameOnCollision = IsChecked(Item(IDC_RENAMEONCOLLISION));
    o.filesOnly = IsChecked(Item(IDC_FILESONLY));
    o.simpleProgress = IsChecked(Item(IDC_SIMPLEPROGRESS));
    o.multiDestFiles = IsChecked(Item(IDC_MULTIDESTFILES));
    o.progressTitle = GetText(Item(IDC_edtProgressTitle));
    o.from = ListEntries(Column(IDC_strFrom));
    o.to = ListEntries(Column(IDC_strTo));
    return o;
  }

  Lines Column(int id) const {
    HWND grid = Item(id);
    Lines cells;
    for (int row = 1; row <= kFileListRows; ++row) cells.push_back(GetCell(grid, 0, row));
    return cells;
  }

  bool current_ = false;
};

}  // namespace

template <>
std::unique_ptr<KindPanel> MakeKindPanel<dkFileOperation>() {
  return std::make_unique<FileOpPanel>();
}

}  // namespace qm
