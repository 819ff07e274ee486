// The Font dialog kind: Copy and Edit in both start-value forms, the size limits, the enabling handlers, the sample
// font chosen with the real Font dialog, Test, and Reset.
#include <windows.h>

#include <gtest/gtest.h>

#include "dialogs/choosefont_core.h"
#include "resource.h"
#include "tests/e2e/generated_helpers.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

// Wine's Font dialog.
constexpr int kDlgFace = 1136;
constexpr int kDlgStyle = 1137;
constexpr int kDlgSize = 1138;
constexpr int kDlgColor = 1139;
constexpr int kDlgScript = 1140;
constexpr int kDlgStrikeOut = 1040;
constexpr int kDlgUnderline = 1041;

class ChooseFontKind : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    PutClipboard("");
  }
};

// What the program should generate for the panel's values.
qm::GeneratedCode Code(const qm::ChooseFontOptions& options) {
  return qm::GenerateChooseFont(options, DefaultFrame(), qm::ctDelphiClassic);
}

// The panel with INITTOLOGFONTSTRUCT checked: start values from the variable, or from the sample font.
qm::ChooseFontOptions FromVariable(const std::string& var = "Result") {
  qm::ChooseFontOptions o;
  o.initToLogFont = true;
  o.varName = var;
  return o;
}
qm::ChooseFontOptions FromSample(const qm::SampleFont& sample = {}) {
  qm::ChooseFontOptions o = FromVariable();
  o.initWithVar = false;
  o.sample = sample;
  return o;
}

// DejaVu Sans Mono, bold italic, 20 points (at 96 dots per inch), underlined, red, Central European script.
qm::SampleFont ChosenSample() {
  qm::SampleFont f;
  f.name = "DejaVu Sans Mono";
  f.height = -27;
  f.color = 0x0000FF;
  f.charset = 238;
  f.pitch = 1;
  f.bold = f.italic = f.underline = true;
  return f;
}

std::string Copy(const Program& p) {
  PutClipboard("");
  p.Click(IDC_btnCopy);
  return ClipboardText();
}

bool Enabled(const Program& p, int id) { return IsWindowEnabled(p.Ctl(id)) != FALSE; }

std::wstring ComboTextW(HWND combo) {
  wchar_t text[256] = {};
  SendMessageW(combo, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

// Waits for the Font dialog that the program shows.
HWND WaitForFontDialog(const Program& p) {
  HWND dialog = p.WaitForWindow("#32770");
  if (dialog) WaitUntil([&] { return ChildById(dialog, kDlgScript) != nullptr; });
  return dialog;
}

// Picks an item of one of the dialog's lists as a user would; false when the list has no such item.
bool Pick(HWND dialog, int id, const wchar_t* item) {
  HWND combo = ChildById(dialog, id);
  const LRESULT i = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item));
  if (i == CB_ERR) return false;
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  return true;
}

void ChooseTheTestFont(HWND dialog) {
  EXPECT_TRUE(Pick(dialog, kDlgFace, L"DejaVu Sans Mono"));
  EXPECT_TRUE(Pick(dialog, kDlgStyle, L"Bold Italic"));
  EXPECT_TRUE(Pick(dialog, kDlgSize, L"20"));
  EXPECT_TRUE(Pick(dialog, kDlgColor, L"Red"));
  EXPECT_TRUE(Pick(dialog, kDlgScript, L"Central European"));
  SendMessageA(ChildById(dialog, kDlgUnderline), BM_CLICK, 0, 0);
}

void CloseDialog(const Program& p, HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, button, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(p.main()) != FALSE; }));
}

// Chooses the sample font through the sample-font button and confirms it.
void ChooseSampleFont(const Program& p) {
  p.PostClick(IDC_FontSample);
  HWND dialog = WaitForFontDialog(p);
  ASSERT_TRUE(dialog);
  ChooseTheTestFont(dialog);
  CloseDialog(p, dialog, IDOK);
}

// The pixels of a control as the screen shows them.
std::vector<COLORREF> OnScreen(const Program& p, int id) {
  RECT r;
  GetWindowRect(p.Ctl(id), &r);
  std::vector<COLORREF> pixels;
  HDC screen = GetDC(nullptr);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) pixels.push_back(GetPixel(screen, x, y));
  ReleaseDC(nullptr, screen);
  return pixels;
}

const int kSizeControls[] = {IDC_lMin, IDC_spMinSize, IDC_spMinSize_UD, IDC_lMax, IDC_spMaxSize, IDC_spMaxSize_UD};

}  // namespace

TEST_F(ChooseFontKind, StartValuesAndTheDefaultFragment) {
  Program p;
  p.Click(IDC_tbnFontDlg);
  for (int id : {IDC_EFFECTS, IDC_SCREENFONTS, IDC_PRINTERFONTS, IDC_chkInitWith}) EXPECT_TRUE(p.Checked(id)) << id;
  for (int id : {IDC_NOSCRIPTSEL, IDC_NOFACESEL, IDC_NOSTYLESEL, IDC_NOSIZESEL, IDC_TTONLY, IDC_FIXEDPITCHONLY,
                 IDC_SCALABLEONLY, IDC_INITTOLOGFONTSTRUCT, IDC_LIMITSIZE})
    EXPECT_FALSE(p.Checked(id)) << id;
  EXPECT_EQ(p.Text(IDC_spMinSize), "8");
  EXPECT_EQ(p.Text(IDC_spMaxSize), "16");
  for (int id : kSizeControls) EXPECT_FALSE(Enabled(p, id)) << id;
  EXPECT_FALSE(Enabled(p, IDC_chkInitWith));
  EXPECT_EQ(p.Text(IDC_chkInitWith), "Init LogFont with Result");
  EXPECT_FALSE(Enabled(p, IDC_FontSample));
  EXPECT_EQ(p.Text(IDC_FontSample), "Ini Font Sample");
  EXPECT_EQ(p.Text(IDC_edtFontVar), "Result");

  const std::string text = Copy(p);
  EXPECT_EQ(text, CopiedText(Code({})));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 29);
}

TEST_F(ChooseFontKind, StartValuesFromTheVariableOrTheSampleFont) {
  Program p;
  p.Click(IDC_tbnFontDlg);
  p.Click(IDC_INITTOLOGFONTSTRUCT);
  EXPECT_TRUE(Enabled(p, IDC_chkInitWith));
  EXPECT_FALSE(Enabled(p, IDC_FontSample));
  EXPECT_EQ(Copy(p), CopiedText(Code(FromVariable())));

  p.Click(IDC_chkInitWith);
  EXPECT_TRUE(Enabled(p, IDC_FontSample));
  const qm::GeneratedCode code = Code(FromSample());
  EXPECT_EQ(Copy(p), CopiedText(code));

  p.PostClick(IDC_btnEdit);
  HWND editor = p.WaitForWindow("TEditForm");
  ASSERT_TRUE(editor);
  EXPECT_EQ(WindowText(ChildById(editor, IDC_memUses)), PaneText(code.uses));
  EXPECT_EQ(WindowText(ChildById(editor, IDC_memDecl)), PaneText(code.decl));
  EXPECT_EQ(WindowText(ChildById(editor, IDC_memImpl)), PaneText(code.impl));
  PostMessageA(ChildById(editor, IDC_btnClose), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor) && IsWindowEnabled(p.main()); }));

  // Unchecking INITTOLOGFONTSTRUCT disables both but keeps the init box's state; checking it again restores them.
  p.Click(IDC_INITTOLOGFONTSTRUCT);
  EXPECT_FALSE(Enabled(p, IDC_chkInitWith));
  EXPECT_FALSE(Enabled(p, IDC_FontSample));
  EXPECT_FALSE(p.Checked(IDC_chkInitWith));
  EXPECT_EQ(Copy(p), CopiedText(Code({})));
  p.Click(IDC_INITTOLOGFONTSTRUCT);
  EXPECT_TRUE(Enabled(p, IDC_chkInitWith));
  EXPECT_TRUE(Enabled(p, IDC_FontSample));
  p.Click(IDC_chkInitWith);
  EXPECT_FALSE(Enabled(p, IDC_FontSample));
}

TEST_F(ChooseFontKind, FlagBoxes) {
  Program p;
  p.Click(IDC_tbnFontDlg);
  for (int id : {IDC_SCREENFONTS, IDC_PRINTERFONTS, IDC_EFFECTS}) p.Click(id);
  qm::ChooseFontOptions o;
  o.screenFonts = o.printerFonts = o.effects = false;
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
  for (int id : {IDC_TTONLY, IDC_FIXEDPITCHONLY, IDC_SCALABLEONLY, IDC_NOSCRIPTSEL, IDC_NOFACESEL, IDC_NOSTYLESEL,
                 IDC_NOSIZESEL})
    p.Click(id);
  o.ttOnly = o.fixedPitchOnly = o.scalableOnly = o.noScriptSel = o.noFaceSel = o.noStyleSel = o.noSizeSel = true;
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
}

TEST_F(ChooseFontKind, SizeLimitsTakeAnyWholeNumber) {
  Program p;
  p.Click(IDC_tbnFontDlg);
  p.Click(IDC_LIMITSIZE);
  for (int id : kSizeControls) EXPECT_TRUE(Enabled(p, id)) << id;
  qm::ChooseFontOptions o;
  o.limitSize = true;
  EXPECT_EQ(Copy(p), CopiedText(Code(o)));
  // What is no whole number reads as 0.
  const struct {
    const char* min;
    const char* max;
    std::int32_t minSize, maxSize;
  } cases[] = {
      {"-5", "abc", -5, 0},
      {"72", "8", 72, 8},
      {"", "2147483647", 0, 2147483647},
  };
  for (const auto& c : cases) {
    p.SetEditText(IDC_spMinSize, c.min);
    p.SetEditText(IDC_spMaxSize, c.max);
    o.minSize = c.minSize;
    o.maxSize = c.maxSize;
    EXPECT_EQ(Copy(p), CopiedText(Code(o))) << c.min << " " << c.max;
  }
  p.Click(IDC_LIMITSIZE);
  for (int id : kSizeControls) EXPECT_FALSE(Enabled(p, id)) << id;
  EXPECT_EQ(Copy(p), CopiedText(Code({})));
}

TEST_F(ChooseFontKind, VariableNameInTheCaptionAndTheCode) {
  Program p;
  p.Click(IDC_tbnFontDlg);
  p.Click(IDC_INITTOLOGFONTSTRUCT);
  p.SetEditText(IDC_edtFontVar, "");
  EXPECT_EQ(p.Text(IDC_chkInitWith), "Init LogFont with ");
  EXPECT_EQ(Copy(p), CopiedText(Code(FromVariable(""))));
  const std::string name = "fnt'" + std::string(251, 'f');
  p.SetEditText(IDC_edtFontVar, name);
  EXPECT_EQ(p.Text(IDC_chkInitWith), "Init LogFont with " + name);
  EXPECT_EQ(Copy(p), CopiedText(Code(FromVariable(name))));
}

TEST_F(ChooseFontKind, SampleButtonChoosesTheSampleFont) {
  Program p;
  p.Click(IDC_tbnFontDlg);
  p.Click(IDC_INITTOLOGFONTSTRUCT);
  p.Click(IDC_chkInitWith);
  ChooseSampleFont(p);
  EXPECT_EQ(Copy(p), CopiedText(Code(FromSample(ChosenSample()))));

  // The button's dialog starts from the sample font; cancelling it changes nothing.
  p.PostClick(IDC_FontSample);
  HWND dialog = WaitForFontDialog(p);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(ComboTextW(ChildById(dialog, kDlgFace)), L"DejaVu Sans Mono");
  EXPECT_EQ(ComboTextW(ChildById(dialog, kDlgSize)), L"20");
  EXPECT_EQ(ComboTextW(ChildById(dialog, kDlgStyle)), L"Bold Italic");
  EXPECT_EQ(SendMessageA(ChildById(dialog, kDlgUnderline), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(Pick(dialog, kDlgFace, L"DejaVu Serif"));
  EXPECT_TRUE(Pick(dialog, kDlgColor, L"Blue"));
  SendMessageA(ChildById(dialog, kDlgStrikeOut), BM_CLICK, 0, 0);
  CloseDialog(p, dialog, IDCANCEL);
  EXPECT_EQ(Copy(p), CopiedText(Code(FromSample(ChosenSample()))));

  // With the variable form the sample font is not written, but it is kept.
  p.Click(IDC_chkInitWith);
  EXPECT_EQ(Copy(p), CopiedText(Code(FromVariable())));
  p.Click(IDC_chkInitWith);
  EXPECT_EQ(Copy(p), CopiedText(Code(FromSample(ChosenSample()))));
}

TEST_F(ChooseFontKind, TestShowsTheFontDialogAndChangesNothing) {
  Program p;
  p.Click(IDC_tbnFontDlg);
  p.PostClick(IDC_btnTest);
  HWND dialog = WaitForFontDialog(p);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(WindowText(dialog), "Font");
  EXPECT_TRUE(IsWindowVisible(ChildById(dialog, kDlgStrikeOut)));
  EXPECT_TRUE(IsWindowVisible(ChildById(dialog, kDlgColor)));
  CloseDialog(p, dialog, IDCANCEL);

  // Without EFFECTS the dialog has no effects boxes.
  p.Click(IDC_EFFECTS);
  p.PostClick(IDC_btnTest);
  dialog = WaitForFontDialog(p);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(IsWindowVisible(ChildById(dialog, kDlgStrikeOut)));
  EXPECT_FALSE(IsWindowVisible(ChildById(dialog, kDlgUnderline)));
  CloseDialog(p, dialog, IDCANCEL);
  p.Click(IDC_EFFECTS);

  // Size limits that make no sense still show the dialog.
  p.Click(IDC_LIMITSIZE);
  for (const auto& [min, max] : std::vector<std::pair<const char*, const char*>>{{"72", "8"}, {"-5", "abc"}}) {
    p.SetEditText(IDC_spMinSize, min);
    p.SetEditText(IDC_spMaxSize, max);
    p.PostClick(IDC_btnTest);
    dialog = WaitForFontDialog(p);
    ASSERT_TRUE(dialog) << min << " " << max;
    CloseDialog(p, dialog, IDCANCEL);
  }
  p.Click(IDC_LIMITSIZE);

  // With INITTOLOGFONTSTRUCT the dialog starts from the sample font, whatever the init box says.
  p.Click(IDC_INITTOLOGFONTSTRUCT);
  p.Click(IDC_chkInitWith);
  ChooseSampleFont(p);
  p.Click(IDC_chkInitWith);
  const std::string before = Copy(p);
  p.PostClick(IDC_btnTest);
  dialog = WaitForFontDialog(p);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(ComboTextW(ChildById(dialog, kDlgFace)), L"DejaVu Sans Mono");
  EXPECT_EQ(ComboTextW(ChildById(dialog, kDlgSize)), L"20");
  EXPECT_EQ(ComboTextW(ChildById(dialog, kDlgStyle)), L"Bold Italic");
  EXPECT_EQ(ComboTextW(ChildById(dialog, kDlgScript)), L"Central European");
  EXPECT_EQ(SendMessageA(ChildById(dialog, kDlgUnderline), BM_GETCHECK, 0, 0), BST_CHECKED);
  // A confirmed test leaves the sample font as it was.
  EXPECT_TRUE(Pick(dialog, kDlgFace, L"DejaVu Serif"));
  EXPECT_TRUE(Pick(dialog, kDlgStyle, L"Regular"));
  CloseDialog(p, dialog, IDOK);
  EXPECT_EQ(Copy(p), before);
  p.Click(IDC_chkInitWith);
  EXPECT_EQ(Copy(p), CopiedText(Code(FromSample(ChosenSample()))));
}

TEST_F(ChooseFontKind, ResetRestoresTheStartValuesAndTheSampleFont) {
  Program p;
  p.Click(IDC_tbnFontDlg);
  p.Click(IDC_INITTOLOGFONTSTRUCT);
  p.Click(IDC_chkInitWith);
  // The sample button shows its caption in the sample font: choosing another font changes what it shows.
  const std::vector<COLORREF> designLook = OnScreen(p, IDC_FontSample);
  ChooseSampleFont(p);
  EXPECT_TRUE(WaitUntil([&] { return OnScreen(p, IDC_FontSample) != designLook; }, 5000));
  for (int id : {IDC_SCREENFONTS, IDC_PRINTERFONTS, IDC_TTONLY, IDC_FIXEDPITCHONLY, IDC_SCALABLEONLY, IDC_EFFECTS,
                 IDC_NOSCRIPTSEL, IDC_NOFACESEL, IDC_NOSTYLESEL, IDC_NOSIZESEL, IDC_LIMITSIZE})
    p.Click(id);
  p.SetEditText(IDC_spMinSize, "1");
  p.SetEditText(IDC_spMaxSize, "2");
  p.SetEditText(IDC_edtFontVar, "fnt");

  p.Click(IDC_btnReset);
  for (int id : {IDC_EFFECTS, IDC_SCREENFONTS, IDC_PRINTERFONTS, IDC_chkInitWith}) EXPECT_TRUE(p.Checked(id)) << id;
  for (int id : {IDC_NOSCRIPTSEL, IDC_NOFACESEL, IDC_NOSTYLESEL, IDC_NOSIZESEL, IDC_TTONLY, IDC_FIXEDPITCHONLY,
                 IDC_SCALABLEONLY, IDC_INITTOLOGFONTSTRUCT, IDC_LIMITSIZE})
    EXPECT_FALSE(p.Checked(id)) << id;
  EXPECT_EQ(p.Text(IDC_spMinSize), "8");
  EXPECT_EQ(p.Text(IDC_spMaxSize), "16");
  for (int id : kSizeControls) EXPECT_FALSE(Enabled(p, id)) << id;
  EXPECT_FALSE(Enabled(p, IDC_chkInitWith));
  EXPECT_FALSE(Enabled(p, IDC_FontSample));
  EXPECT_EQ(p.Text(IDC_edtFontVar), "Result");
  EXPECT_EQ(p.Text(IDC_chkInitWith), "Init LogFont with Result");
  EXPECT_EQ(Copy(p), CopiedText(Code({})));
  p.Click(IDC_INITTOLOGFONTSTRUCT);
  p.Click(IDC_chkInitWith);
  EXPECT_EQ(Copy(p), CopiedText(Code(FromSample())));
  EXPECT_TRUE(WaitUntil([&] { return OnScreen(p, IDC_FontSample) == designLook; }, 5000));
}
