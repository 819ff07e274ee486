// The message box panel and its builder.
#include "app/builder.h"
#include "app/hints.h"
#include "app/speed_button.h"
#include "app/gdi_cache.h"
#include "app/text.h"
#include "app/win_util.h"
#include "dialogs/kind_panel.h"
#include "dialogs/messagebox_core.h"
#include "resource.h"

#include <vector>

namespace qm {

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct IconButton {
  int id;
  int left;
  int picture;
  const char* name;
};
// Panel order: information, warning, error, confirmation.
const IconButton kIcons[] = {
    {IDC_tbnInformation, 12, IDB_INFORMATION, "Information"},
    {IDC_tbnWarning, 61, IDB_WARNING, "Warning"},
    {IDC_tbnError, 109, IDB_ERROR, "Error"},
    {IDC_tbnConfirmation, 157, IDB_CONFIRMATION, "Confirmation"},
};

const RECT kCaptionGroup{9, 5, 9 + 216, 5 + 68};

class MessageBoxPanel : public KindPanel {
 public:
  MessageBoxPanel() : KindPanel(dkMessageBox) {}

 protected:
  void CreateControls(Builder& b) override {
    b.Group(IDC_GroupBox1, " Dialog &Caption: ", 9, 5, 216, 68);
    HWND caption = b.Combo(IDC_cboCaption, 9 + 13, 5 + 26, 191, 120, true,
                           {"Information", "Confirm", "Warning", "Error"});
    SetText(caption, "Information");
    AddHint(caption, " String used for the dialog box title");
    SendMessageW(Item(IDC_GroupBox1), WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont(-11, b.dpi())), FALSE);

    b.Label(IDC_Label2, "Dialog Tit&le:", 9, 78, 100, 14);
    b.Memo(IDC_memText, "", 9, 94, 432, 38);

    b.Group(IDC_GroupBox4, " Additional &Options: ", 257, 138, 185, 168);
    b.Origin(257, 138);
    b.Radio(IDC_rbnAPPLMODAL, "Application Modal", 16, 17, 153, 21, true, true);
    b.Radio(IDC_rbnTASKMODAL, "Task Modal", 16, 45, 153, 21, false, false);
    b.Radio(IDC_rbnSYSTEMMODAL, "System Modal", 16, 72, 153, 21, false, false);
    b.Check(IDC_chkAsProcedure, "Call As Procedure", 16, 115, 153, 17, false);
    SetWindowLongW(Item(IDC_chkAsProcedure), GWL_STYLE,
                   GetWindowLongW(Item(IDC_chkAsProcedure), GWL_STYLE) | WS_GROUP);
    b.Label(IDC_Label1, "&Variable:", 16, 144, 50, 14);
    b.Edit(IDC_edtVarName, "Result", 67, 140, 105, 21);

    b.Origin(0, 0);
    b.Group(IDC_grpMB, " &Buttons: ", 9, 138, 238, 168);
    b.Origin(9, 138);
    SpeedButtonStyle set;
    set.group = 1;
    const int lefts[3] = {13, 85, 157};
    int column = 0;
    int lastRow = 0;
    std::vector<ToolButton> sets;
    for (int i = 0; i < kMbButtonCount; ++i) {
      const MbButtonInfo& info = MbButtonDescription(static_cast<MbButton>(i));
      column = info.row == lastRow ? column + 1 : 0;
      lastRow = info.row;
      sets.push_back({IDC_MB_FIRST + i, info.caption, lefts[column], 21 + 24 * (info.row - 1), 68, 20, 0, nullptr});
    }
    buttonSets_ = b.SpeedBar(IDC_tbrMB, sets, set);
    SetDown(buttonSets_, IDC_btnOK_1, true);
    MBClick();

    b.Origin(0, 0);
    b.Group(IDC_GroupBox2, " System &Icon: ", 231, 5, 211, 68);
    b.Origin(231, 5);
    SpeedButtonStyle icon;
    icon.flat = true;
    icon.group = 2;
    icon.allowAllUp = true;
    std::vector<ToolButton> icons;
    for (const auto& i : kIcons) icons.push_back({i.id, "", i.left, 20, 44, 40, i.picture, i.name});
    icons_ = b.SpeedBar(IDC_tbrIcon, icons, icon);
    SetDown(icons_, IDC_tbnInformation, true);
  }

  bool OnCommand(int id, int code, HWND) override {
    if (id >= IDC_MB_FIRST && id <= IDC_MB_LAST && code == BN_CLICKED) {
      MBClick();
      return true;
    }
    return false;
  }

  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_ERASEBKGND) {
      // The caption group is painted like a title bar.
      HDC dc = reinterpret_cast<HDC>(wp);
      RECT r;
      GetClientRect(panel(), &r);
      FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
      const int dpi = DpiOf(panel());
      const RECT caption{Scale(kCaptionGroup.left, dpi), Scale(kCaptionGroup.top, dpi), Scale(kCaptionGroup.right, dpi),
                         Scale(kCaptionGroup.bottom, dpi)};
      FillRect(dc, &caption, GetSysColorBrush(COLOR_ACTIVECAPTION));
      result = 1;
      return true;
    }
    if (msg == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lp) == Item(IDC_GroupBox1)) {
      HDC dc = reinterpret_cast<HDC>(wp);
      SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
      SetBkColor(dc, GetSysColor(COLOR_ACTIVECAPTION));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_ACTIVECAPTION));
      return true;
    }
    if ((msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORSTATIC) && reinterpret_cast<HWND>(lp) == Item(IDC_memText)) {
      HDC dc = reinterpret_cast<HDC>(wp);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
    return false;
  }

  void Reset() override {
    SendMessageW(Item(IDC_cboCaption), CB_SETCURSEL, 0, 0);
    SetDown(icons_, IDC_tbnInformation, true);
    SetText(Item(IDC_memText), "");
    SetDown(buttonSets_, IDC_btnOK_1, true);
    CheckRadioButton(panel(), IDC_rbnAPPLMODAL, IDC_rbnSYSTEMMODAL, IDC_rbnAPPLMODAL);
    SetText(Item(IDC_edtVarName), "Result");
    MBClick();
  }

  void ShowDialog() override {
    const MessageBoxOptions o = ReadOptions();
    const std::string text = GetText(Item(IDC_memText));
    MessageBoxW(owner(), Wide(text).c_str(), Wide(o.title).c_str(), MessageBoxFlags(o));
  }

  GeneratedCode GenerateCode() const override {
    return GenerateMessageBox(ReadOptions(), LoadFrameTexts(), target(), handleAnswer());
  }

 private:
  // Red for the button that is down, blue for the rest of its row, black elsewhere.
  void MBClick() {
    int downRow = 0;
    for (int i = 0; i < kMbButtonCount; ++i)
      if (IsDown(buttonSets_, IDC_MB_FIRST + i)) downRow = MbButtonDescription(static_cast<MbButton>(i)).row;
    for (int i = 0; i < kMbButtonCount; ++i) {
      const int id = IDC_MB_FIRST + i;
      SetCaptionColor(buttonSets_, id,
                      IsDown(buttonSets_, id)                                         ? kRed
                      : MbButtonDescription(static_cast<MbButton>(i)).row == downRow ? kBlue
                                                                                      : kBlack);
    }
  }

  MessageBoxOptions ReadOptions() const {
    MessageBoxOptions o;
    o.title = GetText(Item(IDC_cboCaption));
    o.textLines = MemoLines(Item(IDC_memText));
    // The first icon button found down, in this order.
    o.icon = MbIcon::None;
    const std::pair<int, MbIcon> order[] = {{IDC_tbnInformation, MbIcon::Information},
                                            {IDC_tbnConfirmation, MbIcon::Confirmation},
                                            {IDC_tbnError, MbIcon::Error},
                                            {IDC_tbnWarning, MbIcon::Warning}};
    for (const auto& [id, icon] : order) {
      if (IsDown(icons_, id)) {
        o.icon = icon;
        break;
      }
    }
    for (int i = 0; i < kMbButtonCount; ++i) {
      if (IsDown(buttonSets_, IDC_MB_FIRST + i)) {
        o.button = static_cast<MbButton>(i);
        break;
      }
    }
    o.modality = IsChecked(Item(IDC_rbnTASKMODAL))     ? MbModality::Task
                 : IsChecked(Item(IDC_rbnSYSTEMMODAL)) ? MbModality::System
                                                       : MbModality::Application;
    o.asProcedure = IsChecked(Item(IDC_chkAsProcedure));
    o.varName = GetText(Item(IDC_edtVarName));
    return o;
  }

  HWND buttonSets_ = nullptr;
  HWND icons_ = nullptr;
};

}  // namespace

template <>
std::unique_ptr<KindPanel> MakeKindPanel<dkMessageBox>() {
  return std::make_unique<MessageBoxPanel>();
}

}  // namespace qm
