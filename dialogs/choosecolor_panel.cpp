// The Color dialog panel and its builder.
#include <windows.h>
#include <commdlg.h>

#include <climits>

#include "app/builder.h"
#include "app/hints.h"
#include "app/speed_button.h"
#include "app/win_util.h"
#include "dialogs/choosecolor_core.h"
#include "dialogs/kind_panel.h"
#include "resource.h"

namespace qm {

namespace {

#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(CHOOSECOLORW) == 36, "the 32-bit Color dialog record");
#endif

const int kSpins[3] = {IDC_spRed, IDC_spGreen, IDC_spBlue};

class ColorDlgPanel : public KindPanel {
 public:
  ColorDlgPanel() : KindPanel(dkChooseColor) {}

 protected:
  void CreateControls(Builder& b) override {
    b.Group(IDC_grpColorOptions, " Options: ", 9, 5, 200, 118);
    b.Origin(9, 5);
    b.Check(IDC_FULLOPEN, "Full &Open", 16, 22, 170, 17, false);
    b.Check(IDC_PREVENTFULLOPEN, "&Prevent Full Open", 16, 45, 170, 17, false);
    b.Check(IDC_RGBINIT, " &Init Color", 16, 68, 170, 17, false);
    b.Check(IDC_SHOWHELP, "&Show Help", 16, 91, 170, 17, false);

    b.Origin(0, 0);
    b.Group(IDC_grpIniColor, " Initial Color: ", 220, 5, 222, 118);
    b.Origin(220, 5);
    b.Label(IDC_lblRed, "&Red:", 106, 27, 42, 14);
    b.Spin(IDC_spRed, IDC_spRed_UD, 150, 23, 56, 21, 0, 255, 0);
    b.Label(IDC_lblGreen, "&Green:", 106, 55, 42, 14);
    b.Spin(IDC_spGreen, IDC_spGreen_UD, 150, 51, 56, 21, 0, 255, 0);
    b.Label(IDC_lblBlue, "&Blue:", 106, 83, 42, 14);
    b.Spin(IDC_spBlue, IDC_spBlue_UD, 150, 79, 56, 21, 0, 255, 0);
    // The swatch is no tab stop; on top of the group box in z-order, so that the group box never paints over it.
    HWND swatch = b.Panel(IDC_pnlIniColor, 16, 30, 72, 64, Bevel::Lowered);
    SetWindowPos(swatch, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    b.Origin(0, 0);
    b.Label(IDC_lblColorVar, "&Variable:", 25, 139, 50, 14);
    b.Edit(IDC_edtColorVar, "Result", 79, 135, 130, 21);
    b.Check(IDC_chkInitWithColor, "Init Dialog with Result", 25, 166, 417, 17, true);

    SetSwatch(0);
    RGBINITClick();
  }

  bool OnCommand(int id, int code, HWND) override {
    switch (id) {
      case IDC_spRed:
      case IDC_spGreen:
      case IDC_spBlue:
        if (code == EN_CHANGE) SpinChange();
        else if (code == EN_KILLFOCUS) KeepInRange(Item(id));
        return true;
      case IDC_RGBINIT:
        if (code == BN_CLICKED) RGBINITClick();
        return true;
      case IDC_edtColorVar:
        if (code == EN_CHANGE) edtColorVarChange();
        return true;
      default:
        return false;
    }
  }

  void Reset() override {
    for (int id : {IDC_FULLOPEN, IDC_PREVENTFULLOPEN, IDC_RGBINIT, IDC_SHOWHELP}) SetChecked(Item(id), false);
    RGBINITClick();
    for (int id : kSpins) SetSpinValue(Item(id), 0);
    SpinChange();
    SetText(Item(IDC_edtColorVar), "Result");
    edtColorVarChange();
    SetChecked(Item(IDC_chkInitWithColor), true);
  }

  void ShowDialog() override {
    const ChooseColorOptions o = ReadOptions();
    TestDialog(o);
  }

  GeneratedCode GenerateCode() const override {
    return GenerateChooseColor(ReadOptions(), LoadFrameTexts(), target(), handleAnswer());
  }

 private:
  // The swatch is the initial colour; the spins are its parts.
  void SpinChange() {
    SetSwatch(ColorFromParts(SpinValue(Item(IDC_spRed), 0), SpinValue(Item(IDC_spGreen), 0),
                             SpinValue(Item(IDC_spBlue), 0)));
  }

  void SetSwatch(std::uint32_t color) {
    color_ = color;
    if (HWND swatch = Item(IDC_pnlIniColor)) SetPanelColor(swatch, static_cast<COLORREF>(color));
  }

  // A spin field that the user leaves holding a number outside 0 to 255 shows the nearest limit instead.
  static void KeepInRange(HWND spin) {
    std::int32_t v = 0;
    if (!StrToInt(GetText(spin), v)) return;
    if (v < 0) SetSpinValue(spin, 0);
    else if (v > 255) SetSpinValue(spin, 255);
  }

  void RGBINITClick() { EnableWindow(Item(IDC_chkInitWithColor), IsChecked(Item(IDC_RGBINIT))); }

  void edtColorVarChange() {
    SetText(Item(IDC_chkInitWithColor), "Init Dialog with " + GetText(Item(IDC_edtColorVar)));
  }

  ChooseColorOptions ReadOptions() const {
    ChooseColorOptions o;
    o.fullOpen = IsChecked(Item(IDC_FULLOPEN));
    o.preventFullOpen = IsChecked(Item(IDC_PREVENTFULLOPEN));
    o.rgbInit = IsChecked(Item(IDC_RGBINIT));
    o.showHelp = IsChecked(Item(IDC_SHOWHELP));
    o.color = color_;
    o.varName = GetText(Item(IDC_edtColorVar));
    o.initWithVar = IsChecked(Item(IDC_chkInitWithColor));
    return o;
  }

  void TestDialog(const ChooseColorOptions& o) {
    COLORREF custom[16] = {};  // each test starts with black custom colours and forgets them afterwards
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner();
    cc.lpCustColors = custom;
    cc.Flags = ChooseColorFlags(o);
    cc.rgbResult = ChooseColorStart(o);
    // A cancelled or failed dialog leaves the panel as it was: its rgbResult is no colour the user chose.
    if (!ChooseColorW(&cc)) return;
    SetSwatch(cc.rgbResult);
    SetSpinValue(Item(IDC_spRed), RedOf(cc.rgbResult));
    SetSpinValue(Item(IDC_spGreen), GreenOf(cc.rgbResult));
    SetSpinValue(Item(IDC_spBlue), BlueOf(cc.rgbResult));
    SpinChange();
  }

  std::uint32_t color_ = 0;
};

}  // namespace

template <>
std::unique_ptr<KindPanel> MakeKindPanel<dkChooseColor>() {
  return std::make_unique<ColorDlgPanel>();
}

}  // namespace qm
