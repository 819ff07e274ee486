// The Print dialog panel and its builder.
#include <windows.h>
#include <commdlg.h>

#include <climits>

#include "app/builder.h"
#include "app/hints.h"
#include "app/speed_button.h"
#include "app/gdi_cache.h"
#include "app/win_util.h"
#include "dialogs/kind_panel.h"
#include "dialogs/print_core.h"
#include "resource.h"

namespace qm {

namespace {

#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(PRINTDLGW) == 66, "the 32-bit Print dialog record is packed");
#endif

struct DcTraits {
  static HDC Invalid() { return nullptr; }
  static void Close(HDC h) { DeleteDC(h); }
};
using ScopedDC = Scoped<HDC, DcTraits>;

// What a Print dialog hands back: the printer's device context (PD_RETURNDC) and its device-mode and device-names
// memory. The panel uses none of them; they are released when the test ends, whether confirmed or not.
struct PrintDialogResult {
  explicit PrintDialogResult(PRINTDLGW& pd) : dc(pd.hDC), devMode(pd.hDevMode), devNames(pd.hDevNames) {
    pd.hDC = nullptr;
    pd.hDevMode = nullptr;
    pd.hDevNames = nullptr;
  }
  ScopedDC dc;
  ScopedGlobal devMode;
  ScopedGlobal devNames;
};

const int kPageControls[] = {IDC_PAGENUMS, IDC_lblFrom, IDC_edtFromPage, IDC_lblTo, IDC_edtToPage};

class PrintDlgPanel : public KindPanel {
 public:
  PrintDlgPanel() : KindPanel(dkPrint) {}

 protected:
  void CreateControls(Builder& b) override {
    b.Group(IDC_grpPrintRange, " Print range ", 9, 5, 215, 105);
    b.Origin(9, 5);
    b.Radio(IDC_ALLPAGES, "&All", 16, 21, 120, 17, true, true);
    b.Radio(IDC_PAGENUMS, "Pa&ges", 16, 48, 52, 17, false, false);
    b.Label(IDC_lblFrom, "&from:", 72, 50, 30, 14);  // 2 pixels of room: fonts grow by steps as the scaling rises
    b.Edit(IDC_edtFromPage, "", 103, 46, 40, 21);
    b.Label(IDC_lblTo, "&to:", 150, 50, 16, 14);
    b.Edit(IDC_edtToPage, "", 168, 46, 40, 21);
    b.Radio(IDC_SELECTION, "&Selection", 16, 75, 120, 17, false, false);

    b.Origin(0, 0);
    b.Group(IDC_grpCopies, " Copies ", 233, 5, 209, 105);
    b.Origin(233, 5);
    HWND collate = b.Check(IDC_chkCollate, "Co&llate", 122, 68, 78, 17, false);
    SetWindowLongW(collate, GWL_STYLE, GetWindowLongW(collate, GWL_STYLE) | WS_GROUP);  // ends the range group
    b.Label(IDC_lblCopies, "Number of &copies:", 12, 25, 110, 14);
    b.Spin(IDC_spCopies, IDC_spCopies_UD, 124, 21, 74, 21, 1, INT_MAX, 1);
    PictureBox(b, IDC_imgCollate, IDB_COLLATE, 12, 54);
    PictureBox(b, IDC_imgNoCollate, IDB_NOCOLLATE, 10, 60);
    ShowWindow(Item(IDC_imgCollate), SW_HIDE);

    b.Origin(0, 0);
    b.Group(IDC_grpPrintAppearance, " Appearance ", 9, 118, 215, 172);
    b.Origin(9, 118);
    b.Check(IDC_DISABLEPRINTTOFILE, "Disable Print To File", 16, 22, 185, 17, false);
    b.Check(IDC_NOPAGENUMS, "Disable Pages Nums", 16, 46, 185, 17, false);
    b.Check(IDC_NOSELECTION, "Disable Selection", 16, 70, 185, 17, false);
    b.Check(IDC_PRINTSETUP, "Display Print Setup", 16, 94, 185, 17, false);
    b.Check(IDC_NOWARNING, "No Warning Message", 16, 118, 185, 17, false);
    b.Check(IDC_SHOWHELP_P, "Show Help Button", 16, 142, 185, 17, false);

    b.Origin(0, 0);
    b.Check(IDC_chkPrintToFile, "Print To File", 245, 125, 150, 17, false);
  }

  bool OnCommand(int id, int code, HWND) override {
    if (code == BN_CLICKED) {
      switch (id) {
        case IDC_PAGENUMS: PAGENUMSClick(); return true;
        case IDC_chkCollate: chkCollateClick(); return true;
        case IDC_DISABLEPRINTTOFILE: DISABLEPRINTTOFILEClick(); return true;
        case IDC_NOPAGENUMS: NOPAGENUMSClick(); return true;
        case IDC_NOSELECTION: NOSELECTIONClick(); return true;
        default: return false;
      }
    }
    if (id == IDC_spCopies && code == EN_KILLFOCUS) {
      // Leaving the field with a number below 1 shows 1 (the range ends at the largest integer).
      std::int32_t v = 0;
      if (StrToInt(GetText(Item(IDC_spCopies)), v) && v < 1) SetSpinValue(Item(IDC_spCopies), 1);
      return true;
    }
    return false;
  }

  bool OnMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) override {
    if (msg != WM_DRAWITEM) return false;
    const auto* di = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    if (di->CtlType != ODT_STATIC || (di->CtlID != IDC_imgCollate && di->CtlID != IDC_imgNoCollate)) return false;
    FillRect(di->hDC, &di->rcItem, GetSysColorBrush(COLOR_BTNFACE));
    DrawPicture(di->hDC, Picture(di->CtlID == IDC_imgCollate ? IDB_COLLATE : IDB_NOCOLLATE, DpiOf(di->hwndItem)),
                di->rcItem.left, di->rcItem.top);
    result = TRUE;
    return true;
  }

  void Reset() override {
    CheckRadioButton(panel(), IDC_PRINTRANGE_FIRST, IDC_PRINTRANGE_LAST, IDC_ALLPAGES);
    SetText(Item(IDC_edtFromPage), "");
    SetText(Item(IDC_edtToPage), "");
    SetSpinValue(Item(IDC_spCopies), 1);
    SetChecked(Item(IDC_chkCollate), false);
    ShowWindow(Item(IDC_imgCollate), SW_HIDE);
    ShowWindow(Item(IDC_imgNoCollate), SW_SHOW);
    for (int id : {IDC_DISABLEPRINTTOFILE, IDC_NOPAGENUMS, IDC_NOSELECTION, IDC_PRINTSETUP, IDC_NOWARNING,
                   IDC_SHOWHELP_P, IDC_chkPrintToFile})
      SetChecked(Item(id), false);
    DISABLEPRINTTOFILEClick();
    NOPAGENUMSClick();
    NOSELECTIONClick();
  }

  void ShowDialog() override {
    const PrintOptions o = ReadOptions();
    TestDialog(o);
  }

  GeneratedCode GenerateCode() const override {
    return GeneratePrint(ReadOptions(), LoadFrameTexts(), target(), handleAnswer());
  }

 private:
  // An owner-drawn picture box sized to its picture (its design size is the picture's at 96 DPI).
  static void PictureBox(Builder& b, int id, int picture, int x, int y) {
    BITMAP bm{};
    if (HBITMAP p = Picture(picture)) GetObjectW(p, sizeof bm, &bm);
    b.Make("STATIC", id, "", SS_OWNERDRAW, 0, x, y, bm.bmWidth, bm.bmHeight);
  }

  void PAGENUMSClick() {
    HWND from = Item(IDC_edtFromPage);
    if (IsWindowEnabled(from) && IsWindowVisible(from)) SetFocus(from);
  }

  void chkCollateClick() {
    for (int id : {IDC_imgCollate, IDC_imgNoCollate}) {
      HWND picture = Item(id);
      ShowWindow(picture, IsWindowVisible(picture) ? SW_HIDE : SW_SHOW);
    }
  }

  void DISABLEPRINTTOFILEClick() {
    EnableWindow(Item(IDC_chkPrintToFile), !IsChecked(Item(IDC_DISABLEPRINTTOFILE)));
  }

  void NOPAGENUMSClick() {
    const bool enable = !IsChecked(Item(IDC_NOPAGENUMS));
    for (int id : kPageControls) EnableWindow(Item(id), enable);
  }

  void NOSELECTIONClick() { EnableWindow(Item(IDC_SELECTION), !IsChecked(Item(IDC_NOSELECTION))); }

  PrintOptions ReadOptions() const {
    PrintOptions o;
    o.pageNums = IsChecked(Item(IDC_PAGENUMS));
    o.selection = IsChecked(Item(IDC_SELECTION));
    o.fromPage = GetText(Item(IDC_edtFromPage));
    o.toPage = GetText(Item(IDC_edtToPage));
    o.copies = SpinValue(Item(IDC_spCopies), 1);
    o.collate = IsChecked(Item(IDC_chkCollate));
    o.disablePrintToFile = IsChecked(Item(IDC_DISABLEPRINTTOFILE));
    o.noPageNums = IsChecked(Item(IDC_NOPAGENUMS));
    o.noSelection = IsChecked(Item(IDC_NOSELECTION));
    o.printSetup = IsChecked(Item(IDC_PRINTSETUP));
    o.noWarning = IsChecked(Item(IDC_NOWARNING));
    o.showHelp = IsChecked(Item(IDC_SHOWHELP_P));
    o.printToFile = IsChecked(Item(IDC_chkPrintToFile));
    return o;
  }

  void TestDialog(const PrintOptions& o) {
    PRINTDLGW pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = owner();
    pd.hDevMode = nullptr;
    pd.hDevNames = nullptr;
    pd.nMinPage = 1;
    pd.nMaxPage = 65535;
    pd.nCopies = PrintCopiesForRecord(o);
    pd.Flags = PrintFlags(o);
    pd.nFromPage = PrintFromPage(o);
    pd.nToPage = PrintToPage(o);
    PrintDlgW(&pd);  // the outcome is the dialog's own business: nothing is printed or written back
    PrintDialogResult released(pd);
  }
};

}  // namespace

template <>
std::unique_ptr<KindPanel> MakeKindPanel<dkPrint>() {
  return std::make_unique<PrintDlgPanel>();
}

}  // namespace qm
