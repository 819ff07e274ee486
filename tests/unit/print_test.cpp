// The Print dialog's generated code, whole fragments and whole panes, its flags and its page numbers.
#include <gtest/gtest.h>

#include "dialogs/print_core.h"

using namespace qm;

namespace {
const FrameTexts kTexts = FrameTexts::Defaults();

GeneratedCode Gen(const PrintOptions& o) { return GeneratePrint(o, kTexts, ctDelphiClassic); }

Lines ExpectedFragment(const std::string& flags, const std::string& copies, const std::string& from,
                       const std::string& to, TCodeTarget target = ctDelphiClassic) {
  return {
      kTexts.Header1(target),
      "// You may need to declare the following variable(s)",
      "//var",
      "//  pd: TPrintDlg; { CommDlg must be in uses clause !}",
      "FillChar(pd, SizeOf(TPrintDlg), 0);",
      "with pd do",
      "begin",
      "  lStructSize := SizeOf(TPrintDlg);",
      "  hwndOwner := Handle;",
      "  hDC := 0;",
      "  hDevMode  := 0;",
      "  hDevNames := 0;",
      "  Flags := " + flags + ";",
      "  nCopies := " + copies + ";",
      "  nMinPage  := 1;",
      "  nMaxPage  := 65535;",
      "  nFromPage := " + from + ";",
      "  nToPage := " + to + ";",
      "end;",
      target == ctFreePascal ? "if PrintDlg(@pd) then with pd do" : "if PrintDlg(pd) then with pd do",
      "begin",
      "{ Place your code here}",
      "end;",
      "// End of Quillmark generated code",
  };
}

Lines ExpectedImpl(const std::string& flags, const std::string& copies, const std::string& from,
                   const std::string& to, TCodeTarget target = ctDelphiClassic) {
  return {
      "  FillChar(pd, SizeOf(TPrintDlg), 0);",
      "  with pd do",
      "  begin",
      "    lStructSize := SizeOf(TPrintDlg);",
      "    hwndOwner := Handle;",
      "    hDC := 0;",
      "    hDevMode  := 0;",
      "    hDevNames := 0;",
      "    Flags := " + flags + ";",
      "    nCopies := " + copies + ";",
      "    nMinPage  := 1;",
      "    nMaxPage  := 65535;",
      "    nFromPage := " + from + ";",
      "    nToPage := " + to + ";",
      "  end;",
      target == ctFreePascal ? "  if PrintDlg(@pd) then with pd do" : "  if PrintDlg(pd) then with pd do",
      "  begin",
      "{ Place your code here}",
      "  end;",
  };
}
}  // namespace

TEST(Print, StartState) {
  for (const TCodeTarget target : kCodeTargets) {
    SCOPED_TRACE(static_cast<int>(target));
    const GeneratedCode c = GeneratePrint(PrintOptions{}, kTexts, target);
    EXPECT_EQ(c.fragment, ExpectedFragment("256", "1", "65535", "65535", target));
    EXPECT_EQ(c.uses, Lines{"CommDlg"});
    EXPECT_EQ(c.decl, (Lines{"var", "  pd: TPrintDlg;"}));
    EXPECT_EQ(c.impl, ExpectedImpl("256", "1", "65535", "65535", target));
  }
}

TEST(Print, PageNumbersTwoToFive) {
  PrintOptions o;
  o.pageNums = true;
  o.fromPage = "2";
  o.toPage = "5";
  const GeneratedCode c = Gen(o);
  EXPECT_EQ(c.fragment, ExpectedFragment("258", "1", "2", "5"));
  EXPECT_EQ(c.impl, ExpectedImpl("258", "1", "2", "5"));
}

TEST(Print, PageTextsFollowDelphisIntegerRulesAndKeepSixteenBits) {
  struct Case {
    const char* text;
    std::uint16_t from;
    std::uint16_t to;
  };
  const Case cases[] = {
      {"", 1, 65535},         {"abc", 1, 65535},       {" 7", 7, 7},          {"-1", 65535, 65535},
      {"70000", 4464, 4464},  {"$10", 16, 16},         {"0x1F", 31, 31},      {"x1f", 31, 31},
      {"99999999999", 1, 65535}, {"+12", 12, 12},      {"7 ", 1, 65535},      {"65536", 0, 0},
      {"-65535", 1, 1},       {"$FFFFFFFF", 65535, 65535}, {"1.5", 1, 65535}, {"$", 1, 65535},
  };
  for (const Case& k : cases) {
    PrintOptions o;
    o.pageNums = true;
    o.fromPage = k.text;
    o.toPage = k.text;
    EXPECT_EQ(PrintFromPage(o), k.from) << k.text;
    EXPECT_EQ(PrintToPage(o), k.to) << k.text;
    EXPECT_EQ(Gen(o).fragment,
              ExpectedFragment("258", "1", std::to_string(k.from), std::to_string(k.to)))
        << k.text;
    // Without "Pages" the texts are not read.
    o.pageNums = false;
    EXPECT_EQ(PrintFromPage(o), 65535) << k.text;
    EXPECT_EQ(PrintToPage(o), 65535) << k.text;
  }
}

TEST(Print, CopiesGoToTheCodeWholeAndToTheRecordCut) {
  PrintOptions o;
  o.copies = 70000;
  EXPECT_EQ(PrintCopiesForRecord(o), 4464);
  EXPECT_EQ(Gen(o).impl, ExpectedImpl("256", "70000", "65535", "65535"));
  o.copies = 2147483647;
  EXPECT_EQ(PrintCopiesForRecord(o), 65535);
  EXPECT_EQ(Gen(o).fragment, ExpectedFragment("256", "2147483647", "65535", "65535"));
  o.copies = 1;
  EXPECT_EQ(PrintCopiesForRecord(o), 1);
  o.copies = 65536;
  EXPECT_EQ(PrintCopiesForRecord(o), 0);
}

TEST(Print, FlagsOfEachControl) {
  const std::pair<bool PrintOptions::*, std::uint32_t> boxes[] = {
      {&PrintOptions::selection, 1},          {&PrintOptions::pageNums, 2},
      {&PrintOptions::noSelection, 4},        {&PrintOptions::noPageNums, 8},
      {&PrintOptions::collate, 16},           {&PrintOptions::printToFile, 32},
      {&PrintOptions::printSetup, 64},        {&PrintOptions::noWarning, 128},
      {&PrintOptions::showHelp, 2048},        {&PrintOptions::disablePrintToFile, 524288},
  };
  PrintOptions all;
  for (const auto& [member, bit] : boxes) {
    PrintOptions o;
    o.*member = true;
    EXPECT_EQ(PrintFlags(o), 256u | bit) << bit;
    all.*member = true;
  }
  EXPECT_EQ(PrintFlags(all), 526847u);
}

TEST(Print, DisabledPagesStillCount) {
  // "Disable Pages Nums" with "Pages" still selected: both flags, and the page texts are read.
  PrintOptions o;
  o.pageNums = true;
  o.noPageNums = true;
  o.fromPage = "3";
  o.toPage = "1";
  EXPECT_EQ(Gen(o).fragment, ExpectedFragment("266", "1", "3", "1"));
}
