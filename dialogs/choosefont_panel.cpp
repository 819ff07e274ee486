// The Font dialog panel, its sample font, and its builder.
#include <windows.h>
#include <commdlg.h>

#include <cwchar>
#include <optional>

#include "app/builder.h"
#include "app/hints.h"
#include "app/presets_core.h"
#include "app/speed_button.h"
#include "app/gdi_cache.h"
#include "app/text.h"
#include "app/win_util.h"
#include "dialogs/choosefont_core.h"
#include "dialogs/kind_panel.h"
#include "resource.h"

namespace qm {

namespace {

#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(CHOOSEFONTW) == 60, "the 32-bit Font dialog record");
#endif

// The flags of the sample-font button's own font dialog: screen and printer fonts, effects, start from the font.
constexpr DWORD kSampleDialogFlags = CF_SCREENFONTS | CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
static_assert(kSampleDialogFlags == 323);

void FillLogFont(LOGFONTW& lf, const LogFontValues& v) {
  lf.lfHeight = v.height;
  lf.lfWeight = v.weight;
  lf.lfItalic = v.italic;
  lf.lfUnderline = v.underline;
  lf.lfStrikeOut = v.strikeOut;
  lf.lfCharSet = v.charset;
  lf.lfPitchAndFamily = v.pitchAndFamily;
  // At most LF_FACESIZE - 1 characters and the terminating zero.
  CopyToBuffer(v.faceName, lf.lfFaceName, LF_FACESIZE);
}

LogFontValues ReadLogFont(const LOGFONTW& lf) {
  LogFontValues v;
  v.height = lf.lfHeight;
  v.weight = lf.lfWeight;
  v.italic = lf.lfItalic;
  v.underline = lf.lfUnderline;
  v.strikeOut = lf.lfStrikeOut;
  v.charset = lf.lfCharSet;
  v.pitchAndFamily = lf.lfPitchAndFamily;
  v.faceName = Utf8(std::wstring_view(lf.lfFaceName, wcsnlen(lf.lfFaceName, LF_FACESIZE)));
  return v;
}

// A colour value as the screen shows it: a system colour (top bit set) is looked up.
COLORREF ScreenColor(std::uint32_t color) {
  if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

// The font the sample button draws its caption in.
HFONT CreateSampleFont(const SampleFont& f) {
  LOGFONTW lf{};
  FillLogFont(lf, ToLogFont(f));
  lf.lfWeight = f.bold ? FW_BOLD : FW_NORMAL;
  // The pitch ordinals (default, variable, fixed) are not the Windows pitch values.
  lf.lfPitchAndFamily = f.pitch == 1 ? VARIABLE_PITCH : f.pitch == 2 ? FIXED_PITCH : DEFAULT_PITCH;
  return CreateFontIndirectW(&lf);
}

const int kSizeControls[] = {IDC_lMin, IDC_spMinSize, IDC_spMinSize_UD, IDC_lMax, IDC_spMaxSize, IDC_spMaxSize_UD};

class FontDlgPanel : public KindPanel {
 public:
  FontDlgPanel() : KindPanel(dkChooseFont) {}

 protected:
  void CreateControls(Builder& b) override {
    b.Group(IDC_grpDisplayFonts, " Display Fonts: ", 9, 5, 210, 136);
    b.Origin(9, 5);
    b.Check(IDC_SCREENFONTS, "Screen Fonts", 16, 22, 180, 17, true);
    b.Check(IDC_PRINTERFONTS, "Printer Fonts", 16, 44, 180, 17, true);
    b.Check(IDC_TTONLY, "True Type Only", 16, 66, 180, 17, false);
    b.Check(IDC_FIXEDPITCHONLY, "Fixed Pitch Only", 16, 88, 180, 17, false);
    b.Check(IDC_SCALABLEONLY, "Scalable Only", 16, 110, 180, 17, false);

    b.Origin(0, 0);
    b.Group(IDC_grpFontAppearance, " Appearance: ", 232, 5, 210, 136);
    b.Origin(232, 5);
    b.Check(IDC_EFFECTS, "Font &Effects Boxes", 16, 22, 180, 17, true);
    b.Check(IDC_NOSCRIPTSEL, "No &Script Combo", 16, 44, 180, 17, false);
    b.Check(IDC_NOFACESEL, "No Font Selection", 16, 66, 180, 17, false);
    b.Check(IDC_NOSTYLESEL, "No Style Selection", 16, 110, 180, 17, false);
    b.Check(IDC_NOSIZESEL, "No Size Selection", 16, 88, 180, 17, false);  // fourth from the top, last in tab order

    b.Origin(0, 0);
    b.Check(IDC_LIMITSIZE, "Set Size Limits", 25, 156, 110, 17, false);
    b.Label(IDC_lMin, "Mi&n:", 146, 158, 28, 14);
    b.Spin(IDC_spMinSize, IDC_spMinSize_UD, 176, 154, 60, 21, 0, 0, 8);
    b.Label(IDC_lMax, "Ma&x:", 252, 158, 28, 14);
    b.Spin(IDC_spMaxSize, IDC_spMaxSize_UD, 282, 154, 60, 21, 0, 0, 16);

    b.Check(IDC_INITTOLOGFONTSTRUCT, "Init LogFont Structure", 25, 192, 190, 17, false);
    b.Check(IDC_chkInitWith, "Init LogFont with Result", 41, 216, 185, 17, true);
    b.Speed(IDC_FontSample, "Ini Font Sample", 232, 186, 210, 56, SpeedButtonStyle{});

    b.Label(IDC_lblFontVar, "&Variable:", 25, 262, 50, 14);
    b.Edit(IDC_edtFontVar, "Result", 79, 258, 147, 21);

    ApplySampleFont();
    LIMITSIZEClick();
    INITTOLOGFONTSTRUCTClick();
  }

  bool OnCommand(int id, int code, HWND) override {
    switch (id) {
      case IDC_LIMITSIZE:
        if (code == BN_CLICKED) LIMITSIZEClick();
        return true;
      case IDC_INITTOLOGFONTSTRUCT:
        if (code == BN_CLICKED) INITTOLOGFONTSTRUCTClick();
        return true;
      case IDC_chkInitWith:
        if (code == BN_CLICKED) chkInitWithClick();
        return true;
      case IDC_edtFontVar:
        if (code == EN_CHANGE) edtFontVarChange();
        return true;
      case IDC_FontSample:
        if (code == BN_CLICKED) FontSampleClick();
        return true;
      default:
        return false;
    }
  }

  void Reset() override {
    const std::pair<int, bool> boxes[] = {
        {IDC_SCREENFONTS, true},      {IDC_PRINTERFONTS, true},  {IDC_TTONLY, false},
        {IDC_FIXEDPITCHONLY, false},  {IDC_SCALABLEONLY, false}, {IDC_EFFECTS, true},
        {IDC_NOSCRIPTSEL, false},     {IDC_NOFACESEL, false},    {IDC_NOSTYLESEL, false},
        {IDC_NOSIZESEL, false},       {IDC_LIMITSIZE, false},    {IDC_INITTOLOGFONTSTRUCT, false},
        {IDC_chkInitWith, true},
    };
    for (const auto& [id, checked] : boxes) SetChecked(Item(id), checked);
    SetSpinValue(Item(IDC_spMinSize), 8);
    SetSpinValue(Item(IDC_spMaxSize), 16);
    SetText(Item(IDC_edtFontVar), "Result");
    edtFontVarChange();
    sample_ = SampleFont{};
    ApplySampleFont();
    LIMITSIZEClick();
    INITTOLOGFONTSTRUCTClick();
  }

  std::string PresetState(int id) const override { return id == IDC_FontSample ? EncodeFont(sample_) : ""; }
  bool SetPresetState(int id, const std::string& text) override {
    const std::optional<SampleFont> font = DecodeFont(text);
    if (id != IDC_FontSample || !font) return false;
    sample_ = *font;
    ApplySampleFont();
    return true;
  }

  void ShowDialog() override {
    const ChooseFontOptions o = ReadOptions();
    TestDialog(o);
  }

  GeneratedCode GenerateCode() const override {
    return GenerateChooseFont(ReadOptions(), LoadFrameTexts(), target(), handleAnswer());
  }

 private:
  void LIMITSIZEClick() {
    const bool on = IsChecked(Item(IDC_LIMITSIZE));
    for (int id : kSizeControls) EnableWindow(Item(id), on);
  }

  void INITTOLOGFONTSTRUCTClick() {
    const bool init = IsChecked(Item(IDC_INITTOLOGFONTSTRUCT));
    EnableWindow(Item(IDC_FontSample), init && !IsChecked(Item(IDC_chkInitWith)));
    EnableWindow(Item(IDC_chkInitWith), init);
  }

  void chkInitWithClick() {
    EnableWindow(Item(IDC_FontSample),
                 IsChecked(Item(IDC_INITTOLOGFONTSTRUCT)) && !IsChecked(Item(IDC_chkInitWith)));
  }

  void edtFontVarChange() {
    SetText(Item(IDC_chkInitWith), "Init LogFont with " + GetText(Item(IDC_edtFontVar)));
  }

  // Chooses the sample font with the platform's font dialog; a cancelled dialog changes nothing.
  void FontSampleClick() {
    LOGFONTW lf{};
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner();
    cf.lpLogFont = &lf;
    cf.Flags = kSampleDialogFlags;
    cf.rgbColors = static_cast<COLORREF>(sample_.color);
    FillLogFont(lf, ToLogFont(sample_));
    if (!ChooseFontW(&cf)) return;
    sample_ = FromChosenFont(ReadLogFont(lf), cf.rgbColors);
    ApplySampleFont();
  }

  // The button takes the new font before the old one is deleted.
  void ApplySampleFont() {
    HWND button = Item(IDC_FontSample);
    ScopedGdiObj font(CreateSampleFont(sample_));
    SetCaptionColor(button, ScreenColor(sample_.color));
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font.get() : FormFont(DpiOf(button))), TRUE);
    font_ = std::move(font);
    InvalidateRect(button, nullptr, TRUE);
  }

  ChooseFontOptions ReadOptions() const {
    ChooseFontOptions o;
    o.screenFonts = IsChecked(Item(IDC_SCREENFONTS));
    o.printerFonts = IsChecked(Item(IDC_PRINTERFONTS));
    o.ttOnly = IsChecked(Item(IDC_TTONLY));
    o.fixedPitchOnly = IsChecked(Item(IDC_FIXEDPITCHONLY));
    o.scalableOnly = IsChecked(Item(IDC_SCALABLEONLY));
    o.effects = IsChecked(Item(IDC_EFFECTS));
    o.noScriptSel = IsChecked(Item(IDC_NOSCRIPTSEL));
    o.noFaceSel = IsChecked(Item(IDC_NOFACESEL));
    o.noStyleSel = IsChecked(Item(IDC_NOSTYLESEL));
    o.noSizeSel = IsChecked(Item(IDC_NOSIZESEL));
    o.limitSize = IsChecked(Item(IDC_LIMITSIZE));
    o.minSize = SpinValue(Item(IDC_spMinSize), 0);
    o.maxSize = SpinValue(Item(IDC_spMaxSize), 0);
    o.initToLogFont = IsChecked(Item(IDC_INITTOLOGFONTSTRUCT));
    o.initWithVar = IsChecked(Item(IDC_chkInitWith));
    o.sample = sample_;
    o.varName = GetText(Item(IDC_edtFontVar));
    return o;
  }

  void TestDialog(const ChooseFontOptions& o) const {
    const ChooseFontStart start = ChooseFontStartValues(o);
    LOGFONTW lf{};
    FillLogFont(lf, start.logFont);
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner();
    cf.lpLogFont = &lf;
    cf.Flags = start.flags;
    cf.rgbColors = static_cast<COLORREF>(start.rgbColors);
    cf.nSizeMin = start.sizeMin;
    cf.nSizeMax = start.sizeMax;
    ChooseFontW(&cf);  // the test only shows the dialog: the chosen font changes nothing here
  }

  SampleFont sample_;
  ScopedGdiObj font_;
};

}  // namespace

template <>
std::unique_ptr<KindPanel> MakeKindPanel<dkChooseFont>() {
  return std::make_unique<FontDlgPanel>();
}

}  // namespace qm
