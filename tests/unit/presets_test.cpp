// Named presets: the controls each kind keeps, names, the encoding of every control type, and what a stored preset
// that no longer fits gives.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/presets_core.h"
#include "dialogs/frame_core.h"

namespace qm {
namespace {

const int kKinds[] = {dkMessageBox, dkBrowseForFolder, dkRunFile,     dkFormatDrive, dkShellAbout, dkPickIcon,
                      dkOpenFile,   dkSaveFile,        dkChooseColor, dkPrint,       dkChooseFont, dkFileOperation};

TEST(Presets, EveryKindHasItsOwnFields) {
  for (int kind : kKinds) {
    std::set<std::string> names;
    std::set<int> ids;
    for (const PresetField& f : PresetFields(kind)) {
      EXPECT_TRUE(names.insert(f.name).second) << kind << " " << f.name;
      EXPECT_TRUE(ids.insert(f.id).second) << kind << " " << f.name;
    }
    EXPECT_GE(names.size(), 2u) << kind;
  }
  EXPECT_TRUE(PresetFields(1).empty());
  EXPECT_TRUE(PresetFields(13).empty());
  EXPECT_TRUE(PresetFields(-1).empty());
}

TEST(Presets, Names) {
  const std::string euro = "\xE2\x82\xAC";
  const std::string astral = "\xF0\x9F\x98\x80";  // one character, two UTF-16 units
  std::string sixtyFour;
  for (int i = 0; i < 64; ++i) sixtyFour += i % 2 ? euro : astral;
  const std::pair<std::string, PresetNameProblem> cases[] = {
      {"Warn and ask", PresetNameProblem::None},
      {" / * ? : \" < > | & % . ", PresetNameProblem::None},
      {sixtyFour, PresetNameProblem::None},
      {"", PresetNameProblem::Empty},
      {"a\\b", PresetNameProblem::Backslash},
      {"\\", PresetNameProblem::Backslash},
      {sixtyFour + "x", PresetNameProblem::TooLong},
      {std::string(100000, 'n'), PresetNameProblem::TooLong},
  };
  for (const auto& [name, problem] : cases) {
    EXPECT_EQ(CheckPresetName(name), problem) << name.substr(0, 80);
    EXPECT_EQ(PresetNameProblemText(problem).empty(), problem == PresetNameProblem::None);
  }
}

TEST(Presets, ValuesComeBackAsTheyWere) {
  EXPECT_EQ(DecodeFlag(EncodeFlag(true)), true);
  EXPECT_EQ(DecodeFlag(EncodeFlag(false)), false);
  for (const char* bad : {"", "2", "true", " 1", "01"}) EXPECT_FALSE(DecodeFlag(bad)) << bad;

  const GridCells grids[] = {
      {},
      {{"", ""}},
      {{"Text files (*.txt)", "*.txt"}, {"All", "*.*"}, {"", ""}},
      {{"back\\slash \\t", "tab\there"}, {"line\nfeed\r\n", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"}},
      {{"\\", "\t"}, {"\n", "\\\\n"}},
  };
  for (const GridCells& g : grids) EXPECT_EQ(DecodeGrid(EncodeGrid(g)), g) << EncodeGrid(g);
  EXPECT_EQ(EncodeGrid({{"a\tb", "c"}, {"", "d\\"}}), "a\\tb\tc\n\td\\\\\n");
  for (const char* bad : {"a", "a\\x\n", "a\\", "a\\\n", "a\rb\n"}) EXPECT_FALSE(DecodeGrid(bad)) << bad;

  SampleFont font;
  EXPECT_EQ(EncodeFont(font), "-13,2147483656,204,0,0,Arial");
  EXPECT_EQ(DecodeFont(EncodeFont(font)), font);
  font.name = "Times, New \xE2\x82\xAC";
  font.height = -2147483647 - 1;
  font.color = 0xFFFFFFFF;
  font.charset = 255;
  font.pitch = 2;
  font.bold = font.underline = font.strikeOut = true;
  EXPECT_EQ(DecodeFont(EncodeFont(font)), font);
  for (const char* bad : {"", "-13,0,0,0,0,", "-13,0,0,3,0,Arial", "-13,0,256,0,0,Arial", "-13,0,0,0,16,Arial",
                          "-13,-1,0,0,0,Arial", "-13,4294967296,0,0,0,Arial", "x,0,0,0,0,Arial", "-,0,0,0,0,Arial",
                          "-13,0,0,0,Arial", "-13,0,0,0,0,abcdefghijklmnopqrstuvwxyz012345"})
    EXPECT_FALSE(DecodeFont(bad)) << bad;
}

TEST(Presets, WhatTheControlCannotTakeIsSkipped) {
  std::int32_t n = 7;
  EXPECT_EQ(DecodeNumber("255", 0, 255, n), PresetSkip::None);
  EXPECT_EQ(n, 255);
  EXPECT_EQ(DecodeNumber("-2147483648", 0, 0, n), PresetSkip::None);  // no range: any number
  EXPECT_EQ(n, INT32_MIN);
  EXPECT_EQ(DecodeNumber("256", 0, 255, n), PresetSkip::OutOfRange);
  EXPECT_EQ(DecodeNumber("0", 1, 255, n), PresetSkip::OutOfRange);
  EXPECT_EQ(DecodeNumber("twelve", 0, 255, n), PresetSkip::WrongType);
  EXPECT_EQ(DecodeNumber("99999999999", 0, 0, n), PresetSkip::WrongType);
  EXPECT_EQ(n, INT32_MIN);

  int index = 5;
  const std::vector<std::string> items = {"A:", "C:"};
  EXPECT_EQ(DecodeChoice("C:", items, index), PresetSkip::None);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(DecodeChoice("", items, index), PresetSkip::None);
  EXPECT_EQ(index, -1);
  EXPECT_EQ(DecodeChoice("Z:", items, index), PresetSkip::OutOfRange);
  EXPECT_EQ(DecodeChoice("c:", items, index), PresetSkip::OutOfRange);

  GridCells cells;
  EXPECT_EQ(DecodeGridFor("a\tb\n\t\n\t\n", 2, 2, cells), PresetSkip::None);  // empty rows beyond the grid are fine
  EXPECT_EQ(cells.size(), 3u);
  EXPECT_EQ(DecodeGridFor("a\tb\tc\n", 2, 2, cells), PresetSkip::OutOfRange);
  EXPECT_EQ(DecodeGridFor("\n\na\n", 2, 2, cells), PresetSkip::OutOfRange);
  EXPECT_EQ(DecodeGridFor("a\\q\n", 2, 2, cells), PresetSkip::WrongType);
}

TEST(Presets, PlanKeepsTheFieldOrderAndNamesWhatIsSkipped) {
  const std::string longName(20000, 'x');
  const std::vector<StoredValue> stored = {
      {"tbnError", "1"},
      {"Edtvarname", "Answer"},  // the registry matches names without regard to case
      {"chkAsProcedure", std::nullopt},
      {"chkFromLaterVersion", "1"},
      {longName, "1"},
      {"", "default value"},
  };
  const PresetPlan plan = PlanPreset(dkMessageBox, stored);
  ASSERT_EQ(plan.steps.size(), 2u);
  EXPECT_STREQ(plan.steps[0].field->name, "edtVarName");
  EXPECT_EQ(plan.steps[0].text, "Answer");
  EXPECT_STREQ(plan.steps[1].field->name, "tbnError");
  ASSERT_EQ(plan.skipped.size(), 4u);
  EXPECT_EQ(plan.skipped[0].name, "chkAsProcedure");
  EXPECT_EQ(plan.skipped[0].reason, PresetSkip::WrongType);
  EXPECT_EQ(plan.skipped[1].reason, PresetSkip::UnknownName);
  EXPECT_TRUE(PlanPreset(1, stored).steps.empty());

  std::vector<SkippedValue> many(plan.skipped);
  for (int i = 0; i < 30; ++i) many.push_back({"spRed", PresetSkip::OutOfRange});
  EXPECT_EQ(SkippedMessage("Mine", plan.skipped),
            "The preset \"Mine\" was applied without these values, which do not fit the panel:\n\n"
            "chkAsProcedure (wrong type)\nchkFromLaterVersion (no such control)\n" +
                std::string(40, 'x') + "... (no such control)\n (no such control)");
  const std::string message = SkippedMessage(longName, many);
  EXPECT_LT(message.size(), 2000u);
  EXPECT_NE(message.find("\nand 14 more"), std::string::npos);
}

}  // namespace
}  // namespace qm
