// The format-drive panel and its builder.
#include <windows.h>
#include <shlobj.h>

#include "app/builder.h"
#include "app/hints.h"
#include "app/speed_button.h"
#include "app/text.h"
#include "app/win_util.h"
#include "dialogs/formatdrive_core.h"
#include "dialogs/kind_panel.h"
#include "resource.h"

namespace qm {

namespace {

class FormatDrivePanel : public KindPanel {
 public:
  FormatDrivePanel() : KindPanel(dkFormatDrive) {}

 protected:
  void CreateControls(Builder& b) override {
    b.Group(IDC_grpDrives, " Drive to format: ", 9, 5, 216, 68);
    b.Origin(9, 5);
    b.Label(IDC_lblDrives, "&Drive:", 16, 30, 44, 14);
    HWND drives = b.Combo(IDC_cboDrives, 64, 26, 60, 300, false, {});
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
      const wchar_t item[2] = {letter, L'\0'};
      SendMessageW(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageW(drives, CB_SETCURSEL, 0, 0);

    b.Origin(0, 0);
    b.Group(IDC_grpCapacity, " Capacity: ", 233, 5, 209, 68);
    b.Origin(233, 5);
    b.Label(IDC_lblCapacity, "&ID:", 16, 30, 30, 14);
    HWND capacity = b.Combo(IDC_cboCapacity, 48, 26, 145, 120, false, {});
    for (int i = 0; i < kFormatCapacityCount; ++i)
      SendMessageW(capacity, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(FormatCapacityItem(i)).c_str()));
    SendMessageW(capacity, CB_SETCURSEL, 0, 0);

    b.Origin(0, 0);
    b.Group(IDC_rgrFormatType, " Format type: ", 9, 81, 216, 76);
    b.Origin(9, 81);
    b.Radio(IDC_rgrFormatType_0, "&Quick (erase)", 16, 20, 185, 20, true, true);
    b.Radio(IDC_rgrFormatType_1, "&Full", 16, 44, 185, 20, false, false);

    b.Origin(0, 0);
    b.Group(IDC_grpFormatVar, " Variable: ", 233, 81, 209, 76);
    b.Origin(233, 81);
    HWND asProc = b.Check(IDC_chkFormatCallAsProc, "Call As &Procedure", 16, 20, 177, 17, false);
    SetWindowLongW(asProc, GWL_STYLE, GetWindowLongW(asProc, GWL_STYLE) | WS_GROUP);
    b.Label(IDC_lblFormatVarName, "&Name:", 16, 48, 44, 14);
    b.Edit(IDC_edtFormatVarName, "Result", 64, 44, 129, 21);
    b.Origin(0, 0);
  }

  void Reset() override {
    SendMessageW(Item(IDC_cboDrives), CB_SETCURSEL, 0, 0);
    SendMessageW(Item(IDC_cboCapacity), CB_SETCURSEL, 0, 0);
    CheckRadioButton(panel(), IDC_rgrFormatType_0, IDC_rgrFormatType_1, IDC_rgrFormatType_0);
    SetChecked(Item(IDC_chkFormatCallAsProc), false);
    SetText(Item(IDC_edtFormatVarName), "Result");
  }

  void ShowDialog() override {
    const FormatDriveOptions o = ReadOptions();
    // The shell's own dialog reports what happens; where the system offers no Format dialog the call returns at
    // once, and the program goes on.
    SHFormatDrive(owner(), static_cast<UINT>(o.drive), o.capacityId, o.options);
  }

  GeneratedCode GenerateCode() const override {
    return GenerateFormatDrive(ReadOptions(), LoadFrameTexts(), target());
  }

 private:
  FormatDriveOptions ReadOptions() const {
    FormatDriveOptions o;
    const auto drive = static_cast<int>(SendMessageW(Item(IDC_cboDrives), CB_GETCURSEL, 0, 0));
    o.drive = drive < 0 ? 0 : drive;
    o.capacityId = FormatCapacityId(static_cast<int>(SendMessageW(Item(IDC_cboCapacity), CB_GETCURSEL, 0, 0)));
    o.options = IsChecked(Item(IDC_rgrFormatType_1)) ? SHFMT_OPT_FULL : 0;
    o.asProcedure = IsChecked(Item(IDC_chkFormatCallAsProc));
    o.varName = GetText(Item(IDC_edtFormatVarName));
    return o;
  }
};

}  // namespace

template <>
std::unique_ptr<KindPanel> MakeKindPanel<dkFormatDrive>() {
  return std::make_unique<FormatDrivePanel>();
}

}  // namespace qm
